#pragma once
// One running copy per user: the named mutex, and the request a second
// start sends to the running copy before it ends.
#include <windows.h>

namespace zv {

inline constexpr const char* InstanceMutexName = "ZorvaneMutex";
// How long a second start waits for the running copy to take its request.
inline constexpr UINT ShowMenuRequestTimeoutMs = 5000;

// Returns only in the first instance; a second one asks the running copy to
// pop up its menu and ends the process (exit code 0).
void EnsureSingleInstance();
void ReleaseInstanceMutex();
HWND FindRunningApplicationWindow();
HWND FindRunningMainWindow();
// Sends the show-menu request to main, waiting at most timeoutMs (less when
// the system already counts main as hung); true when main took it.
bool SendShowMenuRequest(HWND main, HWND sender, UINT timeoutMs);

}  // namespace zv
