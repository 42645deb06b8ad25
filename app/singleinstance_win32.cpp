#include "app/singleinstance_win32.h"

#include "app/tzorvanemaindialog.h"
#include "platform/win32text.h"
#include "toolkit/tapplication.h"

namespace zv {

namespace {
HANDLE InstanceMutex = nullptr;
}

HWND FindRunningApplicationWindow() {
  const std::string title = Application().Title();
  HWND own = Application().Handle();
  HWND found = nullptr;
  // Window texts compare without regard to case, so "ZORVANE.EXE" finds the
  // copy titled "Zorvane".
  while ((found = FindWindowExA(nullptr, found, tapplication::WindowClass, nullptr)) != nullptr) {
    if (found == own) continue;
    if (lstrcmpiA(WindowText(found).c_str(), title.c_str()) == 0) return found;
  }
  return nullptr;
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
  if (HWND app = FindRunningApplicationWindow()) {
    SetForegroundWindow(app);
    if (HWND main = FindRunningMainWindow())
      SendShowMenuRequest(main, Application().Handle(), ShowMenuRequestTimeoutMs);
  }
  ReleaseInstanceMutex();
  ExitProcess(0);
}

}  // namespace zv
