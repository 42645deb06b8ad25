#pragma once
// TdfsSystemImageList: an image list whose images are the shell's system
// image list, so a shortcut's icon is the one the shell shows for its path.
// The list is shared with the shell and never destroyed here.
#include <string>

#include "components/shellimages.h"

namespace zv {

class TdfsSystemImageList {
 public:
  // What a failed lookup answers; every caller uses the index as it is.
  static constexpr int FallbackIconIndex = 0;

  // Attaches the large system list at once.
  explicit TdfsSystemImageList(tshellimages& shell);
  TdfsSystemImageList(const TdfsSystemImageList&) = delete;
  TdfsSystemImageList& operator=(const TdfsSystemImageList&) = delete;

  TImageSize ImageSize() const { return imageSize_; }
  // A change attaches the list of the new size.
  void SetImageSize(TImageSize size);
  bool ShareImages() const { return true; }
  // Draw with the transparent style rather than the normal one.
  bool Transparent = false;

  // Icons at the system's small or large icon size for a window's DPI,
  // drawn from the shell's list nearest to it (0, as at first: the shell's
  // list of ImageSize as it is). A change attaches that list.
  void SetDpi(int dpi);
  int Dpi() const { return dpi_; }

  void AttachSystemList();
  // The shell's list (HIMAGELIST); null when the shell gave none.
  void* Handle() const { return handle_; }
  // The size the icons are drawn at.
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const;

  // The index of a path's icon, or of an icon source's (FileIconIndexOf).
  // The same for both sizes, and asked afresh each time, so a changed file
  // shows its new icon.
  int GetFileIconIndex(const std::string& source) const;

  // The image at index on a device context (HDC).
  bool Draw(void* dc, int x, int y, int index) const;
  // A new icon (HICON) of the image at index; the caller destroys it.
  void* GetIcon(int index) const;

 private:
  tshellimages& shell_;
  TImageSize imageSize_ = isLarge;
  int dpi_ = 0;
  void* handle_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  bool sized_ = false;  // drawn at another size than the list's own
};

// GetFileIconIndex without a list: the index for an icon source (see
// IconSourceText): an icon of its own where it loads, else the path's; a
// URL's is its handler's icon.
int FileIconIndexOf(tshellimages& shell, const std::string& source);

}  // namespace zv
