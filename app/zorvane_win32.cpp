// Program entry. Only the first command-line argument is looked at.
#include <windows.h>

#include <string>

#include "platform/win32appidentity.h"
#include "platform/win32registry.h"
#include "settings/settings.h"

namespace {

std::string FirstArgument() {
  // The runtime's own split of the ANSI command line.
  return (__argc > 1 && __argv) ? std::string(__argv[1]) : std::string();
}

LRESULT CALLBACK MainWindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CLOSE) {
    DestroyWindow(wnd);
    return 0;
  }
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(wnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const std::string arg = FirstArgument();
  if (arg == "/setautorun") {
    zv::tsettings& s = zv::Settings();
    zv::LoadSettings(s, zv::ProcessRegistry(), zv::ProcessIdentity());
    s.AutoLoad = true;
    zv::SaveSettings(s, zv::ProcessRegistry(), zv::ProcessIdentity());
    return 0;
  }
  if (arg == "/uninstall") return 0;

  zv::ProcessIdentity().SetApplicationTitle("Zorvane");
  WNDCLASSA wc = {};
  wc.lpfnWndProc = MainWindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = "tzorvanemaindialog";
  RegisterClassA(&wc);
  HWND main = CreateWindowExA(0, wc.lpszClassName, "zorvanemaindialog", WS_POPUP, 0, 0, 0, 0,
                              nullptr, nullptr, instance, nullptr);
  if (!main) return 0;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
