#pragma once
// Win32 layer of type to choose: answers WM_MENUCHAR for an owner-drawn
// menu, and highlights on request where the system ignores MNC_SELECT.
#include <windows.h>

#include "ui/tpopupmenu.h"

namespace zv {

// Posted to the menu's owner after a select answer, under Wine only; its
// wParam is the position, its lParam the (sub)menu. The owner passes them to
// EnsureMenuHighlight.
inline constexpr UINT MenuCharSelectMessage = WM_APP + 0x31;

// The item of in (the top level or a submenu) under the keyboard
// highlight, or -1.
int HighlightedPosition(HMENU in);

// The result for WM_MENUCHAR (wp, lp) when lp is one of menu's handles, the
// top level or a submenu: execute or select by the typed character, 0
// (ignore) for a key that selects nothing. False when the message is for
// another menu.
bool AnswerMenuChar(const tpopupmenu& menu, HWND owner, WPARAM wp, LPARAM lp, LRESULT& result);

// Highlights the item at position of in, one of menu's, unless it is
// highlighted already.
void EnsureMenuHighlight(const tpopupmenu& menu, HWND owner, HMENU in, int position);

// While it lives, Ctrl+Enter (Ctrl+Shift+Enter too) in menu chooses the
// highlighted entry as Enter does: some systems (Wine) make the key a line
// feed, which menus ignore.
class tmenuenterhook {
 public:
  explicit tmenuenterhook(const tpopupmenu& menu);
  ~tmenuenterhook();
  tmenuenterhook(const tmenuenterhook&) = delete;
  tmenuenterhook& operator=(const tmenuenterhook&) = delete;

  // The entry Ctrl+Enter chose (the menu then ends choosing nothing itself);
  // null when it was not pressed.
  const tmenuentry* Chosen() const { return chosen_; }

 private:
  static LRESULT CALLBACK Filter(int code, WPARAM wp, LPARAM lp);
  const tpopupmenu& menu_;
  const tmenuentry* chosen_ = nullptr;
  HHOOK hook_;
  tmenuenterhook* outer_;
};

}  // namespace zv
