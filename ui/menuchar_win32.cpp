#include "ui/menuchar_win32.h"

#include "core/codepage.h"
#include "platform/runningunderwine.h"
#include "ui/menuchar.h"

namespace zv {

namespace {

// The rules of the process code page, which the menu's ANSI texts are in.
const tcharrules& CodePageRules() {
  static const tcharrules rules = [] {
    tcharrules r;
    // In UTF-8 a byte above 127 is part of a character, never one: only
    // ASCII letters and digits choose there.
    r.IsLetterOrDigit = [](char c) {
      if (ProcessCodePage().IsUtf8() && static_cast<unsigned char>(c) >= 0x80) return false;
      return IsCharAlphaNumericA(c) != FALSE;
    };
    r.Lower = [](char c) {
      const auto lowered = reinterpret_cast<ULONG_PTR>(
          CharLowerA(reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(static_cast<unsigned char>(c)))));
      return static_cast<char>(lowered & 0xFF);
    };
    return r;
  }();
  return rules;
}

// The hook of the menu open now; menus nest only through a hook's own
// thread, so one per thread.
thread_local tmenuenterhook* currentHook = nullptr;

}  // namespace

tmenuenterhook::tmenuenterhook(const tpopupmenu& menu)
    : menu_(menu),
      hook_(SetWindowsHookExA(WH_MSGFILTER, Filter, nullptr, GetCurrentThreadId())),
      outer_(currentHook) {
  currentHook = this;
}

tmenuenterhook::~tmenuenterhook() {
  currentHook = outer_;
  if (hook_) UnhookWindowsHookEx(hook_);
}

LRESULT CALLBACK tmenuenterhook::Filter(int code, WPARAM wp, LPARAM lp) {
  const auto* msg = reinterpret_cast<const MSG*>(lp);
  tmenuenterhook* self = currentHook;
  if (self && code == MSGF_MENU && msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN &&
      GetKeyState(VK_CONTROL) < 0) {
    const tmenuentry* e = self->menu_.Entry(HighlightedPosition(self->menu_));
    if (e && !e->Separator) {
      self->chosen_ = e;
      EndMenu();
      return TRUE;  // the menu never sees the key
    }
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

int HighlightedPosition(const tpopupmenu& menu) {
  for (int i = 0; i < menu.Count(); ++i)
    if (GetMenuState(menu.Handle(), static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) return i;
  return -1;
}

bool AnswerMenuChar(const tpopupmenu& menu, HWND owner, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (!menu.Handle() || reinterpret_cast<HMENU>(lp) != menu.Handle()) return false;
  std::vector<const tmenuentry*> items;
  for (int i = 0; i < menu.Count(); ++i) items.push_back(menu.Entry(i));
  const tmenucharanswer answer =
      MenuCharChoice(items, HighlightedPosition(menu), static_cast<char>(LOWORD(wp) & 0xFF), CodePageRules());
  result = 0;
  if (answer.Action == tmenucharaction::Execute) {
    result = MAKELRESULT(answer.Position, MNC_EXECUTE);
  } else if (answer.Action == tmenucharaction::Select) {
    result = MAKELRESULT(answer.Position, MNC_SELECT);
    // Wine knows only MNC_EXECUTE and MNC_CLOSE: there the highlight is
    // checked once the menu has acted on the answer. Windows honours
    // MNC_SELECT, and its HiliteMenuItem is meant for menu bars, so a check
    // there could leave two rows highlighted.
    if (RunningUnderWine()) PostMessageA(owner, MenuCharSelectMessage, static_cast<WPARAM>(answer.Position), 0);
  }
  return true;
}

void EnsureMenuHighlight(const tpopupmenu& menu, HWND owner, int position) {
  if (position < 0 || position >= menu.Count() || HighlightedPosition(menu) == position) return;
  HiliteMenuItem(owner, menu.Handle(), static_cast<UINT>(position), MF_BYPOSITION | MF_HILITE);
}

}  // namespace zv
