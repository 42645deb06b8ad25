#include "components/systemimagelist.h"

namespace zv {

TdfsSystemImageList::TdfsSystemImageList(tshellimages& shell) : shell_(shell) {
  AttachSystemList();
}

void TdfsSystemImageList::SetImageSize(TImageSize size) {
  if (size == imageSize_) return;
  imageSize_ = size;
  AttachSystemList();
}

void TdfsSystemImageList::AttachSystemList() {
  handle_ = shell_.SystemList(imageSize_);
  width_ = height_ = 0;
  if (handle_ && !shell_.ImageSizeOf(handle_, width_, height_)) width_ = height_ = 0;
}

int TdfsSystemImageList::Count() const { return handle_ ? shell_.ImageCount(handle_) : 0; }

int TdfsSystemImageList::GetFileIconIndex(const std::string& path) const {
  return FileIconIndexOf(shell_, path);
}

int FileIconIndexOf(tshellimages& shell, const std::string& path) {
  // A missing path still gets the icon its name (extension) stands for.
  const unsigned flags =
      shell.PathExists(path) ? shgfiSysIconIndex : shgfiSysIconIndex | shgfiUseFileAttributes;
  int index = TdfsSystemImageList::FallbackIconIndex;
  if (!shell.IconIndex(path, flags, index) || index < 0) return TdfsSystemImageList::FallbackIconIndex;
  return index;
}

bool TdfsSystemImageList::Draw(void* dc, int x, int y, int index) const {
  return handle_ && shell_.Draw(handle_, index, dc, x, y, Transparent ? ildTransparent : ildNormal);
}

void* TdfsSystemImageList::GetIcon(int index) const {
  return handle_ ? shell_.GetIcon(handle_, index, Transparent ? ildTransparent : ildNormal) : nullptr;
}

}  // namespace zv
