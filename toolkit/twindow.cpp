#include "toolkit/twindow.h"

namespace zv {

twindow::~twindow() { Destroy(); }

bool twindow::RegisterWindowClass(const char* className, UINT style, HBRUSH background, HICON icon,
                                  HCURSOR cursor) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA existing = {};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, className, &existing)) return true;
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = cursor ? cursor : LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = background;
  wc.hIcon = icon;
  wc.hIconSm = icon;
  wc.lpszClassName = className;
  return RegisterClassExA(&wc) != 0;
}

bool twindow::Create(const char* className, const char* text, DWORD style, DWORD exStyle, int x,
                     int y, int width, int height, HWND parent, HMENU menu) {
  if (handle_) return false;
  return CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent, menu,
                         GetModuleHandleA(nullptr), this) != nullptr;
}

void twindow::Destroy() {
  if (handle_) DestroyWindow(handle_);
}

LRESULT twindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }

LRESULT CALLBACK twindow::WindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  twindow* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<twindow*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    if (self) {
      self->handle_ = wnd;
      SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
  } else {
    self = reinterpret_cast<twindow*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcA(wnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    LRESULT r = self->HandleMessage(msg, wp, lp);
    SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
    self->handle_ = nullptr;
    self->Destroyed();
    return r;
  }
  return self->HandleMessage(msg, wp, lp);
}

SIZE WindowSizeForClient(int w, int h, DWORD style, DWORD exStyle, bool hasMenu) {
  RECT r = {0, 0, w, h};
  AdjustWindowRectEx(&r, style, hasMenu ? TRUE : FALSE, exStyle);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

}  // namespace zv
