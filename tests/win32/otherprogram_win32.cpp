#include "otherprogram.h"

namespace {

constexpr UINT holdMessage = WM_APP + 1;
constexpr const char* holderClass = "ZorvaneTestHotkeyHolder";
constexpr const char* testClass = "ZorvaneTestHotkeyWindow";

void RegisterClassOnce(const char* name, WNDPROC proc) {
  WNDCLASSA wc = {};
  if (GetClassInfoA(GetModuleHandleA(nullptr), name, &wc)) return;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

}  // namespace

totherprogram::totherprogram() {
  RegisterClassOnce(holderClass, WindowProc);
  ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
  WaitForSingleObject(ready_, 10000);
}

totherprogram::~totherprogram() {
  // Destroying the window on its own thread releases everything it holds.
  if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
  if (thread_) {
    WaitForSingleObject(thread_, 10000);
    CloseHandle(thread_);
  }
  if (ready_) CloseHandle(ready_);
}

bool totherprogram::Hold(std::uint32_t modifiers, std::uint32_t virtualKey) {
  if (!window_) return false;
  return SendMessageA(window_, holdMessage, modifiers, virtualKey) != 0;
}

DWORD WINAPI totherprogram::Run(void* param) {
  auto* self = static_cast<totherprogram*>(param);
  self->window_ = CreateWindowExA(0, holderClass, "other program", WS_OVERLAPPED, 0, 0, 10, 10,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SetEvent(self->ready_);
  if (!self->window_) return 1;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}

LRESULT CALLBACK totherprogram::WindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  static int nextId = 1;  // only ever touched on holder threads, one at a time
  switch (msg) {
    case holdMessage:
      return RegisterHotKey(wnd, nextId++, static_cast<UINT>(wp), static_cast<UINT>(lp)) ? 1 : 0;
    case WM_CLOSE:
      for (int id = 1; id < nextId; ++id) UnregisterHotKey(wnd, id);
      DestroyWindow(wnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(wnd, msg, wp, lp);
  }
}

ttestwindow::ttestwindow() {
  RegisterClassOnce(testClass, DefWindowProcA);
  window_ = CreateWindowExA(0, testClass, "hotkey test", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
}

ttestwindow::~ttestwindow() {
  if (window_) DestroyWindow(window_);
}
