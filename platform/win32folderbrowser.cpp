#include "platform/win32folderbrowser.h"

#include <objbase.h>
#include <shlobj.h>

#include <vector>

#include "platform/win32shell.h"
#include "platform/win32text.h"

namespace zv {

namespace {

// The folder's path however long: SHGetNameFromIDList where the system has
// it; before that the path cannot exceed MAX_PATH characters.
bool PathOfList(LPCITEMIDLIST list, std::wstring& path) {
  typedef HRESULT(WINAPI * namefn)(LPCITEMIDLIST, int, PWSTR*);
  const int sigdnFileSysPath = static_cast<int>(0x80058000);
  const namefn name = reinterpret_cast<namefn>(ShellFunction({"SHGetNameFromIDList"}));
  if (name) {
    PWSTR text = nullptr;
    if (FAILED(name(list, sigdnFileSysPath, &text)) || !text) return false;
    path = text;
    CoTaskMemFree(text);
    return !path.empty();
  }
  std::vector<wchar_t> buffer(MAX_PATH + 1, L'\0');
  if (!SHGetPathFromIDListW(list, buffer.data())) return false;
  path = buffer.data();
  return !path.empty();
}

}  // namespace

bool FolderOfItemList(LPCITEMIDLIST list, std::string& folder) {
  std::wstring path;
  // A folder whose name the process code page cannot hold is no choice: a
  // name with stand-ins would be another folder.
  return PathOfList(list, path) && ProcessFromWide(path, folder);
}

bool BrowseForFolder(HWND owner, const std::string& prompt, std::string& folder) {
  // The browser needs COM on this thread; balance whatever this call began.
  const HRESULT com = CoInitialize(nullptr);
  std::vector<wchar_t> display(MAX_PATH + 1, L'\0');  // the folder's own name; not used
  const std::wstring title = WideFromProcess(prompt);
  BROWSEINFOW info = {};
  info.hwndOwner = owner;
  info.pidlRoot = nullptr;  // the desktop
  info.pszDisplayName = display.data();
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  bool chosen = false;
  if (LPITEMIDLIST list = SHBrowseForFolderW(&info)) {
    std::string text;
    if (FolderOfItemList(list, text)) {
      folder = text;
      chosen = true;
    }
    CoTaskMemFree(list);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return chosen;
}

}  // namespace zv
