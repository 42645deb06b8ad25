#pragma once
// The shortcut menu's icons: what the cache knows goes into the menu at
// once, the rest is looked up in the background once the tray is active and
// taken into the menu as it arrives; an open menu is repainted then.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "components/iconlookupqueue.h"
#include "editor/backgroundicons.h"
#include "ui/tpopupmenu.h"

namespace zv {

class tshortcutmenuicons : public tbackgroundicons {
 public:
  // Arrivals are reported to owner, whose window procedure hands them to
  // HandleMessage.
  tshortcutmenuicons(HWND owner, tpopupmenu& menu);
  ~tshortcutmenuicons();

  // The index of a shortcut's path as written (-1 while it is looked up).
  std::int32_t IndexOf(const std::string& path);
  void Start() { queue_.Start(); }
  // True when msg was the report of arrivals; list is what the menu shows.
  bool HandleMessage(UINT msg, const tzvshortcutlist* list);
  // Gives the menu's items the icons known by now; true when any changed.
  bool TakeKnown(const tzvshortcutlist* list);
  // For the editor; the lookups begin at once if they had not.
  bool LookedUpLater(const std::string& path) override;

 private:
  tpopupmenu& menu_;
  ticonlookupqueue queue_;
};

}  // namespace zv
