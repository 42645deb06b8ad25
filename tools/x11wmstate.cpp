// Keeps ICCCM's WM_STATE on the top-level windows of a bare X server, the
// one duty of a window manager that Wine waits for: before hiding a window
// it waits up to 2 s for the window to leave the withdrawn state, so on an
// X server without a window manager every hidden dialog costs 2 s. Nothing
// else a window manager does (frames, focus, placement) is done here.
// Runs until the X server goes away.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

int IgnoreError(Display*, XErrorEvent*) { return 0; }  // the window went away

void SetState(Display* display, Atom wmState, Window window, long state) {
  long value[2] = {state, None};
  XChangeProperty(display, window, wmState, wmState, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(value), 2);
  XFlush(display);
}

}  // namespace

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 1;
  XSetErrorHandler(IgnoreError);
  const Window root = DefaultRootWindow(display);
  const Atom wmState = XInternAtom(display, "WM_STATE", False);
  XSelectInput(display, root, SubstructureNotifyMask);
  XFlush(display);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);  // exits through the I/O error handler
    if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect)
      SetState(display, wmState, event.xmap.window, NormalState);
    else if (event.type == UnmapNotify && event.xunmap.event == root)
      SetState(display, wmState, event.xunmap.window, WithdrawnState);
  }
}
