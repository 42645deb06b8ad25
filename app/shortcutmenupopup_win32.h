#pragma once
// The shortcut menu popped up for the main window, with what the keyboard
// adds to it: the first entry highlighted when the menu is called up by a
// key, type to choose, and Ctrl+Enter choosing as Enter does.
#include <windows.h>

#include "app/tzorvanemaindialog.h"
#include "ui/tpopupmenu.h"

namespace zv {

class tshortcutmenupopup {
 public:
  explicit tshortcutmenupopup(const tpopupmenu& menu) : menu_(menu) {}

  // At the cursor; the choice carries Ctrl and Shift as they were with it.
  tmenuchoice Popup(HWND owner, bool highlightFirst);
  // The owner's messages about the open menu; true when answered (result).
  bool HandleMessage(HWND owner, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

 private:
  const tpopupmenu& menu_;
  bool open_ = false;
};

}  // namespace zv
