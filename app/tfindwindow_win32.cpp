#include "app/tfindwindow_win32.h"

#include <algorithm>

#include "components/shellimages.h"
#include "core/codepage.h"
#include "model/hotkeytext.h"
#include "platform/win32text.h"
#include "toolkit/colourmode.h"
#include "toolkit/tsubclass.h"

namespace zv {

namespace {

constexpr int ClientWidth = 440, ClientHeight = 300;
constexpr DWORD EditStyle = WS_TABSTOP | ES_AUTOHSCROLL;
// Drawn from the results; each row's string is only what screen readers
// read (LB_GETTEXT), as the system's accessibility exposes owner-drawn rows.
constexpr DWORD ListStyle = WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;

bool CtrlAndShiftDown() { return GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_SHIFT) < 0; }

}  // namespace

// The edit box's keys: the list's moves, Enter and Escape.
class tfindwindow::tkeys : public tsubclass {
 public:
  explicit tkeys(tfindwindow& window) : window_(window) {}

 protected:
  LRESULT SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_KEYDOWN) {
      switch (wp) {
        case VK_UP: window_.MoveSelection(tfindmove::Up); return 0;
        case VK_DOWN: window_.MoveSelection(tfindmove::Down); return 0;
        case VK_PRIOR: window_.MoveSelection(tfindmove::PageUp); return 0;
        case VK_NEXT: window_.MoveSelection(tfindmove::PageDown); return 0;
        case VK_RETURN: window_.StartSelected(CtrlAndShiftDown()); return 0;
        case VK_ESCAPE: window_.Hide(); return 0;
        default: break;
      }
    }
    // Their characters would only beep (Ctrl+Enter types a line feed).
    if (msg == WM_CHAR && (wp == '\r' || wp == '\n' || wp == 27)) return 0;
    return Pass(msg, wp, lp);
  }

 private:
  tfindwindow& window_;
};

// A click on a row starts it.
class tfindwindow::tclicks : public tsubclass {
 public:
  explicit tclicks(tfindwindow& window) : window_(window) {}

 protected:
  LRESULT SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg != WM_LBUTTONUP) return Pass(msg, wp, lp);
    const LRESULT answered = Pass(msg, wp, lp);
    const LRESULT hit = SendMessageA(Handle(), LB_ITEMFROMPOINT, 0, lp);
    const int row = LOWORD(hit);
    if (HIWORD(hit) == 0 && row < static_cast<int>(window_.results_.size()))
      window_.StartRow(row, CtrlAndShiftDown());
    else
      SetFocus(window_.edit_);  // typing goes on in the edit box
    return answered;
  }

 private:
  tfindwindow& window_;
};

tfindwindow::tfindwindow()
    : tform(FormClass, Caption, ClientWidth, ClientHeight), systemil_(ProcessShellImages()) {
  SetToolWindow();
}

tfindwindow::~tfindwindow() {
  // The subclasses go while their windows still live.
  keys_.reset();
  clicks_.reset();
}

void tfindwindow::BuildControls() {
  edit_ = AddControl(nullptr, "EDIT", "", EditStyle, WS_EX_CLIENTEDGE, 8, 8, ClientWidth - 16, 23);
  list_ = AddControl(nullptr, "LISTBOX", "", ListStyle, WS_EX_CLIENTEDGE, 8, 39, ClientWidth - 16,
                     ClientHeight - 47);
  keys_ = std::make_unique<tkeys>(*this);
  keys_->Attach(edit_);
  clicks_ = std::make_unique<tclicks>(*this);
  clicks_->Attach(list_);
  OnCommand(edit_, [this](int code) {
    if (code == EN_CHANGE && !filling_) Refill();
  });
  OnDrawItem(list_, [this](const DRAWITEMSTRUCT& item) { DrawRow(item); });
}

void tfindwindow::FormCreate() {
  ApplyFontFallback();
  systemil_.SetImageSize(isSmall);
  systemil_.SetDpi(Dpi());
  systemil_.Transparent = true;
  FitRows();
}

void tfindwindow::FormDpiChanged() {
  systemil_.SetDpi(Dpi());
  icons_.Forget();
  FitRows();
}

void tfindwindow::FormActivate(bool active) {
  // A click elsewhere, or another window brought forward.
  if (!active) Hide();
}

LRESULT tfindwindow::FormMessage(UINT msg, WPARAM wp, LPARAM lp) {
  // Sent for every row a refill removes: the rows hold nothing to free, and
  // the default handling of thousands costs a keystroke dearly.
  if (msg == WM_DELETEITEM) return TRUE;
  return tform::FormMessage(msg, wp, lp);
}

void tfindwindow::Show(const tzvshortcutlist& list) {
  const bool open = Shown();
  shortcuts_ = &list;
  index_.Build(list, ProcessCodePage());
  keyNames_ = std::make_unique<tkeynamecache>(CurrentKeyNames());
  if (!CreateForm()) return;
  // Open already: what was typed stays, over the list as it is now.
  if (!open) {
    filling_ = true;
    SetWindowTextA(edit_, "");
    filling_ = false;
  }
  Refill();
  if (!open) CentreOnPointerMonitor();
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
  SetFocus(edit_);
}

void tfindwindow::Hide() {
  if (Shown()) ShowWindow(Handle(), SW_HIDE);
}

void tfindwindow::IconsArrived() {
  if (Shown()) InvalidateRect(list_, nullptr, FALSE);
}

tfindrow tfindwindow::RowAt(int row) const {
  const int index = IndexAt(row);
  const tfindentry* entry = index < 0 ? nullptr : index_.EntryAt(index);
  return entry ? index_.Row(*entry) : tfindrow{};
}

int tfindwindow::IndexAt(int row) const {
  return row >= 0 && row < static_cast<int>(results_.size()) ? results_[static_cast<std::size_t>(row)].Index : -1;
}

void tfindwindow::Refill() {
  results_ = FindEntries(index_, WindowTextOf(edit_));
  SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list_, LB_RESETCONTENT, 0, 0);
  if (!keyNames_) keyNames_ = std::make_unique<tkeynamecache>(CurrentKeyNames());
  std::vector<std::string> names;
  names.reserve(results_.size());
  std::size_t bytes = 0;
  for (const tfindresult& r : results_) {
    const tfindentry& entry = *index_.EntryAt(r.Index);
    names.push_back(index_.Name(entry, HotkeyToText(entry.Hotkey, *keyNames_)));
    bytes += names.back().size() + 1;
  }
  SendMessageA(list_, LB_INITSTORAGE, names.size(), bytes);
  for (const std::string& name : names) SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  SendMessageA(list_, LB_SETCURSEL, results_.empty() ? static_cast<WPARAM>(-1) : 0, 0);
  SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

void tfindwindow::MoveSelection(tfindmove move) {
  const int selected = static_cast<int>(SendMessageA(list_, LB_GETCURSEL, 0, 0));
  const int row = MoveFindSelection(selected, static_cast<int>(results_.size()), RowsInView(), move);
  if (row >= 0) SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

void tfindwindow::StartSelected(bool elevated) {
  const int selected = static_cast<int>(SendMessageA(list_, LB_GETCURSEL, 0, 0));
  StartRow(FindRowToStart(selected, static_cast<int>(results_.size())), elevated);
}

void tfindwindow::StartRow(int row, bool elevated) {
  const int index = IndexAt(row);
  if (index < 0) return;
  // Closed first: what the start shows (an error, the started program)
  // comes up in front of nothing of ours.
  Hide();
  if (OnChoice) OnChoice(tmenuchoice{index, elevated, elevated});
}

int tfindwindow::RowsInView() const {
  RECT r = {};
  GetClientRect(list_, &r);
  return rowHeight_ > 0 ? static_cast<int>(r.bottom / rowHeight_) : 1;
}

void tfindwindow::FitRows() {
  twindowdc screen(nullptr);
  tselection font(screen.Get(), FormFont());
  TEXTMETRICA tm = {};
  GetTextMetricsA(screen.Get(), &tm);
  rowHeight_ = std::max<int>(systemil_.Height(), tm.tmHeight) + Scaled(6);
  SendMessageA(list_, LB_SETITEMHEIGHT, 0, rowHeight_);
}

void tfindwindow::CentreOnPointerMonitor() {
  POINT p = {};
  GetCursorPos(&p);
  MONITORINFO mi = {};
  mi.cbSize = sizeof(mi);
  if (!GetMonitorInfoA(MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST), &mi)) return;
  const RECT& work = mi.rcWork;
  // Twice: a monitor of another DPI resizes the window on the first move.
  for (int pass = 0; pass < 2; ++pass) {
    RECT w = {};
    GetWindowRect(Handle(), &w);
    const int width = w.right - w.left, height = w.bottom - w.top;
    SetWindowPos(Handle(), nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void tfindwindow::DrawRow(const DRAWITEMSTRUCT& item) {
  const int w = item.rcItem.right - item.rcItem.left, h = item.rcItem.bottom - item.rcItem.top;
  if (w <= 0 || h <= 0) return;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  // Built off-screen and copied at once, so a row never flickers; one
  // buffer for every row, made again when the rows change size.
  if (!rowDc_ || bufferWidth_ != w || bufferHeight_ != h) {
    rowSelection_.reset();
    rowDc_ = std::make_unique<tmemorydc>(item.hDC);
    rowBuffer_ = tbitmap(CreateCompatibleBitmap(item.hDC, w, h));
    rowSelection_ = std::make_unique<tselection>(rowDc_->Get(), rowBuffer_.Get());
    bufferWidth_ = w, bufferHeight_ = h;
  }
  HDC dc = rowDc_->Get();
  tselection font(dc, FormFont());
  const tpalette& p = CurrentPalette();
  const COLORREF text = Gdi(selected ? p.SelectedRowText : p.RowText);
  SetBkColor(dc, Gdi(selected ? p.SelectedRow : p.Row));
  SetTextColor(dc, text);
  const RECT all = {0, 0, w, h};
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
  const int index = IndexAt(static_cast<int>(item.itemID));
  const tzvshortcut* shortcut = shortcuts_ && index >= 0 ? shortcuts_->GetItem(index) : nullptr;
  if (shortcut) {
    const tfindrow row = RowAt(static_cast<int>(item.itemID));
    const int gap = Scaled(6);
    const int icon = IconIndex ? IconIndex(shortcut->IconSource()) : -1;
    if (icon >= 0) icons_.DrawIcon(dc, icon, gap, (h - icons_.IconHeight()) / 2);
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    int right = w - gap;
    if (row.Hotkey != 0) {
      const std::string hotkey = keyNames_ ? HotkeyToText(row.Hotkey, *keyNames_) : HotkeyToText(row.Hotkey);
      RECT r = {gap, 0, right, h};
      DrawTextText(dc, hotkey, &r, format | DT_RIGHT);
      right -= TextExtent(dc, hotkey).cx + 2 * gap;
    }
    const int left = gap + icons_.IconWidth() + gap;
    RECT caption = {left, 0, std::max(left, right), h};
    DrawTextText(dc, row.Caption, &caption, format);
    const int pathLeft = left + TextExtent(dc, row.Caption).cx + 2 * gap;
    if (!row.GroupPath.empty() && pathLeft < right) {
      // The group in grey after the caption, as far as there is room.
      if (!selected) SetTextColor(dc, Gdi(p.RowGrayText));
      RECT path = {pathLeft, 0, right, h};
      DrawTextText(dc, row.GroupPath, &path, format);
      SetTextColor(dc, text);
    }
  }
  BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, w, h, dc, 0, 0, SRCCOPY);
}

}  // namespace zv
