#include "components/trayownerhook_win32.h"

#include <algorithm>
#include <vector>

#include "components/tcooltrayicon.h"

namespace zv {

namespace {

// A plain table, not a window property or the common controls' subclassing:
// the hook sees every message of its owner, and under Wine each property
// lookup is a round trip to the server (three per message with the common
// controls, a tenth of a second for a 500-item menu).
struct thookedowner {
  HWND Window;
  WNDPROC Previous;
  std::vector<TCoolTrayIcon*> Icons;
};

// Owners are few (one in this program) and live on the thread of their
// windows.
std::vector<thookedowner>& Owners() {
  static auto* owners = new std::vector<thookedowner>;
  return *owners;
}

thookedowner* Find(HWND window) {
  for (thookedowner& o : Owners())
    if (o.Window == window) return &o;
  return nullptr;
}

void Forget(HWND window) {
  auto& owners = Owners();
  owners.erase(std::remove_if(owners.begin(), owners.end(),
                              [window](const thookedowner& o) { return o.Window == window; }),
               owners.end());
}

LRESULT CALLBACK OwnerProcedure(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  const thookedowner* owner = Find(wnd);
  if (!owner) return DefWindowProcA(wnd, msg, wp, lp);
  const WNDPROC previous = owner->Previous;
  if (msg == WM_NCDESTROY) {
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(wnd, GWLP_WNDPROC)) == OwnerProcedure)
      SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    Forget(wnd);
  } else {
    // Looked up again for each icon: one may hook or unhook meanwhile.
    for (std::size_t k = 0;; ++k) {
      const thookedowner* o = Find(wnd);
      if (!o || k >= o->Icons.size()) break;
      o->Icons[k]->OwnerMessage(msg, wp, lp);
    }
  }
  return CallWindowProcA(previous, wnd, msg, wp, lp);
}

}  // namespace

void HookTrayOwner(HWND owner, TCoolTrayIcon& icon) {
  if (thookedowner* o = Find(owner)) {
    o->Icons.push_back(&icon);
    return;
  }
  const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(owner, GWLP_WNDPROC));
  if (!previous) return;
  Owners().push_back({owner, previous, {&icon}});
  if (!SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OwnerProcedure))) Forget(owner);
}

void UnhookTrayOwner(HWND owner, TCoolTrayIcon& icon) {
  thookedowner* o = Find(owner);
  if (!o) return;
  auto& icons = o->Icons;
  icons.erase(std::remove(icons.begin(), icons.end(), &icon), icons.end());
  if (!icons.empty()) return;
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(owner, GWLP_WNDPROC)) != OwnerProcedure) return;
  SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(o->Previous));
  Forget(owner);
}

WNDPROC HookedTrayOwnerProcedure(HWND owner) {
  const thookedowner* o = Find(owner);
  return o ? OwnerProcedure : nullptr;
}

}  // namespace zv
