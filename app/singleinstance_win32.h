#pragma once
// One running copy per user: the named mutex, and the request a second
// start sends to the running copy before it ends.
#include <windows.h>

namespace zv {

inline constexpr const char* InstanceMutexName = "ZorvaneMutex";

// Returns only in the first instance; a second one asks the running copy to
// pop up its menu and ends the process (exit code 0).
void EnsureSingleInstance();
void ReleaseInstanceMutex();
HWND FindRunningApplicationWindow();
HWND FindRunningMainWindow();

}  // namespace zv
