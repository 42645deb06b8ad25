#include "toolkit/tapplication.h"

#include "platform/win32appidentity.h"

namespace zv {

tapplication& Application() {
  static tapplication app;
  return app;
}

tapplication::~tapplication() {
  if (handle_ && IsWindow(handle_)) DestroyWindow(handle_);
}

LRESULT CALLBACK tapplication::WindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  // Closing the application window is not how the program ends: the main
  // window's Exit is.
  if (msg == WM_CLOSE) return 0;
  return DefWindowProcA(wnd, msg, wp, lp);
}

bool tapplication::Initialize() {
  if (handle_) return true;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc = {};
  if (!GetClassInfoA(instance, WindowClass, &wc)) {
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = WindowClass;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    if (!RegisterClassA(&wc)) return false;
  }
  const std::string title = Title();
  handle_ = CreateWindowExA(WS_EX_TOOLWINDOW, WindowClass, title.c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                            0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  return handle_ != nullptr;
}

std::string FirstCommandLineArgument() {
  return (__argc > 1 && __argv) ? std::string(__argv[1]) : std::string();
}

std::string tapplication::Title() const { return ProcessIdentity().ApplicationTitle(); }

void tapplication::SetTitle(const std::string& title) {
  ProcessIdentity().SetApplicationTitle(title);
  if (handle_) SetWindowTextA(handle_, title.c_str());
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
