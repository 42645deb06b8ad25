#pragma once
// The system's icon picker (PickIconDlg), as the shell's own link
// properties use it.
#include <windows.h>

#include "core/iconlocation.h"

namespace zv {

// Opens on location (its %VARIABLES% expanded) and leaves the choice there;
// false when the user cancelled or the system has no picker. A choice in
// the file it opened on keeps the file as it was written.
bool PickIconLocation(HWND owner, ticonlocation& location);

}  // namespace zv
