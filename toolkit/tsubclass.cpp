#include "toolkit/tsubclass.h"

#include <algorithm>
#include <vector>

namespace zv {

namespace {

// A plain table, not a window property, the user data (the window's own
// code may use it) or the common controls' subclassing: a subclass sees
// every message, and under Wine each property lookup is a round trip to the
// server (three per message with the common controls; thousands when a long
// list is filled). Subclassed windows are few and live on one thread.
struct tentry {
  HWND Window;
  WNDPROC Previous;
  tsubclass* Object;  // null once detached behind another procedure
};

std::vector<tentry>& Entries() {
  static auto* entries = new std::vector<tentry>;
  return *entries;
}

tentry* Find(HWND window) {
  for (tentry& e : Entries())
    if (e.Window == window) return &e;
  return nullptr;
}

void Forget(HWND window) {
  auto& entries = Entries();
  entries.erase(std::remove_if(entries.begin(), entries.end(), [window](const tentry& e) { return e.Window == window; }),
                entries.end());
}

bool OursInFront(HWND window, WNDPROC ours) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) == ours;
}

}  // namespace

WNDPROC tsubclass::Procedure() { return Proc; }

bool tsubclass::Attach(HWND window) {
  if (!window || window_ || Find(window)) return false;
  const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
  if (!previous) return false;
  Entries().push_back({window, previous, this});
  if (!SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc))) {
    Forget(window);
    return false;
  }
  window_ = window;
  previous_ = previous;
  return true;
}

void tsubclass::Detach() {
  if (!window_) return;
  if (OursInFront(window_, Proc)) {
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    Forget(window_);
  } else if (tentry* e = Find(window_)) {
    e->Object = nullptr;
  }
  window_ = nullptr;
}

LRESULT tsubclass::Pass(UINT msg, WPARAM wp, LPARAM lp) {
  return CallWindowProcA(previous_, window_, msg, wp, lp);
}

LRESULT CALLBACK tsubclass::Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  const tentry* e = Find(wnd);
  if (!e) return DefWindowProcA(wnd, msg, wp, lp);
  const WNDPROC previous = e->Previous;
  tsubclass* self = e->Object;
  if (msg != WM_NCDESTROY) return self ? self->SubclassMessage(msg, wp, lp) : CallWindowProcA(previous, wnd, msg, wp, lp);
  if (OursInFront(wnd, Proc)) SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
  Forget(wnd);
  const LRESULT r = CallWindowProcA(previous, wnd, msg, wp, lp);
  if (self) {
    self->window_ = nullptr;
    self->WindowDestroyed();
  }
  return r;
}

}  // namespace zv
