#include "components/trayownerhook_win32.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "components/tcooltrayicon.h"
#include "toolkit/tsubclass.h"

namespace zv {

namespace {

// One hook per owner, the icons on it in the order they were hooked.
class thookedowner : public tsubclass {
 public:
  std::vector<TCoolTrayIcon*> Icons;

 protected:
  LRESULT SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void WindowDestroyed() override;
};

// Owners are few (one in this program) and live on the thread of their
// windows.
std::vector<std::unique_ptr<thookedowner>>& Owners() {
  static auto* owners = new std::vector<std::unique_ptr<thookedowner>>;
  return *owners;
}

thookedowner* Find(HWND window) {
  for (auto& o : Owners())
    if (o->Handle() == window) return o.get();
  return nullptr;
}

void Forget(const thookedowner* gone) {
  auto& owners = Owners();
  owners.erase(std::remove_if(owners.begin(), owners.end(), [gone](const auto& o) { return o.get() == gone; }),
               owners.end());
}

LRESULT thookedowner::SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) {
  // Kept: the hook may go with its last icon during the message.
  const HWND wnd = Handle();
  const WNDPROC previous = Previous();
  // Looked up again for each icon: one may hook or unhook meanwhile.
  for (std::size_t k = 0;; ++k) {
    const thookedowner* o = Find(wnd);
    if (!o || k >= o->Icons.size()) break;
    o->Icons[k]->OwnerMessage(msg, wp, lp);
  }
  return CallWindowProcA(previous, wnd, msg, wp, lp);
}

void thookedowner::WindowDestroyed() { Forget(this); }

}  // namespace

void HookTrayOwner(HWND owner, TCoolTrayIcon& icon) {
  if (thookedowner* o = Find(owner)) {
    o->Icons.push_back(&icon);
    return;
  }
  auto hook = std::make_unique<thookedowner>();
  if (!hook->Attach(owner)) return;
  hook->Icons.push_back(&icon);
  Owners().push_back(std::move(hook));
}

void UnhookTrayOwner(HWND owner, TCoolTrayIcon& icon) {
  thookedowner* o = owner ? Find(owner) : nullptr;
  if (!o) return;
  auto& icons = o->Icons;
  icons.erase(std::remove(icons.begin(), icons.end(), &icon), icons.end());
  if (icons.empty()) Forget(o);
}

WNDPROC HookedTrayOwnerProcedure(HWND owner) { return owner && Find(owner) ? tsubclass::Procedure() : nullptr; }

}  // namespace zv
