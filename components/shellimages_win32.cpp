#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cwchar>

#include "components/shellimages.h"
#include "platform/win32shell.h"
#include "platform/win32text.h"
#include "resources/resource.h"
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
  static const getimagelist get = reinterpret_cast<getimagelist>(ShellFunction({"SHGetImageList"}, 727));
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

bool twin32shellimages::CachedIconIndex(const std::string& file, int index, int& out) {
  // Looked up at run time: the import libraries do not all name it. The
  // unnamed form (ordinal 72) takes the same wide text on every NT system,
  // and Wine exports only that one.
  using cachedindex = int(WINAPI*)(PCWSTR, int, UINT);
  static const cachedindex get = reinterpret_cast<cachedindex>(
      ShellFunction({"Shell_GetCachedImageIndexW", "Shell_GetCachedImageIndex"}, 72));
  if (!get) return false;
  const int found = get(WideFromProcess(file).c_str(), index, 0);
  if (found < 0) return false;
  out = found;
  return true;
}

namespace {

// The default value of a key below HKEY_CLASSES_ROOT, expanded; empty when
// it is missing or no text.
std::string ClassesText(const std::wstring& subkey) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, subkey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return {};
  DWORD type = 0, bytes = 0;
  std::wstring text;
  if (RegQueryValueExW(key, nullptr, nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ) && bytes > 0 && bytes <= 64 * 1024) {
    text.resize(bytes / sizeof(wchar_t) + 1);
    if (RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &bytes) !=
        ERROR_SUCCESS)
      bytes = 0;
    text.resize(std::min<std::size_t>(bytes / sizeof(wchar_t), text.size()));
    text.resize(wcsnlen(text.c_str(), text.size()));
  }
  RegCloseKey(key);
  if (text.empty()) return {};
  // Commands and icons of the shell's own classes name %SystemRoot% and
  // the like, also in plain texts.
  const DWORD needed = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
  std::wstring expanded(needed, L'\0');
  if (needed == 0 || ExpandEnvironmentStringsW(text.c_str(), expanded.data(), needed) == 0) expanded = text;
  expanded.resize(wcsnlen(expanded.c_str(), expanded.size()));
  std::string out;
  return ProcessFromWide(expanded, out) ? out : std::string();
}

}  // namespace

void twin32shellimages::SchemeHandler(const std::string& scheme, std::string& defaultIcon, std::string& command) {
  // A scheme is letters, digits, "+", "-" and "." only: never a path of keys.
  const std::wstring name = WideFromProcess(scheme);
  defaultIcon = name.empty() ? std::string() : ClassesText(name + L"\\DefaultIcon");
  command = name.empty() ? std::string() : ClassesText(name + L"\\shell\\open\\command");
}

int twin32shellimages::LinkIconIndex() {
  wchar_t self[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH + 1);
  std::string file;
  int index = -1;
  if (length == 0 || length > MAX_PATH || !ProcessFromWide(self, file)) return -1;
  // A negative index names the icon's resource.
  return CachedIconIndex(file, -IDI_WEBLINK, index) ? index : -1;
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
