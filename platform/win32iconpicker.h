#pragma once
// The system's icon picker (PickIconDlg), as the shell's own link
// properties use it.
#include <windows.h>

#include "core/iconlocation.h"

namespace zv {

enum class ticonpick { Chosen, Cancelled, Unavailable };

// Opens on location (its %VARIABLES% expanded) and leaves a choice there. A
// choice in the file it opened on keeps the file as it was written.
// Unavailable where the system has no picker (Wine has only a stub of it).
ticonpick PickIconLocation(HWND owner, ticonlocation& location);

}  // namespace zv
