// Drops files on whatever X window lies under a point of the screen, the
// way a file manager does: an XDND source that owns XdndSelection, sends
// XdndEnter, XdndPosition and, once the target accepts, XdndDrop, and hands
// the files out as text/uri-list. A native Linux program (Xlib).
// Usage: xdnd_drop [--timeout MS] X Y PATH...   (root coordinates, Unix paths)
// Exit codes: 0 dropped and finished, 1 no X display or no XDND window at the
// point, 2 bad usage, 3 the target refused, 4 the target reported a failed
// drop, 5 timed out (the target stopped answering).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <sys/select.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr long OurVersion = 5;

struct atoms {
  Atom XdndAware, XdndSelection, XdndEnter, XdndPosition, XdndStatus, XdndDrop, XdndFinished, XdndLeave,
      XdndActionCopy, UriList, Targets;
};

atoms Intern(Display* d) {
  auto a = [d](const char* name) { return XInternAtom(d, name, False); };
  return {a("XdndAware"),    a("XdndSelection"), a("XdndEnter"),      a("XdndPosition"),
          a("XdndStatus"),   a("XdndDrop"),      a("XdndFinished"),   a("XdndLeave"),
          a("XdndActionCopy"), a("text/uri-list"), a("TARGETS")};
}

// file:// URI of a Unix path; everything outside the unreserved set and "/"
// is escaped, so blanks and bytes above 127 survive.
std::string FileUri(const std::string& path) {
  std::string uri = "file://";
  for (unsigned char c : path) {
    if (std::isalnum(c) || std::strchr("/-._~", c)) {
      uri.push_back(static_cast<char>(c));
    } else {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", c);
      uri += hex;
    }
  }
  return uri;
}

long AwareVersion(Display* d, Window w, Atom aware) {
  Atom type;
  int format;
  unsigned long count, rest;
  unsigned char* data = nullptr;
  long version = -1;
  if (XGetWindowProperty(d, w, aware, 0, 1, False, AnyPropertyType, &type, &format, &count, &rest,
                         &data) == Success &&
      data && count == 1 && format == 32)
    version = *reinterpret_cast<long*>(data);
  if (data) XFree(data);
  return version;
}

// The XDND-aware window under the point, searched from the root downwards as
// a drag source does; None when there is none.
Window TargetAt(Display* d, int x, int y, Atom aware, long* version) {
  const Window root = DefaultRootWindow(d);
  Window from = root, child = None;
  int cx, cy;
  if (!XTranslateCoordinates(d, root, root, x, y, &cx, &cy, &child)) return None;
  while (child != None) {
    const long v = AwareVersion(d, child, aware);
    if (v >= 0) {
      *version = v;
      return child;
    }
    from = child;
    Window next = None;
    if (!XTranslateCoordinates(d, root, from, x, y, &cx, &cy, &next)) return None;
    child = next;
  }
  return None;
}

void SendClient(Display* d, Window target, Atom type, long l0, long l1, long l2, long l3, long l4) {
  XEvent e;
  std::memset(&e, 0, sizeof e);
  e.xclient.type = ClientMessage;
  e.xclient.display = d;
  e.xclient.window = target;
  e.xclient.message_type = type;
  e.xclient.format = 32;
  e.xclient.data.l[0] = l0;
  e.xclient.data.l[1] = l1;
  e.xclient.data.l[2] = l2;
  e.xclient.data.l[3] = l3;
  e.xclient.data.l[4] = l4;
  XSendEvent(d, target, False, NoEventMask, &e);
  XFlush(d);
}

void AnswerSelection(Display* d, const XSelectionRequestEvent& req, const atoms& a,
                     const std::string& uris) {
  XEvent reply;
  std::memset(&reply, 0, sizeof reply);
  reply.xselection.type = SelectionNotify;
  reply.xselection.display = d;
  reply.xselection.requestor = req.requestor;
  reply.xselection.selection = req.selection;
  reply.xselection.target = req.target;
  reply.xselection.time = req.time;
  const Atom property = req.property != None ? req.property : req.target;
  reply.xselection.property = None;
  if (req.target == a.UriList) {
    XChangeProperty(d, req.requestor, property, a.UriList, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(uris.data()), static_cast<int>(uris.size()));
    reply.xselection.property = property;
  } else if (req.target == a.Targets) {
    const Atom list[] = {a.Targets, a.UriList};
    XChangeProperty(d, req.requestor, property, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(list), 2);
    reply.xselection.property = property;
  }
  XSendEvent(d, req.requestor, False, NoEventMask, &reply);
  XFlush(d);
}

}  // namespace

int main(int argc, char** argv) {
  long timeoutMs = 10000;
  int i = 1;
  if (i + 1 < argc && std::strcmp(argv[i], "--timeout") == 0) {
    timeoutMs = std::atol(argv[i + 1]);
    i += 2;
  }
  if (argc - i < 3) {
    std::fputs("usage: xdnd_drop [--timeout MS] X Y PATH...\n", stderr);
    return 2;
  }
  const int x = std::atoi(argv[i]), y = std::atoi(argv[i + 1]);
  std::string uris;
  for (int k = i + 2; k < argc; ++k) uris += FileUri(argv[k]) + "\r\n";

  Display* d = XOpenDisplay(nullptr);
  if (!d) {
    std::fputs("xdnd_drop: no X display\n", stderr);
    return 1;
  }
  const atoms a = Intern(d);
  long targetVersion = 0;
  const Window target = TargetAt(d, x, y, a.XdndAware, &targetVersion);
  if (target == None) {
    std::fprintf(stderr, "xdnd_drop: no XDND window at %d,%d\n", x, y);
    XCloseDisplay(d);
    return 1;
  }
  const long version = targetVersion < OurVersion ? targetVersion : OurVersion;
  const Window source = XCreateSimpleWindow(d, DefaultRootWindow(d), -10, -10, 1, 1, 0, 0, 0);
  XSetSelectionOwner(d, a.XdndSelection, source, CurrentTime);
  // The pointer goes where the drop happens, as in a real drag.
  XWarpPointer(d, None, DefaultRootWindow(d), 0, 0, 0, 0, x, y);
  SendClient(d, target, a.XdndEnter, static_cast<long>(source), version << 24, static_cast<long>(a.UriList),
             None, None);
  SendClient(d, target, a.XdndPosition, static_cast<long>(source), 0, (static_cast<long>(x) << 16) | (y & 0xFFFF),
             CurrentTime, static_cast<long>(a.XdndActionCopy));

  enum { waitingStatus, waitingFinished } phase = waitingStatus;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  int code = 5;
  for (bool done = false; !done;) {
    while (!done && XPending(d)) {
      XEvent e;
      XNextEvent(d, &e);
      if (e.type == SelectionRequest) {
        AnswerSelection(d, e.xselectionrequest, a, uris);
      } else if (e.type == ClientMessage && e.xclient.message_type == a.XdndStatus && phase == waitingStatus) {
        if (!(e.xclient.data.l[1] & 1)) {
          std::fputs("xdnd_drop: the target refused the drop\n", stderr);
          SendClient(d, target, a.XdndLeave, static_cast<long>(source), 0, 0, 0, 0);
          code = 3;
          done = true;
        } else {
          SendClient(d, target, a.XdndDrop, static_cast<long>(source), 0, CurrentTime, 0, 0);
          phase = waitingFinished;
        }
      } else if (e.type == ClientMessage && e.xclient.message_type == a.XdndFinished) {
        // Before version 5 the target says nothing about the outcome.
        const bool ok = version < 5 || (e.xclient.data.l[1] & 1);
        if (!ok) std::fputs("xdnd_drop: the target reported a failed drop\n", stderr);
        code = ok ? 0 : 4;
        done = true;
      }
    }
    if (done) break;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      std::fprintf(stderr, "xdnd_drop: no %s from the target in time\n",
                   phase == waitingStatus ? "XdndStatus" : "XdndFinished");
      if (phase == waitingStatus) SendClient(d, target, a.XdndLeave, static_cast<long>(source), 0, 0, 0, 0);
      break;
    }
    const int fd = ConnectionNumber(d);
    fd_set fds;
    FD_ZERO(&fds);
    FD_SET(fd, &fds);
    timeval tv = {static_cast<time_t>(left.count() / 1000), static_cast<suseconds_t>((left.count() % 1000) * 1000)};
    select(fd + 1, &fds, nullptr, nullptr, &tv);
  }
  XDestroyWindow(d, source);
  XCloseDisplay(d);
  return code;
}
