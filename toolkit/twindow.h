#pragma once
// The window base every window of the program derives from: the object is
// bound to its HWND at WM_NCCREATE and unbound at WM_NCDESTROY, and one
// virtual handler sees every message in between.
#include <windows.h>

namespace zv {

class twindow {
 public:
  twindow() = default;
  virtual ~twindow();
  twindow(const twindow&) = delete;
  twindow& operator=(const twindow&) = delete;

  HWND Handle() const { return handle_; }
  // Registers the class once per process (same name, same procedure); the
  // one place the program registers window classes. No cursor: the arrow.
  static bool RegisterWindowClass(const char* className, UINT style = 0, HBRUSH background = nullptr,
                                  HICON icon = nullptr, HCURSOR cursor = nullptr);
  bool Create(const char* className, const char* text, DWORD style, DWORD exStyle, int x, int y,
              int width, int height, HWND parent = nullptr, HMENU menu = nullptr);
  void Destroy();

 protected:
  virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(handle_, msg, wp, lp); }
  // Called after WM_NCDESTROY, when the handle is already gone.
  virtual void Destroyed() {}

 private:
  static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND handle_ = nullptr;
};

// Client size w x h for the given styles, as a window size.
SIZE WindowSizeForClient(int w, int h, DWORD style, DWORD exStyle, bool hasMenu = false);

}  // namespace zv
