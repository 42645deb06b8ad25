#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "components/shellimages.h"
#include "platform/win32text.h"
#include "toolkit/dpi.h"

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

void* twin32shellimages::ExtraLargeList() {
  // Looked up at run time: older systems export it by ordinal only.
  using getimagelist = HRESULT(WINAPI*)(int, REFIID, void**);
  static const getimagelist get = [] {
    HMODULE shell = GetModuleHandleA("shell32.dll");
    if (!shell) shell = LoadLibraryA("shell32.dll");
    if (!shell) return getimagelist(nullptr);
    FARPROC f = GetProcAddress(shell, "SHGetImageList");
    if (!f) f = GetProcAddress(shell, MAKEINTRESOURCEA(727));
    return reinterpret_cast<getimagelist>(reinterpret_cast<void*>(f));
  }();
  // IImageList; its pointer is the list's handle.
  static const GUID imageList = {0x46eb5926, 0x582e, 0x4017,
                                 {0x9f, 0xdf, 0xe8, 0x99, 0x8d, 0xaa, 0x09, 0x50}};
  // Not the jumbo list: an icon without an image that large sits small in
  // a corner of it.
  const int extraLarge = 2;  // SHIL_EXTRALARGE
  // The shell's for the whole run: asked once.
  static void* const list = [] {
    void* l = nullptr;
    return get && SUCCEEDED(get(extraLarge, imageList, &l)) ? l : nullptr;
  }();
  return list;
}

int twin32shellimages::IconSizeForDpi(TImageSize size, int dpi) {
  return SystemMetricForDpi(size == isSmall ? SM_CXSMICON : SM_CXICON, dpi);
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

int twin32shellimages::FolderIconIndex() {
  // Any name does: with these flags the shell asks no disk, only the
  // attributes given.
  SHFILEINFOW info = {};
  if (!SHGetFileInfoW(L"folder", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof(info),
                      SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES))
    return -1;
  return info.iIcon;
}

bool twin32shellimages::Draw(void* list, int index, void* dc, int x, int y, unsigned style) {
  return list && ImageList_Draw(static_cast<HIMAGELIST>(list), index, static_cast<HDC>(dc), x, y,
                                style);
}

bool twin32shellimages::DrawSized(void* list, int index, void* dc, int x, int y, int size,
                                  unsigned style) {
  HICON icon = static_cast<HICON>(GetIcon(list, index, style));
  if (!icon) return false;
  const bool drawn =
      DrawIconEx(static_cast<HDC>(dc), x, y, icon, size, size, 0, nullptr, DI_NORMAL) != FALSE;
  DestroyIcon(icon);
  return drawn;
}

void* twin32shellimages::GetIcon(void* list, int index, unsigned style) {
  return list ? ImageList_GetIcon(static_cast<HIMAGELIST>(list), index, style) : nullptr;
}

}  // namespace zv
