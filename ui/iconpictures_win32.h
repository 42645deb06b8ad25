#pragma once
// Images of an image list kept as icons and drawn with DrawIconEx. Under
// Wine each ImageList_Draw selects bitmaps in and out of a device context,
// a round trip to the server each time, and a menu draws dozens of items
// at once; an icon handle is drawn without one.
#include <windows.h>

#include <cstddef>
#include <functional>
#include <map>
#include <utility>

namespace zv {

class ticonpictures {
 public:
  // Kept at most: a list of thousands of different icons would otherwise
  // run into the process's limit of GDI objects. Past it, all are let go.
  static constexpr std::size_t MaxKept = 256;

  ticonpictures() = default;
  ~ticonpictures() { Clear(); }
  ticonpictures(const ticonpictures&) = delete;
  ticonpictures& operator=(const ticonpictures&) = delete;

  // The icon of image index of list, made by make at the first request
  // (null when it could not be made; asked again next time).
  HICON Get(const void* list, int index, const std::function<HICON()>& make);
  // Lets every icon go: the images behind them may have changed.
  void Clear();
  std::size_t Count() const { return icons_.size(); }

 private:
  std::map<std::pair<const void*, int>, HICON> icons_;
};

}  // namespace zv
