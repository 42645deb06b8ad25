#pragma once
// The shell's folder browser: file-system folders under the desktop.
#include <windows.h>

#include <string>

namespace zv {

// False when the user cancelled; folder holds the choice otherwise.
bool BrowseForFolder(HWND owner, const std::string& prompt, std::string& folder);

}  // namespace zv
