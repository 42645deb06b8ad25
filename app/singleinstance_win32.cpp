#include "app/singleinstance_win32.h"

#include "app/tzorvanemaindialog.h"
#include "toolkit/tapplication.h"

namespace zv {

namespace {
HANDLE InstanceMutex = nullptr;
}

HWND FindRunningMainWindow() { return FindWindowA("tzorvanemaindialog", "zorvanemaindialog"); }

bool SendShowMenuRequest(HWND main, HWND sender, UINT timeoutMs) {
  COPYDATASTRUCT request = {};
  request.dwData = ShowMenuRequestId;
  DWORD_PTR answer = 0;
  // A hung copy must not hold every later start with it.
  return SendMessageTimeoutA(main, WM_COPYDATA, reinterpret_cast<WPARAM>(sender),
                             reinterpret_cast<LPARAM>(&request), SMTO_ABORTIFHUNG, timeoutMs,
                             &answer) != 0;
}

void ReleaseInstanceMutex() {
  if (InstanceMutex) {
    ReleaseMutex(InstanceMutex);
    InstanceMutex = nullptr;
  }
}

void EnsureSingleInstance() {
  InstanceMutex = CreateMutexA(nullptr, TRUE, InstanceMutexName);
  if (GetLastError() != ERROR_ALREADY_EXISTS) return;
  if (HWND main = FindRunningMainWindow()) {
    // This process was started by the user and may hand the foreground on;
    // the running copy takes it when its menu pops up. A process not in the
    // foreground could not take it for the copy.
    DWORD copy = 0;
    if (GetWindowThreadProcessId(main, &copy) && copy) AllowSetForegroundWindow(copy);
    SendShowMenuRequest(main, Application().Handle(), ShowMenuRequestTimeoutMs);
  }
  ReleaseInstanceMutex();
  ExitProcess(0);
}

}  // namespace zv
