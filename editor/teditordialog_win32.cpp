#include "editor/teditordialog_win32.h"

#include <commctrl.h>

#include <algorithm>

#include "editor/editorrows.h"
#include "editor/editortexts.h"
#include "model/hotkeytext.h"
#include "resources/resource.h"
#include "settings/settings.h"
#include "toolkit/resourcemodule.h"

namespace zv {

namespace {

constexpr DWORD ListStyle = WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWVARIABLE | LBS_EXTENDEDSEL | LBS_NOTIFY |
                            LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS;
// Every row's own text: never shown, the entry at the row's index is.
constexpr const char* PlaceholderRow = " ";

COLORREF ColourOf(trowcolour c) {
  switch (c) {
    case trowcolour::Highlight: return GetSysColor(COLOR_HIGHLIGHT);
    case trowcolour::HighlightText: return GetSysColor(COLOR_HIGHLIGHTTEXT);
    case trowcolour::InvalidHotkey: return static_cast<COLORREF>(InvalidHotkeyRowColour);
    case trowcolour::WindowText: return GetSysColor(COLOR_WINDOWTEXT);
    case trowcolour::Window:
    default: return GetSysColor(COLOR_WINDOW);
  }
}

int TextWidth(HDC dc, HFONT font, std::string_view text) {
  tselection picked(dc, font);
  SIZE s = {0, 0};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &s);
  return s.cx;
}

void DrawText(HDC dc, int x, int y, const std::string& text) {
  TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

}  // namespace

teditordialog::teditordialog(teditorcommands& commands)
    : tform("teditordialog", EditorCaption, DesignWidth, DesignHeight),
      systemil(ProcessShellImages()),
      commands_(commands) {
  SetSizeable(MinWidth, MinHeight);
}

teditordialog::~teditordialog() { Destroy(); }

teditordialog::tlink teditordialog::AddLink(const std::string& name, const std::string& text, int y, int width,
                                            int icon, bool bold, std::function<void()> click) {
  timage& picture = AddImage(4, y, 24, 16);
  picture.Drawing = timage::tdrawing::Centred;
  picture.HandCursor = true;
  picture.OnClick = click;
  picture.SetIcon(LoadIconResource(icon, 16), 16);
  tfontdescription font = Fonts().Font;
  font.Bold = bold;
  font.Underline = true;
  font.Colour = LinkColour;
  tlabel& label = AddOwnFontLabel(nullptr, name, text, 28, y, width, 16, font);
  label.CentreVertically = true;
  label.HandCursor = true;
  OnCommand(label, std::move(click));
  return tlink{&label, &picture};
}

void teditordialog::BuildControls() {
  AddDialogLook(189, IDB_TITLEEDITOR, 125, 16);
  leftimg->Bounds.bottom = DesignHeight + 1;
  newlbl = AddLink("newlbl", "Create a new shortcut", 60, 157, IDI_LINKARROW, false, [this] { newlblClick(); }).Label;
  editlbl = AddLink("editlbl", "Edit the selected shortcut", 80, 157, IDI_LINKARROW, false,
                    [this] { editlblClick(); }).Label;
  duplicatelbl = AddLink("duplicatelbl", "Duplicate the selected shortcut", 100, 157, IDI_LINKARROW, false,
                         [this] { duplicatelblClick(); }).Label;
  deletelbl = AddLink("deletelbl", "Delete the selected shortcut", 120, 157, IDI_LINKARROW, false,
                      [this] { deletelblClick(); }).Label;
  separatorlbl = AddLink("separatorlbl", "Insert a separator", 148, 157, IDI_LINKARROW, false,
                         [this] { separatorlblClick(); }).Label;
  importlbl = AddLink("importlbl", "Import a shortcut list", 176, 157, IDI_LINKARROW, false,
                      [this] { importlblClick(); }).Label;
  exportlbl = AddLink("exportlbl", "Export the shortcut list", 196, 157, IDI_LINKARROW, false,
                      [this] { exportlblClick(); }).Label;
  clearlbl = AddLink("clearlbl", "Clear the shortcut list", 216, 157, IDI_LINKARROW, false,
                     [this] { clearlblClick(); }).Label;
  const tlink ok = AddLink("oklbl", "OK", 364, 17, IDI_CHECKMARK, true, [this] { oklblClick(); });
  const tlink cancel = AddLink("cancellbl", "Cancel", 384, 41, IDI_CROSS, true, [this] { cancellblClick(); });
  oklbl = ok.Label;
  okimg = ok.Picture;
  cancellbl = cancel.Label;
  cancelimg = cancel.Picture;

  tipshape = &AddShape(8, 248, 173, 61);
  tipimg = &AddImage(12, 252, 16, 16);
  tipimg->SetIcon(LoadIconResource(IDI_TIP, 16), 16);
  tiplbl = &AddLabel(nullptr, "tiplbl", DropTip, 32, 252, 145, 52);
  tiplbl->WordWrap = true;
  tiplbl->FitToText();

  hotkeywarningshape = &AddShape(8, 316, 173, 34);
  hotkeywarningimg = &AddImage(12, 322, 22, 22);
  hotkeywarningimg->SetIcon(LoadIconResource(IDI_HOTKEYWARNING, 22), 22);
  hotkeywarninglbl = &AddLabel(nullptr, "hotkeywarninglbl", HotkeyWarningText, 40, 320, 137, 26);
  hotkeywarninglbl->WordWrap = true;
  hotkeywarninglbl->FitToText();
  attentionlargeimg = &AddImage(0, 0, 22, 22);
  attentionlargeimg->SetIcon(LoadIconResource(IDI_HOTKEYWARNING, 22), 22);
  attentionlargeimg->Visible = false;
  attentionsmallimg = &AddImage(0, 0, 11, 11);
  attentionsmallimg->SetIcon(LoadIconResource(IDI_HOTKEYWARNINGSMALL, 11), 11);
  attentionsmallimg->Visible = false;

  HWND list = AddControl(nullptr, "LISTBOX", "", ListStyle, WS_EX_CLIENTEDGE | TDragDropListBox::ExStyle, 200, 8,
                         421, 377);
  shortcutslb.Attach(list);
  OnDrawItem(list, [this](const DRAWITEMSTRUCT& item) { shortcutslbDrawItem(item); });
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

  statuslbl = &AddLabel(nullptr, "statuslbl", "", 200, 388, 313, 13);
  countlbl = &AddLabel(nullptr, "countlbl", "", 520, 388);
}

void teditordialog::FormCreate() {
  ApplyFontFallback();
  rowTextHeight_ = 0;
  ShowIconAndTitle();
  // A wider substitute face wraps to more lines: the frames grow with them.
  auto frame = [this](tshape* shape, tlabel* label, int minHeight) {
    RECT text;
    GetWindowRect(label->Handle(), &text);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&text), 2);
    shape->Bounds.bottom = std::max<LONG>(shape->Bounds.top + minHeight, text.bottom + 4);
  };
  frame(tipshape, tiplbl, 61);
  frame(hotkeywarningshape, hotkeywarninglbl, 34);
  LOGFONTA lf = {};
  GetObjectA(FormFont(), sizeof(lf), &lf);
  lf.lfWeight = FW_BOLD;
  boldFont_ = tfont(CreateFontIndirectA(&lf));
  FormResize();
  const bool large = Settings().UseLargeEditorIcons;
  systemil.SetImageSize(large ? isLarge : isSmall);
  systemil.Transparent = true;
  commands_.FormCreate(large);
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
  const int dw = width - DesignWidth, dh = height - DesignHeight;
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  leftimg->Bounds.bottom = DesignHeight + 1 + dh;
  auto moveLink = [&](tlabel* label, timage* picture, int top) {
    picture->MoveTo(4, top);
    SetWindowPos(label->Handle(), nullptr, 28, top, 0, 0, flags | SWP_NOSIZE);
  };
  moveLink(oklbl, okimg, 364 + dh);
  moveLink(cancellbl, cancelimg, 384 + dh);
  SetWindowPos(shortcutslb.Handle(), nullptr, 200, 8, 421 + dw, 377 + dh, flags);
  SetWindowPos(statuslbl->Handle(), nullptr, 200, 388 + dh, 313, 13, flags);
  RECT c;
  GetWindowRect(countlbl->Handle(), &c);
  // Right-aligned: the right edge stays 8 pixels from the window's.
  SetWindowPos(countlbl->Handle(), nullptr, 621 + dw - (c.right - c.left), 388 + dh, 0, 0, flags | SWP_NOSIZE);
  InvalidateRect(Handle(), nullptr, FALSE);
}

void teditordialog::UpdateLabels() {
  if (!Handle()) return;
  if (statuslbl->Text() != commands_.StatusText()) statuslbl->SetText(commands_.StatusText());
  if (countlbl->Text() != commands_.CountText()) countlbl->SetText(commands_.CountText());
  const bool warn = commands_.HotkeyWarningVisible();
  if (hotkeywarningshape->Visible != warn) {
    hotkeywarningshape->Visible = warn;
    hotkeywarningimg->Visible = warn;
    InvalidateRect(Handle(), &hotkeywarningshape->Bounds, FALSE);
  }
  ShowWindow(hotkeywarninglbl->Handle(), warn ? SW_SHOWNA : SW_HIDE);
  RECT r;
  GetClientRect(Handle(), &r);
  Layout(r.right, r.bottom);
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
  if (outcome.Refill || !outcome.Rows.empty()) {
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    if (outcome.Refill) {
      SendMessageA(list, LB_RESETCONTENT, 0, 0);
      const int n = commands_.RowCount();
      SendMessageA(list, LB_INITSTORAGE, static_cast<WPARAM>(n), static_cast<LPARAM>(n) * 2);
      for (int i = 0; i < n; ++i) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(PlaceholderRow));
    }
    for (const trowchange& c : outcome.Rows) {
      switch (c.Kind) {
        case trowchange::Insert:
          SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(c.Index), reinterpret_cast<LPARAM>(PlaceholderRow));
          break;
        case trowchange::Delete:
          SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(c.Index), 0);
          break;
        case trowchange::Move:
          SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(c.Index), 0);
          SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(c.ToIndex), reinterpret_cast<LPARAM>(PlaceholderRow));
          break;
        case trowchange::Clear:
          SendMessageA(list, LB_RESETCONTENT, 0, 0);
          break;
      }
    }
    SyncRowHeights();
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
  }
  if (outcome.SelectionChanged) {
    const int n = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) SendMessageA(list, LB_SETSEL, commands_.IsSelected(i) ? TRUE : FALSE, i);
    if (commands_.FocusedRow() >= 0) SendMessageA(list, LB_SETCARETINDEX, commands_.FocusedRow(), FALSE);
  }
  if (outcome.RepaintAll) InvalidateRect(list, nullptr, TRUE);
  UpdateLabels();
  if (outcome.Close && commands_.FormClose())
    Close(commands_.accepted ? tmodalresult::OK : tmodalresult::Cancel);
}

// A row measured when it was inserted may since show another entry (rows
// are inserted in several steps); every row gets its entry's height.
void teditordialog::SyncRowHeights() {
  HWND list = shortcutslb.Handle();
  const int n = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    const int h = shortcutslbMeasureItem(i);
    if (SendMessageA(list, LB_GETITEMHEIGHT, static_cast<WPARAM>(i), 0) != h)
      SendMessageA(list, LB_SETITEMHEIGHT, static_cast<WPARAM>(i), h);
  }
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
  GetTextExtentPoint32A(dc, RowSampleText, 2, &s);
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
  if (!entry) return th + 4;
  return RowHeight(*entry, commands_.LargeMode(), th, systemil.Height());
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
    const COLORREF bg = ColourOf(colours.Background), fg = ColourOf(colours.Text);
    SetBkColor(dc, bg);
    SetTextColor(dc, fg);
    SetBkMode(dc, OPAQUE);
    const RECT all = {0, 0, w, h};
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    HFONT regular = FormFont();
    HFONT bold = boldFont_.Get() ? boldFont_.Get() : regular;
    if (entry->ShortcutType == 0) {
      const tseparatorrow sep =
          LayoutSeparatorRow(w, h, [&](std::string_view t) { return TextWidth(dc, regular, t); });
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
      m.Regular = [&](std::string_view t) { return TextWidth(dc, regular, t); };
      m.Bold = [&](std::string_view t) { return TextWidth(dc, bold, t); };
      const tshortcutrow row = LayoutShortcutRow(*entry, m, [](std::uint16_t hk) { return HotkeyToText(hk); });
      systemil.Draw(dc, row.IconAt.X, row.IconAt.Y, entry->ImageIndex);
      if (row.Badge) {
        const timage* badge = m.LargeMode ? attentionlargeimg : attentionsmallimg;
        const int size = m.LargeMode ? 22 : 11;
        DrawIconEx(dc, row.BadgeAt.X, row.BadgeAt.Y, badge->Icon(), size, size, 0, nullptr, DI_NORMAL);
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
  if (virtualKey != vkInsert && virtualKey != vkDelete && virtualKey != vkA) return false;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  if (virtualKey == vkA && !ctrl) return false;
  ReportSelection();
  ApplyOutcome(commands_.FormKeyDown(static_cast<std::uint16_t>(virtualKey), ctrl));
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
      if (row >= 0) {
        // The row shows selected while its properties are open.
        SendMessageA(shortcutslb.Handle(), LB_SETSEL, FALSE, -1);
        SendMessageA(shortcutslb.Handle(), LB_SETSEL, TRUE, row);
        SendMessageA(shortcutslb.Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(row), FALSE);
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
