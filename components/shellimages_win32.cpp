#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "components/shellimages.h"
#include "platform/win32text.h"

namespace zv {

twin32shellimages& ProcessShellImages() {
  static twin32shellimages images;
  return images;
}

void* twin32shellimages::SystemList(TImageSize size) {
  SHFILEINFOA info = {};
  const UINT flags = SHGFI_SYSICONINDEX | (size == isSmall ? SHGFI_SMALLICON : 0);
  return reinterpret_cast<void*>(SHGetFileInfoA("", 0, &info, sizeof(info), flags));
}

bool twin32shellimages::ImageSizeOf(void* list, int& width, int& height) {
  return list && ImageList_GetIconSize(static_cast<HIMAGELIST>(list), &width, &height);
}

int twin32shellimages::ImageCount(void* list) {
  return list ? ImageList_GetImageCount(static_cast<HIMAGELIST>(list)) : 0;
}

bool twin32shellimages::PathExists(const std::string& path) {
  return !path.empty() && GetFileAttributesW(WideFromProcess(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool twin32shellimages::IconIndex(const std::string& path, unsigned flags, int& index) {
  SHFILEINFOW info = {};
  if (!SHGetFileInfoW(WideFromProcess(path).c_str(), 0, &info, sizeof(info), flags)) return false;
  index = info.iIcon;
  return true;
}

bool twin32shellimages::Draw(void* list, int index, void* dc, int x, int y, unsigned style) {
  return list && ImageList_Draw(static_cast<HIMAGELIST>(list), index, static_cast<HDC>(dc), x, y,
                                style);
}

void* twin32shellimages::GetIcon(void* list, int index, unsigned style) {
  return list ? ImageList_GetIcon(static_cast<HIMAGELIST>(list), index, style) : nullptr;
}

}  // namespace zv
