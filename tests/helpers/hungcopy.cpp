// A running copy that has hung: it holds the instance mutex and shows the
// running program's two windows, then never reads a message again. Ends
// after the number of seconds in its first argument (default 60).
#include <windows.h>

#include <cstdlib>
#include <initializer_list>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const DWORD seconds = __argc > 1 ? static_cast<DWORD>(std::strtoul(__argv[1], nullptr, 10)) : 60;
  HANDLE mutex = CreateMutexA(nullptr, TRUE, "ZorvaneMutex");
  if (!mutex || GetLastError() == ERROR_ALREADY_EXISTS) return 1;
  for (const char* cls : {"TApplication", "tzorvanemaindialog"}) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.lpszClassName = cls;
    RegisterClassA(&wc);
  }
  CreateWindowExA(0, "TApplication", "Zorvane", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                  nullptr);
  CreateWindowExA(0, "tzorvanemaindialog", "zorvanemaindialog", WS_POPUP, 0, 0, 0, 0, nullptr,
                  nullptr, instance, nullptr);
  Sleep(seconds * 1000);
  return 0;
}
