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
    // Only the innermost open menu highlights a command: the items that
    // opened it are groups.
    const tmenuentry* e = nullptr;
    for (HMENU m : self->menu_.Menus()) {
      const int at = HighlightedPosition(m);
      const tmenuentry* item = at >= 0 ? self->menu_.ItemsOf(m)->at(static_cast<size_t>(at)) : nullptr;
      if (item && !item->Separator && !item->Group && !item->Disabled) e = item;
    }
    if (e) {
      self->chosen_ = e;
      EndMenu();
      return TRUE;  // the menu never sees the key
    }
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

int HighlightedPosition(HMENU in) {
  const int count = GetMenuItemCount(in);
  for (int i = 0; i < count; ++i)
    if (GetMenuState(in, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) return i;
  return -1;
}

bool AnswerMenuChar(const tpopupmenu& menu, HWND owner, WPARAM wp, LPARAM lp, LRESULT& result) {
  HMENU in = reinterpret_cast<HMENU>(lp);
  const std::vector<const tmenuentry*>* items = menu.ItemsOf(in);
  if (!items) return false;
  const tmenucharanswer answer =
      MenuCharChoice(*items, HighlightedPosition(in), static_cast<char>(LOWORD(wp) & 0xFF), CodePageRules());
  result = 0;
  if (answer.Action == tmenucharaction::Execute) {
    result = MAKELRESULT(answer.Position, MNC_EXECUTE);
  } else if (answer.Action == tmenucharaction::Select) {
    result = MAKELRESULT(answer.Position, MNC_SELECT);
    // Wine knows only MNC_EXECUTE and MNC_CLOSE: there the highlight is
    // checked once the menu has acted on the answer. Windows honours
    // MNC_SELECT, and its HiliteMenuItem is meant for menu bars, so a check
    // there could leave two rows highlighted.
    if (RunningUnderWine())
      PostMessageA(owner, MenuCharSelectMessage, static_cast<WPARAM>(answer.Position), reinterpret_cast<LPARAM>(in));
  }
  return true;
}

void EnsureMenuHighlight(const tpopupmenu& menu, HWND owner, HMENU in, int position) {
  const std::vector<const tmenuentry*>* items = menu.ItemsOf(in);
  if (!items || position < 0 || static_cast<size_t>(position) >= items->size() || HighlightedPosition(in) == position)
    return;
  HiliteMenuItem(owner, in, static_cast<UINT>(position), MF_BYPOSITION | MF_HILITE);
}

}  // namespace zv
