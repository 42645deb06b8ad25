#include "components/systemimagelist.h"

#include <vector>

#include "components/systemiconsize.h"
#include "core/iconlocation.h"
#include "core/url.h"

namespace zv {

TdfsSystemImageList::TdfsSystemImageList(tshellimages& shell) : shell_(shell) {
  AttachSystemList();
}

void TdfsSystemImageList::SetImageSize(TImageSize size) {
  if (size == imageSize_) return;
  imageSize_ = size;
  AttachSystemList();
}

void TdfsSystemImageList::SetDpi(int dpi) {
  if (dpi == dpi_) return;
  dpi_ = dpi;
  AttachSystemList();
}

void TdfsSystemImageList::AttachSystemList() {
  handle_ = shell_.SystemList(imageSize_);
  width_ = height_ = 0;
  sized_ = false;
  if (handle_ && !shell_.ImageSizeOf(handle_, width_, height_)) width_ = height_ = 0;
  const int wanted = dpi_ > 0 ? shell_.IconSizeForDpi(imageSize_, dpi_) : 0;
  if (wanted <= 0 || (width_ == wanted && height_ == wanted)) return;
  // Every list of the shell holds the same images under the same indexes.
  void* lists[] = {handle_, shell_.SystemList(imageSize_ == isLarge ? isSmall : isLarge),
                   shell_.ExtraLargeList()};
  std::vector<int> sizes;
  for (void* list : lists) {
    int w = 0, h = 0;
    sizes.push_back(list && shell_.ImageSizeOf(list, w, h) && w == h ? w : 0);
  }
  const int chosen = ChooseSystemList(wanted, sizes);
  if (chosen < 0) return;
  handle_ = lists[chosen];
  width_ = height_ = wanted;
  sized_ = sizes[static_cast<std::size_t>(chosen)] != wanted;
}

int TdfsSystemImageList::Count() const { return handle_ ? shell_.ImageCount(handle_) : 0; }

int TdfsSystemImageList::GetFileIconIndex(const std::string& path) const {
  return FileIconIndexOf(shell_, path);
}

namespace {

constexpr int Fallback = TdfsSystemImageList::FallbackIconIndex;

// The icon named by a location text, loaded into the system lists; -1 when
// it cannot be.
int LocationIndex(tshellimages& shell, const std::string& text) {
  ticonlocation location;
  int index = -1;
  if (!ParseIconLocation(text, location) || !shell.PathExists(location.File) ||
      !shell.CachedIconIndex(location.File, location.Index, index))
    return -1;
  return index;
}

// A link shows the icon its scheme's handler registers, else the icon of
// the program that handles it, else the program's own link icon.
int LinkIndex(tshellimages& shell, const std::string& url) {
  std::string defaultIcon, command;
  shell.SchemeHandler(std::string(UrlScheme(url)), defaultIcon, command);
  int index = LocationIndex(shell, defaultIcon);
  if (index >= 0) return index;
  const std::string program = ProgramOfCommand(command);
  if (!program.empty() && shell.PathExists(program) && shell.IconIndex(program, shgfiSysIconIndex, index) &&
      index >= 0)
    return index;
  index = shell.LinkIconIndex();
  return index >= 0 ? index : Fallback;
}

int PathIndex(tshellimages& shell, const std::string& path) {
  if (IsUrl(path)) return LinkIndex(shell, path);
  // A missing path still gets the icon its name (extension) stands for.
  const unsigned flags =
      shell.PathExists(path) ? shgfiSysIconIndex : shgfiSysIconIndex | shgfiUseFileAttributes;
  int index = Fallback;
  if (!shell.IconIndex(path, flags, index) || index < 0) return Fallback;
  return index;
}

}  // namespace

int FileIconIndexOf(tshellimages& shell, const std::string& source) {
  std::string icon, path;
  if (!SplitIconSource(source, icon, path)) return PathIndex(shell, source);
  const int index = LocationIndex(shell, icon);
  if (index >= 0) return index;
  if (!path.empty()) return PathIndex(shell, path);
  // A group's own icon failed: its folder.
  const int folder = shell.FolderIconIndex();
  return folder >= 0 ? folder : Fallback;
}

bool TdfsSystemImageList::Draw(void* dc, int x, int y, int index) const {
  const unsigned style = Transparent ? ildTransparent : ildNormal;
  if (!handle_) return false;
  return sized_ ? shell_.DrawSized(handle_, index, dc, x, y, width_, style)
                : shell_.Draw(handle_, index, dc, x, y, style);
}

void* TdfsSystemImageList::GetIcon(int index) const {
  return handle_ ? shell_.GetIcon(handle_, index, Transparent ? ildTransparent : ildNormal) : nullptr;
}

}  // namespace zv
