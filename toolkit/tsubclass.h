#pragma once
// The one way the program puts its own procedure in front of a window it
// did not make (a form's list box, the tray icon's owner): the object sees
// each message first and passes it on to the procedure it replaced.
#include <windows.h>

namespace zv {

class tsubclass {
 public:
  tsubclass() = default;
  virtual ~tsubclass() { Detach(); }
  tsubclass(const tsubclass&) = delete;
  tsubclass& operator=(const tsubclass&) = delete;

  // False when already attached, or when the window refuses.
  bool Attach(HWND window);
  // The window's procedure back, unless another has been put in front of
  // ours since: ours then stays behind it and only passes messages on.
  void Detach();
  HWND Handle() const { return window_; }
  // The procedure every subclass puts in front; for tests.
  static WNDPROC Procedure();

 protected:
  virtual LRESULT SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) { return Pass(msg, wp, lp); }
  // The replaced procedure, and the message passed on to it.
  WNDPROC Previous() const { return previous_; }
  LRESULT Pass(UINT msg, WPARAM wp, LPARAM lp);
  // After the window's WM_NCDESTROY, the handle already gone. The object
  // may be destroyed here.
  virtual void WindowDestroyed() {}

 private:
  static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND window_ = nullptr;
  WNDPROC previous_ = nullptr;
};

}  // namespace zv
