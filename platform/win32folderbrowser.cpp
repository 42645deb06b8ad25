#include "platform/win32folderbrowser.h"

#include <objbase.h>
#include <shlobj.h>

namespace zv {

bool BrowseForFolder(HWND owner, const std::string& prompt, std::string& folder) {
  // The browser needs COM on this thread; balance whatever this call began.
  const HRESULT com = CoInitialize(nullptr);
  char display[MAX_PATH] = {};
  BROWSEINFOA info = {};
  info.hwndOwner = owner;
  info.pidlRoot = nullptr;  // the desktop
  info.pszDisplayName = display;
  info.lpszTitle = prompt.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  bool chosen = false;
  if (LPITEMIDLIST list = SHBrowseForFolderA(&info)) {
    char path[MAX_PATH] = {};
    if (SHGetPathFromIDListA(list, path)) {
      folder = path;
      chosen = true;
    }
    CoTaskMemFree(list);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return chosen;
}

}  // namespace zv
