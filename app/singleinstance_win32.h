#pragma once
// One running copy per user: the named mutex, and the request a second
// start sends to the running copy before it ends.
#include <windows.h>

namespace zv {

inline constexpr const char* InstanceMutexName = "ZorvaneMutex";
// How long a second start waits for the running copy to take its request.
inline constexpr UINT ShowMenuRequestTimeoutMs = 5000;

// Returns only in the first instance; a second one asks the running copy to
// pop up its menu and ends the process (exit code 0) once the copy has
// taken the request, which it answers at once.
void EnsureSingleInstance();
void ReleaseInstanceMutex();
HWND FindRunningMainWindow();
// Sends the show-menu request to main, waiting at most timeoutMs (less when
// the system already counts main as hung); true when main answered it.
bool SendShowMenuRequest(HWND main, HWND sender, UINT timeoutMs);

}  // namespace zv
