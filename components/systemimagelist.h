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

  void AttachSystemList();
  // The shell's list (HIMAGELIST); null when the shell gave none.
  void* Handle() const { return handle_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const;

  // The index of a path's icon. The same for both sizes, and asked afresh
  // each time, so a changed file shows its new icon.
  int GetFileIconIndex(const std::string& path) const;

  // The image at index on a device context (HDC).
  bool Draw(void* dc, int x, int y, int index) const;
  // A new icon (HICON) of the image at index; the caller destroys it.
  void* GetIcon(int index) const;

 private:
  tshellimages& shell_;
  TImageSize imageSize_ = isLarge;
  void* handle_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

// GetFileIconIndex without a list: what the shell answers for a path.
int FileIconIndexOf(tshellimages& shell, const std::string& path);

}  // namespace zv
