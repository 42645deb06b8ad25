#include "toolkit/tapplication.h"

#include "platform/win32appidentity.h"

namespace zv {

tapplication& Application() {
  static tapplication app;
  return app;
}

LRESULT tapplication::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  // Closing the application window is not how the program ends: the main
  // window's Exit is.
  if (msg == WM_CLOSE) return 0;
  return Default(msg, wp, lp);
}

bool tapplication::Initialize() {
  if (Handle()) return true;
  if (!RegisterWindowClass(WindowClass, 0, nullptr, LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1))))
    return false;
  return Create(WindowClass, Title().c_str(),
                WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, WS_EX_TOOLWINDOW, 0, 0, 0, 0);
}

std::string FirstCommandLineArgument() {
  return (__argc > 1 && __argv) ? std::string(__argv[1]) : std::string();
}

std::string tapplication::Title() const { return ProcessIdentity().ApplicationTitle(); }

void tapplication::SetTitle(const std::string& title) {
  ProcessIdentity().SetApplicationTitle(title);
  if (Handle()) SetWindowTextA(Handle(), title.c_str());
}

int tapplication::Run() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}

}  // namespace zv
