#include "app/shortcutmenupopup_win32.h"

#include "ui/menuchar_win32.h"

namespace zv {

tmenuchoice tshortcutmenupopup::Popup(HWND owner, bool highlightFirst) {
  tmenuchoice choice;
  POINT p = {};
  if (!GetCursorPos(&p)) return choice;
  // The menu's own loop takes this key first: Enter and the arrows then work
  // at once.
  if (highlightFirst) PostMessageA(owner, WM_KEYDOWN, VK_DOWN, 0);
  const tmenuentry* chosen = nullptr;
  open_ = true;
  {
    tmenuenterhook enter(menu_);
    chosen = menu_.Popup(owner, p.x, p.y);
    if (!chosen) chosen = enter.Chosen();
  }
  open_ = false;
  if (!chosen) return choice;
  choice.Index = chosen->Tag;
  // The keys as they were with the message that made the choice.
  choice.Ctrl = GetKeyState(VK_CONTROL) < 0;
  choice.Shift = GetKeyState(VK_SHIFT) < 0;
  return choice;
}

bool tshortcutmenupopup::HandleMessage(HWND owner, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_MENUCHAR) return AnswerMenuChar(menu_, owner, wp, lp, result);
  if (msg != MenuCharSelectMessage) return false;
  // A request still queued when the menu has closed is stale.
  if (open_) EnsureMenuHighlight(menu_, owner, reinterpret_cast<HMENU>(lp), static_cast<int>(wp));
  result = 0;
  return true;
}

}  // namespace zv
