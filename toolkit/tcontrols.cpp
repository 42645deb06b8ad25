#include "toolkit/tcontrols.h"

#include <algorithm>

#include "core/accesskey.h"
#include "platform/runningunderwine.h"
#include "platform/win32text.h"
#include "toolkit/colourmode.h"
#include "toolkit/linkaccessible.h"

namespace zv {

namespace {


// The dialog's background: white in light mode.
void FillWhite(HDC dc, const RECT& r) {
  SetBkColor(dc, Gdi(CurrentPalette().FormBackground));
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

// The messages a container's children send to "their parent", which really
// mean the window.
bool ForwardedToWindow(UINT msg) {
  switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return true;
    default:
      return false;
  }
}

// Whether the mouse point of a message lies in the window's client area.
bool InClient(HWND wnd, LPARAM lp) {
  RECT r;
  GetClientRect(wnd, &r);
  return PtInRect(&r, POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))}) != FALSE;
}

// A mouse message of a clickable control: a whole click inside it tells the
// parent, as WM_COMMAND with the notification code.
void NotifyClick(HWND control, tclicktracker& click, const void* self, UINT msg, LPARAM lp, WORD code) {
  if (TrackClick(control, click, InClient(control, lp) ? self : nullptr, msg))
    SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

}  // namespace

bool TrackClick(HWND wnd, tclicktracker& click, const void* target, UINT msg) {
  if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) {
    click.Press(target);
    if (target) SetCapture(wnd);
  } else if (msg == WM_LBUTTONUP) {
    const bool done = click.Release(target);
    // Before the command, which may open a window of its own.
    if (GetCapture() == wnd) ReleaseCapture();
    return done;
  } else if (msg == WM_CAPTURECHANGED) {
    click.Cancel();
  }
  return false;
}

void DrawAlphaBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
  BITMAP info = {};
  if (!bitmap || !GetObjectA(bitmap, sizeof(info), &info)) return;
  tmemorydc mem(dc);
  tselection picked(mem.Get(), bitmap);
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, x, y, info.bmWidth, info.bmHeight, mem.Get(), 0, 0, info.bmWidth, info.bmHeight, blend);
}

SIZE MeasureText(HFONT font, const std::string& text, bool noPrefix) {
  twindowdc screen;
  tselection picked(screen.Get(), font);
  RECT r = {0, 0, 0, 0};
  const std::string sample = text.empty() ? std::string(" ") : text;
  DrawTextText(screen.Get(), sample, &r,
            DT_CALCRECT | DT_SINGLELINE | (noPrefix ? DT_NOPREFIX : 0));
  return SIZE{text.empty() ? 0 : r.right - r.left, r.bottom - r.top};
}

// ---- pictures and frames

timage::~timage() {
  if (icon_) DestroyIcon(icon_);
}

void timage::SetIcon(HICON icon, int size) {
  if (icon_ && icon_ != icon) DestroyIcon(icon_);
  icon_ = icon;
  iconSize_ = size;
  bitmap_.Reset();
}

void timage::SetBitmap(HBITMAP bitmap, bool alpha) {
  if (icon_) DestroyIcon(icon_);
  icon_ = nullptr;
  bitmap_.Reset(bitmap);
  alpha_ = alpha;
}

void timage::MoveTo(int left, int top) {
  OffsetRect(&Bounds, left - Bounds.left, top - Bounds.top);
}

SIZE timage::PictureSize() const {
  if (icon_) return SIZE{iconSize_, iconSize_};
  BITMAP info = {};
  if (bitmap_ && GetObjectA(bitmap_.Get(), sizeof(info), &info)) return SIZE{info.bmWidth, info.bmHeight};
  return SIZE{0, 0};
}

void timage::Paint(HDC dc) const {
  if (!Visible || !HasPicture()) return;
  const SIZE size = PictureSize();
  RECT to = {Bounds.left, Bounds.top, Bounds.left + size.cx, Bounds.top + size.cy};
  if (Drawing == tdrawing::Stretched) {
    to = Bounds;
  } else if (Drawing == tdrawing::Centred) {
    const int x = Bounds.left + (Bounds.right - Bounds.left - size.cx) / 2;
    const int y = Bounds.top + (Bounds.bottom - Bounds.top - size.cy) / 2;
    to = RECT{x, y, x + size.cx, y + size.cy};
  }
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, Bounds.left, Bounds.top, Bounds.right, Bounds.bottom);
  if (icon_) {
    DrawIconEx(dc, to.left, to.top, icon_, size.cx, size.cy, 0, nullptr, DI_NORMAL);
  } else {
    tmemorydc mem(dc);
    tselection picked(mem.Get(), bitmap_.Get());
    const int w = to.right - to.left, h = to.bottom - to.top;
    if (alpha_) {
      BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
      AlphaBlend(dc, to.left, to.top, w, h, mem.Get(), 0, 0, size.cx, size.cy, blend);
    } else {
      SetStretchBltMode(dc, COLORONCOLOR);
      StretchBlt(dc, to.left, to.top, w, h, mem.Get(), 0, 0, size.cx, size.cy, SRCCOPY);
    }
  }
  RestoreDC(dc, saved);
}

void tshape::Paint(HDC dc) const {
  if (!Visible) return;
  const tpalette& p = CurrentPalette();
  if (p.Mode == tcolourmode::Light) {
    tselection pen(dc, GetStockObject(BLACK_PEN));
    tselection brush(dc, GetStockObject(WHITE_BRUSH));
    Rectangle(dc, Bounds.left, Bounds.top, Bounds.right, Bounds.bottom);
    return;
  }
  // The inside as a list's rows, framed as a menu's separators.
  tpen frame(CreatePen(PS_SOLID, 1, Gdi(p.MenuLine)));
  tselection pen(dc, frame.Get());
  tselection brush(dc, PaletteBrush(p.Row));
  Rectangle(dc, Bounds.left, Bounds.top, Bounds.right, Bounds.bottom);
}

// ---- labels

bool tlabel::Create(HWND parent, int id, const std::string& text, int x, int y, int w, int h) {
  if (!RegisterWindowClass(ClassName)) return false;
  text_ = text;
  width_ = w;
  height_ = h;
  return twindow::Create(ClassName, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, x, y, w, h,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void tlabel::SetFont(HFONT font) {
  font_ = font;
  FitToText();
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void tlabel::SetText(const std::string& text) {
  text_ = text;
  if (Handle()) SetWindowTextA(Handle(), text.c_str());
  FitToText();
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void tlabel::SetBox(int w, int h) {
  width_ = w;
  height_ = h;
  FitToText();
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void tlabel::FitToText() {
  if (!Handle() || !font_) return;
  if (WordWrap) {
    // Wrapped text keeps its width; a wider substitute face may need more
    // lines than the designed height holds.
    twindowdc screen;
    tselection picked(screen.Get(), font_);
    RECT r = {0, 0, width_, 0};
    DrawTextText(screen.Get(), text_, &r, DT_CALCRECT | Format());
    const int h = std::max<int>(height_, r.bottom);
    SetWindowPos(Handle(), nullptr, 0, 0, width_, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  const SIZE text = MeasureText(font_, text_, PlainText);
  int w = width_, h = height_;
  if (AutoSize) {
    w = text.cx;
    h = text.cy;
  } else if (text.cx > w) {
    w = text.cx;  // a wider substitute face must not cut the text
  }
  SetWindowPos(Handle(), nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

COLORREF tlabel::TextColour() const {
  // The light look's black and navy stand for the palette's text and link.
  const tpalette& p = CurrentPalette();
  if (p.Mode == tcolourmode::Light) return Colour;
  if (Colour == RGB(0, 0, 0)) return Gdi(p.FormText);
  if (Colour == RGB(0, 0, 128)) return Gdi(p.Link);
  return Colour;
}

void tlabel::MakeLink() {
  link_ = true;
  HandCursor = true;
  if (Handle()) SetWindowLongA(Handle(), GWL_STYLE, GetWindowLongA(Handle(), GWL_STYLE) | WS_TABSTOP);
}

void tlabel::DrawAccessKeyCue(HDC dc, const RECT& box) const {
  const std::size_t at = AccessKeyMark(text_);
  if (at == std::string::npos || WordWrap || PlainText) return;
  RECT client;
  GetClientRect(Handle(), &client);
  // The line's top as DrawText places it, and the font's underline below
  // its baseline: the mark lies under that, so that the letter's underline
  // is twice as strong (with a row between them where GDI draws the
  // underline a row higher), and inside the label.
  TEXTMETRICA tm = {};
  GetTextMetricsA(dc, &tm);
  const int textTop = CentreVertically ? box.top + (box.bottom - box.top - tm.tmHeight) / 2 : box.top;
  int below = 1, thickness = 1;  // the underline's distance below the baseline
  OUTLINETEXTMETRICA otm = {};
  otm.otmSize = sizeof(otm);
  if (GetOutlineTextMetricsA(dc, sizeof(otm), &otm)) {
    below = std::max<int>(1, -otm.otmsUnderscorePosition);
    thickness = std::max<int>(1, static_cast<int>(otm.otmsUnderscoreSize));
  }
  const int top = std::min<int>(textTop + tm.tmAscent + below + thickness + 1, client.bottom - thickness);
  RECT text = box;
  DrawTextText(dc, text_, &text, Format() | DT_HIDEPREFIX | DT_CALCRECT);
  const std::string before = WithoutAccessKeys(text_.substr(0, at));
  const int left = text.left + (before.empty() ? 0 : TextExtent(dc, before).cx);
  const int width = TextExtent(dc, text_.substr(at + 1, 1)).cx;
  SetBkColor(dc, GetTextColor(dc));
  const RECT line = {left, top, std::min<LONG>(left + width, client.right), top + thickness};
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &line, nullptr, 0, nullptr);
}

UINT tlabel::Format() const {
  const UINT prefix = PlainText ? DT_NOPREFIX : 0;
  if (WordWrap) return DT_WORDBREAK | prefix;
  return DT_SINGLELINE | (CentreVertically ? DT_VCENTER : 0) | prefix;
}

LRESULT tlabel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      // Drawn off screen first, so the text does not flicker over the band.
      tbufferedpaint paint(Handle());
      HDC dc = paint.Get();
      RECT r = paint.Client();
      if (Transparent)
        background_.PaintBackground(dc, Handle());
      else
        FillWhite(dc, r);
      tselection font(dc, font_);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, IsWindowEnabled(Handle()) ? TextColour() : Gdi(CurrentPalette().FormGrayText));
      // Under Wine the form keeps the cues' state (see tform::ChangeCues).
      const LRESULT ui = SendMessageA(RunningUnderWine() ? GetAncestor(Handle(), GA_ROOT) : Handle(),
                                      WM_QUERYUISTATE, 0, 0);
      // A link's own underline would hide the access key's: the key is
      // marked below it, and only while the system shows keyboard cues.
      DrawTextText(dc, text_, &r, Format() | (link_ ? DT_HIDEPREFIX : 0));
      if (link_ && !(ui & UISF_HIDEACCEL)) DrawAccessKeyCue(dc, r);
      const bool cues = !(ui & UISF_HIDEFOCUS);
      if (link_ && GetFocus() == Handle() && cues) {
        RECT text = r;
        DrawTextText(dc, text_, &text, Format() | DT_CALCRECT);
        if (CentreVertically) OffsetRect(&text, 0, (r.bottom - text.bottom) / 2);
        text.right = std::min(text.right + 1, r.right);
        text.left = std::max<LONG>(text.left - 1, 0);
        SetTextColor(dc, TextColour());
        DrawFocusRect(dc, &text);
      }
      return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
      if (link_) InvalidateRect(Handle(), nullptr, FALSE);
      break;
    case WM_GETOBJECT:
      if (link_)
        if (const LRESULT object = AnswerLinkObject(Handle(), wp, lp)) return object;
      break;
    case WM_SETCURSOR:
      if (HandCursor && LOWORD(lp) == HTCLIENT) {
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      NotifyClick(Handle(), click_, this, msg, lp, STN_CLICKED);
      return 0;
    case WM_ENABLE:
      InvalidateRect(Handle(), nullptr, FALSE);
      break;
    default:
      break;
  }
  return Default(msg, wp, lp);
}

// ---- group boxes and panels

bool tcontainer::Create(HWND parent, bool groupBox, const std::string& caption, int x, int y, int w,
                        int h) {
  const char* cls = groupBox ? GroupBoxClass : PanelClass;
  if (!RegisterWindowClass(cls)) return false;
  groupBox_ = groupBox;
  caption_ = caption;
  return twindow::Create(cls, caption.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                         WS_EX_CONTROLPARENT, x, y, w, h, parent);
}

void tcontainer::SetFont(HFONT font) {
  font_ = font;
  if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void tcontainer::PaintBackground(HDC dc, HWND child) {
  RECT r;
  GetClientRect(child, &r);
  FillWhite(dc, r);
}

LRESULT tcontainer::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (ForwardedToWindow(msg)) return SendMessageA(GetParent(Handle()), msg, wp, lp);
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      tpaintdc paint(Handle());
      HDC dc = paint.Get();
      RECT r;
      GetClientRect(Handle(), &r);
      FillWhite(dc, r);
      if (groupBox_) {
        tselection font(dc, font_);
        TEXTMETRICA tm = {};
        GetTextMetricsA(dc, &tm);
        RECT frame = r;
        frame.top = tm.tmHeight / 2;
        DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, Gdi(CurrentPalette().FormBackground));
        SetTextColor(dc, CurrentPalette().Mode == tcolourmode::Light ? GetSysColor(COLOR_WINDOWTEXT)
                                                                       : Gdi(CurrentPalette().FormText));
        RECT text = {8, 0, r.right - 8, tm.tmHeight};
        DrawTextText(dc, caption_, &text,
                  DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
      }
      return 0;
    }
    default:
      return Default(msg, wp, lp);
  }
}

// ---- speed buttons

tspeedbutton::~tspeedbutton() = default;

bool tspeedbutton::Create(HWND parent, int id, int x, int y, int w, int h) {
  if (!RegisterWindowClass(ClassName)) return false;
  return twindow::Create(ClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, x, y, w, h, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void tspeedbutton::SetGlyph(HBITMAP alphaBitmap) {
  glyph_.Reset(alphaBitmap);
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void tspeedbutton::Paint(HDC dc) {
  RECT r;
  GetClientRect(Handle(), &r);
  FillWhite(dc, r);
  UINT state = DFCS_BUTTONPUSH | (pressed_ ? DFCS_PUSHED : 0);
  if (!IsWindowEnabled(Handle())) state |= DFCS_INACTIVE;
  DrawFrameControl(dc, &r, DFC_BUTTON, state);
  BITMAP info = {};
  if (glyph_ && GetObjectA(glyph_.Get(), sizeof(info), &info)) {
    const int shift = pressed_ ? 1 : 0;
    DrawAlphaBitmap(dc, glyph_.Get(), (r.right - info.bmWidth) / 2 + shift,
                    (r.bottom - info.bmHeight) / 2 + shift);
  }
}

LRESULT tspeedbutton::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      tpaintdc paint(Handle());
      Paint(paint.Get());
      return 0;
    }
    case WM_MOUSEMOVE:
      // Shown pushed while the pressed button is over it.
      if (click_.Pressed() && InClient(Handle(), lp) != pressed_) {
        pressed_ = !pressed_;
        InvalidateRect(Handle(), nullptr, FALSE);
      }
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED: {
      pressed_ = msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK;
      InvalidateRect(Handle(), nullptr, FALSE);
      NotifyClick(Handle(), click_, this, msg, lp, BN_CLICKED);
      return 0;
    }
    case WM_ENABLE:
      InvalidateRect(Handle(), nullptr, FALSE);
      break;
    default:
      break;
  }
  return Default(msg, wp, lp);
}

}  // namespace zv
