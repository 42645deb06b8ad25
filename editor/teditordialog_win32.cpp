#include "editor/teditordialog_win32.h"

#include <commctrl.h>

#include <algorithm>

#include "editor/editorrows.h"
#include "editor/editorview.h"
#include "editor/editortexts.h"
#include "core/codepage.h"
#include "model/hotkeytext.h"
#include "resources/resource.h"
#include "settings/settings.h"
#include "toolkit/colourmode.h"
#include "toolkit/resourcemodule.h"
#include "platform/win32text.h"

namespace zv {

namespace {

constexpr DWORD ListStyle = WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWVARIABLE | LBS_EXTENDEDSEL | LBS_NOTIFY |
                            LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS;
// Every row's own text: never shown, the entry at the row's index is.
constexpr const char* PlaceholderRow = " ";

COLORREF ColourOf(trowcolour c) {
  const tpalette& p = CurrentPalette();
  switch (c) {
    case trowcolour::Highlight: return Gdi(p.SelectedRow);
    case trowcolour::HighlightText: return Gdi(p.SelectedRowText);
    case trowcolour::InvalidHotkey: return Gdi(p.InvalidRow);
    case trowcolour::WindowText: return Gdi(p.RowText);
    case trowcolour::Window:
    default: return Gdi(p.Row);
  }
}

int TextWidth(HDC dc, HFONT font, std::string_view text) {
  tselection picked(dc, font);
  return TextExtent(dc, text).cx;
}

void DrawText(HDC dc, int x, int y, const std::string& text) {
  TextOutText(dc, x, y, text);
}

}  // namespace

teditordialog::teditordialog(teditorcommands& commands)
    : tform("teditordialog", EditorCaption, DesignWidth, DesignHeight),
      systemil(ProcessShellImages()),
      commands_(commands) {
  SetSizeable(MinWidth, MinHeight);
}

teditordialog::~teditordialog() { Destroy(); }

void teditordialog::BuildControls() {
  AddDialogLook(189, IDB_TITLEEDITOR, 125, 16);
  leftimg->Designed.bottom = DesignHeight + 1;
  // The access keys: each command's own letter (Ctrl's keys are the
  // list's), none twice.
  auto link = [this](const char* name, const char* text, int y, std::function<void()> click) {
    return &AddLinkCommand(name, text, y, 157, IDI_LINKARROW, 0, false, std::move(click));
  };
  newlbl = link("newlbl", "Create a &new shortcut", 60, [this] { newlblClick(); });
  editlbl = link("editlbl", "&Edit the selected shortcut", 80, [this] { editlblClick(); });
  duplicatelbl = link("duplicatelbl", "D&uplicate the selected shortcut", 100, [this] { duplicatelblClick(); });
  deletelbl = link("deletelbl", "&Delete the selected shortcut", 120, [this] { deletelblClick(); });
  separatorlbl = link("separatorlbl", "Insert a &separator", 148, [this] { separatorlblClick(); });
  grouplbl = link("grouplbl", "Insert a &group", 168, [this] { grouplblClick(); });
  dissolvelbl = link("dissolvelbl", "Dissol&ve the selected group", 188, [this] { dissolvelblClick(); });
  importlbl = link("importlbl", "&Import a shortcut list", 216, [this] { importlblClick(); });
  exportlbl = link("exportlbl", "E&xport the shortcut list", 236, [this] { exportlblClick(); });
  clearlbl = link("clearlbl", "C&lear the shortcut list", 256, [this] { clearlblClick(); });
  oklbl = &AddLinkCommand("oklbl", "&OK", 404, 17, IDI_CHECKMARK, 0, true, [this] { oklblClick(); }, &okimg);
  cancellbl =
      &AddLinkCommand("cancellbl", "&Cancel", 424, 41, IDI_CROSS, 0, true, [this] { cancellblClick(); }, &cancelimg);

  tipshape = &AddShape(8, 288, 173, 61);
  tipimg = &AddImage(12, 292, 16, 16);
  SetIconPicture(*tipimg, IDI_TIP, 16);
  tiplbl = &AddLabel(nullptr, "tiplbl", DropTip, 32, 292, 145, 52);
  tiplbl->WordWrap = true;
  tiplbl->FitToText();

  hotkeywarningshape = &AddShape(8, 356, 173, 34);
  hotkeywarningimg = &AddImage(12, 362, 22, 22);
  SetIconPicture(*hotkeywarningimg, IDI_HOTKEYWARNING, 22);
  hotkeywarninglbl = &AddLabel(nullptr, "hotkeywarninglbl", HotkeyWarningText, 40, 360, 137, 26);
  hotkeywarninglbl->WordWrap = true;
  hotkeywarninglbl->FitToText();
  attentionlargeimg = &AddImage(0, 0, 22, 22);
  SetIconPicture(*attentionlargeimg, IDI_HOTKEYWARNING, 22);
  attentionlargeimg->Visible = false;
  attentionsmallimg = &AddImage(0, 0, 11, 11);
  SetIconPicture(*attentionsmallimg, IDI_HOTKEYWARNINGSMALL, 11);
  attentionsmallimg->Visible = false;

  HWND list = AddControl(nullptr, "LISTBOX", "", ListStyle, WS_EX_CLIENTEDGE | TDragDropListBox::ExStyle, 200, 8,
                         421, 417);
  shortcutslb.Attach(list);
  OnDrawItem(list, [this](const DRAWITEMSTRUCT& item) { shortcutslbDrawItem(item); });
  shortcutslb.RowText = [this](int row) {
    const tzvshortcut* entry = commands_.worklist.GetItem(row);
    return entry ? RowReadText(*entry, HotkeyToText(entry->Hotkey)) : std::string();
  };
  shortcutslb.OnDropFiles = [this](const std::vector<std::string>& files, int x, int y) {
    ReportSelection();
    ApplyOutcome(commands_.shortcutslbDropFiles(files, HitAt(x, y, true)));
  };
  shortcutslb.OnStartDrag = [this] {
    ReportSelection();
    return commands_.shortcutslbStartDrag();
  };
  shortcutslb.OnDragOver = [this](bool fromList, int x, int y) {
    const bool accept = commands_.shortcutslbDragOver(fromList, HitAt(x, y, false));
    UpdateLabels();
    return accept;
  };
  shortcutslb.OnDragDrop = [this](int x, int y) {
    ReportSelection();
    ApplyOutcome(commands_.shortcutslbDragDrop(HitAt(x, y, false)));
  };
  shortcutslb.OnEndDrag = [this] {
    commands_.shortcutslbEndDrag();
    UpdateLabels();
  };
  shortcutslb.OnError = [this](std::exception_ptr e) { Fail(e); };

  statuslbl = &AddLabel(nullptr, "statuslbl", "", 200, 428, 313, 13);
  statuslbl->PlainText = true;  // it names the shortcuts by their captions
  countlbl = &AddLabel(nullptr, "countlbl", "", 520, 428);
}

void teditordialog::FormCreate() {
  ApplyFontFallback();
  ShowIconAndTitle();
  FitToText();
  FormResize();
  const bool large = Settings().UseLargeEditorIcons;
  systemil.SetImageSize(large ? isLarge : isSmall);
  systemil.SetDpi(Dpi());
  systemil.Transparent = true;
  commands_.FormCreate(large);
  UpdateLabels();
}

// What depends on the font: the frames around wrapped texts, the bold face
// and the rows' text height.
void teditordialog::FitToText() {
  rowTextHeight_ = 0;
  // A wider substitute face wraps to more lines: the frames grow with them.
  auto frame = [this](tshape* shape, tlabel* label, int minHeight) {
    RECT text;
    GetWindowRect(label->Handle(), &text);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&text), 2);
    shape->Bounds.bottom = std::max<LONG>(shape->Bounds.top + Scaled(minHeight), text.bottom + Scaled(4));
  };
  frame(tipshape, tiplbl, 61);
  frame(hotkeywarningshape, hotkeywarninglbl, 34);
  LOGFONTA lf = {};
  GetObjectA(FormFont(), sizeof(lf), &lf);
  lf.lfWeight = FW_BOLD;
  boldFont_ = tfont(CreateFontIndirectA(&lf));
}

void teditordialog::FormDpiChanged() {
  systemil.SetDpi(Dpi());  // the rows' icons, then their heights
  FitToText();
  FormResize();
  if (shortcutslb.Handle()) {
    SendMessageA(shortcutslb.Handle(), WM_SETREDRAW, FALSE, 0);
    RowHeights(true, false);
    SendMessageA(shortcutslb.Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(shortcutslb.Handle(), nullptr, TRUE);
  }
  UpdateLabels();
}

void teditordialog::FormResize() {
  RECT r;
  GetClientRect(Handle(), &r);
  Layout(r.right, r.bottom);
  // The right-aligned hotkeys and the shortened paths depend on the width.
  if (shortcutslb.Handle()) InvalidateRect(shortcutslb.Handle(), nullptr, TRUE);
}

void teditordialog::Layout(int width, int height) {
  if (width <= 0 || height <= 0) return;  // minimised
  // How much larger than designed the window is, in pixels.
  const int dw = width - Scaled(DesignWidth), dh = height - Scaled(DesignHeight);
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  leftimg->Bounds.bottom = Scaled(DesignHeight + 1) + dh;
  auto moveLink = [&](tlabel* label, timage* picture, int top) {
    picture->MoveTo(Scaled(4), Scaled(top) + dh);
    SetWindowPos(label->Handle(), nullptr, Scaled(28), Scaled(top) + dh, 0, 0, flags | SWP_NOSIZE);
  };
  moveLink(oklbl, okimg, 404);
  moveLink(cancellbl, cancelimg, 424);
  const RECT list = Scale().Rect(200, 8, 421, 417);
  SetWindowPos(shortcutslb.Handle(), nullptr, list.left, list.top, list.right - list.left + dw,
               list.bottom - list.top + dh, flags);
  PlaceCountLabel();
  InvalidateRect(Handle(), nullptr, FALSE);
}

void teditordialog::UpdateLabels() {
  if (!Handle()) return;
  if (statuslbl->Text() != commands_.StatusText()) {
    statuslbl->SetText(commands_.StatusText());
    PlaceStatusLabel();
  }
  if (countlbl->Text() != commands_.CountText()) {
    countlbl->SetText(commands_.CountText());
    PlaceCountLabel();  // right-aligned: a new width moves it
  }
  const bool warn = commands_.HotkeyWarningVisible();
  if (hotkeywarningshape->Visible != warn) {
    hotkeywarningshape->Visible = warn;
    hotkeywarningimg->Visible = warn;
    InvalidateRect(Handle(), &hotkeywarningshape->Bounds, FALSE);
    ShowWindow(hotkeywarninglbl->Handle(), warn ? SW_SHOWNA : SW_HIDE);
  }
}

void teditordialog::ReportSelection() {
  HWND list = shortcutslb.Handle();
  const int n = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  std::vector<bool> selected(static_cast<std::size_t>(std::max(n, 0)));
  for (int i = 0; i < n; ++i) selected[static_cast<std::size_t>(i)] = SendMessageA(list, LB_GETSEL, i, 0) > 0;
  const int caret = n > 0 ? static_cast<int>(SendMessageA(list, LB_GETCARETINDEX, 0, 0)) : -1;
  commands_.SetSelection(selected, caret);
}

void teditordialog::Run(teditoroutcome (teditorcommands::*handler)()) {
  ReportSelection();
  ApplyOutcome((commands_.*handler)());
}

void teditordialog::ApplyOutcome(const teditoroutcome& outcome) {
  HWND list = shortcutslb.Handle();
  const bool rowsChanged = outcome.Refill || !outcome.Rows.empty();
  if (rowsChanged || outcome.SelectionChanged) {
    const int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    // Nothing is painted, nor followed by the view, until all is in place.
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    if (rowsChanged) ChangeRows(outcome);
    const std::vector<int> heights = RowHeights(rowsChanged, outcome.Refill && outcome.Rows.empty());
    if (outcome.SelectionChanged) ShowSelection();
    RECT view;
    GetClientRect(list, &view);
    const WPARAM viewTop = static_cast<WPARAM>(ViewTopAfter(top, outcome, heights, view.bottom));
    SendMessageA(list, LB_SETTOPINDEX, viewTop, 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    SendMessageA(list, LB_SETTOPINDEX, viewTop, 0);  // some lists reset their view here
    // Rows paint all of themselves; the list erases only below them.
    InvalidateRect(list, nullptr, rowsChanged ? TRUE : FALSE);
  } else if (outcome.RepaintAll) {
    InvalidateRect(list, nullptr, FALSE);
  }
  UpdateLabels();
  if (outcome.Close && commands_.FormClose())
    Close(commands_.accepted ? tmodalresult::OK : tmodalresult::Cancel);
}

void teditordialog::ChangeRows(const teditoroutcome& outcome) {
  HWND list = shortcutslb.Handle();
  auto insert = [list](int row) {
    SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(PlaceholderRow));
  };
  if (outcome.Refill) {
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    const int n = commands_.RowCount();
    SendMessageA(list, LB_INITSTORAGE, static_cast<WPARAM>(n), static_cast<LPARAM>(n) * 2);
    for (int i = 0; i < n; ++i) insert(i);
  }
  for (const trowchange& c : outcome.Rows) {
    if (c.Kind == trowchange::Clear) SendMessageA(list, LB_RESETCONTENT, 0, 0);
    if (c.Kind == trowchange::Delete || c.Kind == trowchange::Move)
      SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(c.Index), 0);
    if (c.Kind == trowchange::Insert) insert(c.Index);
    if (c.Kind == trowchange::Move) insert(c.ToIndex);
  }
}

// Selected a run at a time: selecting row by row moves the caret to each
// row, which draws its focus frame even while repainting is suspended. The
// EX form takes whole indices; LB_SELITEMRANGE packs them into 16 bits.
void teditordialog::ShowSelection() {
  HWND list = shortcutslb.Handle();
  const int n = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  SendMessageA(list, LB_SETSEL, FALSE, -1);
  for (int first = 0; first < n; ++first) {
    if (!commands_.IsSelected(first)) continue;
    int last = first;
    while (last + 1 < n && commands_.IsSelected(last + 1)) ++last;
    SendMessageA(list, LB_SELITEMRANGEEX, static_cast<WPARAM>(first), static_cast<LPARAM>(last));
    first = last;
  }
  const int caret = commands_.FocusedRow();
  if (caret >= 0 && caret != SendMessageA(list, LB_GETCARETINDEX, 0, 0))
    SendMessageA(list, LB_SETCARETINDEX, static_cast<WPARAM>(caret), FALSE);
}

// Every row's height. After row changes each row is measured again: one
// measured when it was inserted may since show another entry (rows are
// inserted in several steps), and the list is told where it differs. A
// refill alone inserts every row with its final entry, so the list holds
// those heights already.
std::vector<int> teditordialog::RowHeights(bool remeasure, bool refilled) {
  HWND list = shortcutslb.Handle();
  const int n = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  std::vector<int> heights(static_cast<std::size_t>(std::max(n, 0)));
  for (int i = 0; i < n; ++i) {
    if (refilled) {
      heights[static_cast<std::size_t>(i)] = shortcutslbMeasureItem(i);
      continue;
    }
    const int listed = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, static_cast<WPARAM>(i), 0));
    const int h = heights[static_cast<std::size_t>(i)] = remeasure ? shortcutslbMeasureItem(i) : listed;
    if (h != listed) SendMessageA(list, LB_SETITEMHEIGHT, static_cast<WPARAM>(i), h);
  }
  return heights;
}

trowhit teditordialog::HitAt(int x, int y, bool pastEnd) const {
  trowhit hit;
  hit.Y = y;
  hit.Row = shortcutslb.RowAt(POINT{x, y}, pastEnd);
  if (hit.Row >= 0 && hit.Row < commands_.RowCount()) {
    const RECT r = shortcutslb.RowRect(hit.Row);
    hit.Top = r.top;
    hit.Bottom = r.bottom;
  } else if (!pastEnd) {
    hit.Row = -1;
  } else if (hit.Row < 0) {
    // Off the rows (on the scroll bar, say): the end of the list.
    hit.Row = commands_.RowCount();
  }
  return hit;
}

int teditordialog::TextHeight(HDC dc) const {
  SIZE s = {0, 0};
  const std::string& sample = ProgramText(RowSampleText);
  s = TextExtent(dc, sample);
  return s.cy;
}

// The font never changes while the window is open, and a fill measures every
// row twice: one measurement of the sample text serves them all.
int teditordialog::RowTextHeight() {
  if (rowTextHeight_ <= 0) {
    twindowdc screen;
    tselection picked(screen.Get(), FormFont());
    rowTextHeight_ = TextHeight(screen.Get());
  }
  return rowTextHeight_;
}

int teditordialog::shortcutslbMeasureItem(int row) {
  const tzvshortcut* entry = commands_.worklist.GetItem(row);
  const int th = RowTextHeight();
  if (!entry) return th + Scaled(4);
  return RowHeight(*entry, commands_.LargeMode(), th, systemil.Height(), Dpi());
}

void teditordialog::shortcutslbDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) {
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
    return;
  }
  if (item.itemAction == ODA_FOCUS) {
    DrawFocusRect(item.hDC, &item.rcItem);
    return;
  }
  const tzvshortcut* entry = commands_.worklist.GetItem(static_cast<std::int32_t>(item.itemID));
  const int w = item.rcItem.right - item.rcItem.left, h = item.rcItem.bottom - item.rcItem.top;
  if (!entry || w <= 0 || h <= 0) return;
  // Built off-screen and copied at once, so a row never flickers.
  tmemorydc mem(item.hDC);
  tbitmap buffer(CreateCompatibleBitmap(item.hDC, w, h));
  {
    tselection into(mem.Get(), buffer.Get());
    HDC dc = mem.Get();
    tselection font(dc, FormFont());
    const trowcolours colours = RowColours(*entry, (item.itemState & ODS_SELECTED) != 0);
    const COLORREF bg = ColourOf(colours.Background);
    // High contrast inverts the invalid rows: their text takes the window's colour.
    const COLORREF fg = colours.Background == trowcolour::InvalidHotkey ? Gdi(CurrentPalette().InvalidRowText)
                                                                         : ColourOf(colours.Text);
    SetBkColor(dc, bg);
    SetTextColor(dc, fg);
    SetBkMode(dc, OPAQUE);
    const RECT all = {0, 0, w, h};
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    HFONT regular = FormFont();
    HFONT bold = boldFont_.Get() ? boldFont_.Get() : regular;
    if (entry->IsLine()) {
      const int indent = RowIndent(entry->Level, commands_.LargeMode(), w, Dpi());
      const tseparatorrow sep =
          LayoutSeparatorRow(w, h, [&](std::string_view t) { return TextWidth(dc, regular, t); }, Dpi(), indent);
      tpen pen(CreatePen(PS_SOLID, 1, fg));
      tselection picked(dc, pen.Get());
      MoveToEx(dc, sep.LineFrom.X, sep.LineFrom.Y, nullptr);
      LineTo(dc, sep.LineTo.X, sep.LineTo.Y);
      DrawText(dc, sep.TextAt.X, sep.TextAt.Y, SeparatorRowText);
    } else {
      trowmetrics m;
      m.Width = w;
      m.Height = h;
      m.IconWidth = systemil.Width();
      m.IconHeight = systemil.Height();
      m.TextHeight = TextHeight(dc);
      m.LargeMode = commands_.LargeMode();
      m.Dpi = Dpi();
      m.Regular = [&](std::string_view t) { return TextWidth(dc, regular, t); };
      m.Bold = [&](std::string_view t) { return TextWidth(dc, bold, t); };
      const tshortcutrow row = LayoutShortcutRow(*entry, m, [](std::uint16_t hk) { return HotkeyToText(hk); });
      if (entry->ImageIndex >= 0) systemil.Draw(dc, row.IconAt.X, row.IconAt.Y, entry->ImageIndex);
      if (row.Badge) {
        const timage* badge = m.LargeMode ? attentionlargeimg : attentionsmallimg;
        DrawIconEx(dc, row.BadgeAt.X, row.BadgeAt.Y, badge->Icon(), row.BadgeSize, row.BadgeSize, 0, nullptr,
                   DI_NORMAL);
      }
      {
        tselection face(dc, row.CaptionBold ? bold : regular);
        DrawText(dc, row.CaptionAt.X, row.CaptionAt.Y, row.Caption);
      }
      if (!row.HotkeyText.empty()) DrawText(dc, row.HotkeyAt.X, row.HotkeyAt.Y, row.HotkeyText);
      if (row.ShowPath) DrawText(dc, row.PathAt.X, row.PathAt.Y, row.PathText);
    }
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, w, h, dc, 0, 0, SRCCOPY);
  }
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

void teditordialog::FormKeyPress(char& key) {
  if (shortcutslb.Dragging() && key == 27) {
    key = 0;
    shortcutslb.CancelDrag();
    return;
  }
  ReportSelection();
  const teditoroutcome out = commands_.FormKeyPress(key);
  if (out.Handled) key = 0;
  ApplyOutcome(out);
}

bool teditordialog::FormKeyDown(WPARAM virtualKey) {
  const bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0, alt = GetKeyState(VK_MENU) < 0;
  const auto key = static_cast<std::uint16_t>(virtualKey);
  if (virtualKey > 0xFF || !teditorcommands::IsEditorKey(key, ctrl, shift, alt)) return false;
  // Tab and Alt+Up/Down move rows only in the list; elsewhere, and Tab with
  // Ctrl, they are the system's.
  const bool inList = GetFocus() == shortcutslb.Handle();
  if ((key == vkTab && (ctrl || !inList)) || (alt && !inList)) return false;
  ReportSelection();
  ApplyOutcome(commands_.FormKeyDown(key, ctrl, shift, alt));
  return true;
}

bool teditordialog::FormCloseQuery() { return commands_.FormClose(); }

LRESULT teditordialog::FormMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MEASUREITEM: {
      auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      if (!shortcutslb.Handle() || m->CtlType != ODT_LISTBOX ||
          static_cast<int>(m->CtlID) != GetDlgCtrlID(shortcutslb.Handle()))
        break;
      m->itemHeight = static_cast<UINT>(shortcutslbMeasureItem(static_cast<int>(m->itemID)));
      return TRUE;
    }
    case WM_SIZE:
      if (shortcutslb.Handle()) FormResize();
      return 0;
    case WM_CONTEXTMENU: {
      if (reinterpret_cast<HWND>(wp) != shortcutslb.Handle()) break;
      int row = -1;
      if (lp != -1) {
        POINT p = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        ScreenToClient(shortcutslb.Handle(), &p);
        row = shortcutslb.RowAt(p, false);
      }
      ReportSelection();
      ApplyOutcome(commands_.shortcutslbContextPopup(row));
      return 0;
    }
    default:
      break;
  }
  return tform::FormMessage(msg, wp, lp);
}

}  // namespace zv
