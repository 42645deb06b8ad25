#pragma once
// The shell's folder browser: file-system folders under the desktop.
#include <windows.h>
#include <shlobj.h>

#include <string>

namespace zv {

// The file-system path of a shell item, however long; false when it has
// none or the process code page cannot hold it.
bool FolderOfItemList(LPCITEMIDLIST list, std::string& folder);

// False when the user cancelled; folder holds the choice otherwise.
bool BrowseForFolder(HWND owner, const std::string& prompt, std::string& folder);

}  // namespace zv
