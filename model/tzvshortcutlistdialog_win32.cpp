#include <windows.h>

#include <cstdio>

#include "model/tzvshortcutlistdialog.h"
#include "resources/resource.h"
#include "toolkit/dpi.h"
#include "toolkit/resourcemodule.h"
#include "ui/fontman_win32.h"

namespace zv {

namespace {

const char* const FormClass = "tzvshortcutlistdialog";
const char* const GaugeClass = "tzvprogressgauge";
const int ClientWidth = 293, ClientHeight = 49;
const DWORD FormStyle = WS_POPUP | WS_CAPTION;
const DWORD FormExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
// The form's window extra bytes hold its object, for WM_DPICHANGED.
const int ObjectSlot = 0;

struct gdiobject {
  explicit gdiobject(HGDIOBJ h) : Handle(h) {}
  ~gdiobject() {
    if (Handle) DeleteObject(Handle);
  }
  gdiobject(const gdiobject&) = delete;
  gdiobject& operator=(const gdiobject&) = delete;
  HGDIOBJ Handle;
};

// The decorative band: a 60 x 1 grey ramp stretched over the strip.
void PaintBand(HDC dc, int width, int height) {
  for (int x = 0; x < width; ++x) {
    int source = x * 60 / width;
    gdiobject brush(CreateSolidBrush(RGB(195 + source, 195 + source, 195 + source)));
    RECT r = {x, 0, x + 1, height};
    FillRect(dc, &r, static_cast<HBRUSH>(brush.Handle));
  }
}

tzvshortcutlistdialog* ObjectOf(HWND wnd) {
  return reinterpret_cast<tzvshortcutlistdialog*>(GetWindowLongPtrA(wnd, ObjectSlot));
}

LRESULT CALLBACK FormProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(wnd, &ps);
      RECT client;
      GetClientRect(wnd, &client);
      FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      const tzvshortcutlistdialog* self = ObjectOf(wnd);
      const tdpiscale scale(self ? self->Dpi() : WindowDpi(wnd));
      PaintBand(dc, scale(53), client.bottom);
      HICON icon = reinterpret_cast<HICON>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
      if (icon) DrawIconEx(dc, scale(8), scale(8), icon, scale(32), scale(32), 0, nullptr, DI_NORMAL);
      EndPaint(wnd, &ps);
      return 0;
    }
    case WM_CLOSE:
      return 0;  // it takes no input; the list operation closes it
    case WM_DPICHANGED: {
      const RECT* suggested = reinterpret_cast<const RECT*>(lp);
      if (tzvshortcutlistdialog* self = ObjectOf(wnd); self && suggested)
        self->ChangeDpi(HIWORD(wp), suggested->left, suggested->top);
      return 0;
    }
  }
  return DefWindowProcA(wnd, msg, wp, lp);
}

// The gauge keeps the font it is given in its window's extra bytes.
LRESULT CALLBACK GaugeProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SETFONT) {
    SetWindowLongPtrA(wnd, 0, static_cast<LONG_PTR>(wp));
    if (lp) InvalidateRect(wnd, nullptr, FALSE);
    return 0;
  }
  if (msg == WM_GETFONT) return GetWindowLongPtrA(wnd, 0);
  if (msg != WM_PAINT) return DefWindowProcA(wnd, msg, wp, lp);
  PAINTSTRUCT ps;
  HDC window = BeginPaint(wnd, &ps);
  RECT r;
  GetClientRect(wnd, &r);
  const int percent = static_cast<int>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
  // Composed off-screen so the bar never flickers.
  HDC dc = CreateCompatibleDC(window);
  gdiobject bitmap(CreateCompatibleBitmap(window, r.right, r.bottom));
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap.Handle);
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  RECT bar = r;
  bar.right = r.right * percent / 100;
  FillRect(dc, &bar, GetSysColorBrush(COLOR_HIGHLIGHT));
  FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
  char text[8];
  std::snprintf(text, sizeof(text), "%d%%", percent);
  HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(GetWindowLongPtrA(wnd, 0)));
  SetBkMode(dc, TRANSPARENT);
  // The part of the text over the bar in the highlight text colour.
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  DrawTextA(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  HRGN clip = CreateRectRgnIndirect(&bar);
  SelectClipRgn(dc, clip);
  SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
  DrawTextA(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectClipRgn(dc, nullptr);
  DeleteObject(clip);
  BitBlt(window, 0, 0, r.right, r.bottom, dc, 0, 0, SRCCOPY);
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteDC(dc);
  EndPaint(wnd, &ps);
  return 0;
}

void RegisterClasses() {
  static bool done = false;
  if (done) return;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = FormProc;
  wc.cbWndExtra = sizeof(void*);
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_WAIT);
  wc.lpszClassName = FormClass;
  RegisterClassA(&wc);
  wc.lpfnWndProc = GaugeProc;
  wc.cbWndExtra = sizeof(HFONT);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = GaugeClass;
  RegisterClassA(&wc);
  done = true;
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the main loop
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace

tzvshortcutlistdialog::tzvshortcutlistdialog() : tzvshortcutlistdialog(ScreenFontFamilies()) {}

tzvshortcutlistdialog::tzvshortcutlistdialog(const tfontfamilies& installed) {
  RegisterClasses();
  const int dpi = SystemDpi();
  const SIZE size = WindowSizeForClientAtDpi(ScaleForDpi(ClientWidth, dpi), ScaleForDpi(ClientHeight, dpi),
                                             FormStyle, FormExStyle, dpi);
  const int w = size.cx, h = size.cy;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  HWND form = CreateWindowExA(FormExStyle, FormClass, "Please wait...", FormStyle, x, y, w, h, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  window_ = form;
  if (!form) return;
  SetWindowLongPtrA(form, ObjectSlot, reinterpret_cast<LONG_PTR>(this));
  gaugeWindow_ = CreateWindowExA(0, GaugeClass, "0%", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, form, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
  FormCreate(installed);
  UseDpi(dpi);
}

// As every dialog: the bold dialog font with its fallback; it and the
// program's icon are made for the DPI by UseDpi.
void tzvshortcutlistdialog::FormCreate(const tfontfamilies& installed) {
  tformfonts fonts;
  fonts.Font.Bold = true;
  ApplyFontFallback(fonts, installed);
  font96_ = fonts.Font;
}

void tzvshortcutlistdialog::UseDpi(int dpi) {
  dpi_ = dpi;
  const tdpiscale scale(dpi);
  HWND form = static_cast<HWND>(window_);
  // The program's icon from where the pictures come from.
  HICON icon = LoadIconResource(IDI_ZORVANE, scale(32));
  SetWindowLongPtrA(form, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(icon));
  if (icon_) DestroyIcon(static_cast<HICON>(icon_));
  icon_ = icon;
  tfontdescription font = font96_;
  font.Height = scale(font96_.Height);
  HFONT made = CreateDescribedFont(font).Release();
  if (HWND gauge = static_cast<HWND>(gaugeWindow_)) {
    const RECT r = scale.Rect(64, 8, 221, 33);
    SetWindowPos(gauge, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(gauge, WM_SETFONT, reinterpret_cast<WPARAM>(made), TRUE);
  }
  if (font_) DeleteObject(static_cast<HFONT>(font_));
  font_ = made;
  InvalidateRect(form, nullptr, TRUE);
}

void tzvshortcutlistdialog::ChangeDpi(int dpi, int suggestedLeft, int suggestedTop) {
  HWND form = static_cast<HWND>(window_);
  if (!form || dpi <= 0) return;
  const int w = ScaleForDpi(ClientWidth, dpi), h = ScaleForDpi(ClientHeight, dpi);
  const SIZE size = WindowSizeForClientAtDpi(w, h, FormStyle, FormExStyle, dpi);
  SetWindowPos(form, nullptr, suggestedLeft, suggestedTop, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  // The frame the window really has may differ from the one computed for
  // the DPI (the system may not be showing it at that DPI yet).
  RECT outer, client;
  GetWindowRect(form, &outer);
  GetClientRect(form, &client);
  if (client.right != w || client.bottom != h)
    SetWindowPos(form, nullptr, 0, 0, outer.right - outer.left + w - client.right,
                 outer.bottom - outer.top + h - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (dpi != dpi_) UseDpi(dpi);
}

tzvshortcutlistdialog::~tzvshortcutlistdialog() {
  if (window_) DestroyWindow(static_cast<HWND>(window_));
  if (icon_) DestroyIcon(static_cast<HICON>(icon_));
  if (font_) DeleteObject(static_cast<HFONT>(font_));
}

bool tzvshortcutlistdialog::Open(std::int32_t maximum) {
  if (!gauge_.SetMaximum(maximum)) return false;
  if (!window_) return true;  // no window to show; the work goes on without it
  ShowWindow(static_cast<HWND>(window_), SW_SHOWNOACTIVATE);
  UpdateWindow(static_cast<HWND>(window_));
  PumpMessages();
  return true;
}

void tzvshortcutlistdialog::Step(std::int32_t position, bool processMessages) {
  if (gauge_.SetProgress(position) && gaugeWindow_) {
    HWND gauge = static_cast<HWND>(gaugeWindow_);
    char text[8];
    std::snprintf(text, sizeof(text), "%d%%", gauge_.Percent());
    SetWindowLongPtrA(gauge, GWLP_USERDATA, gauge_.Percent());
    SetWindowTextA(gauge, text);
    InvalidateRect(gauge, nullptr, FALSE);
    UpdateWindow(gauge);
  }
  if (processMessages) PumpMessages();
}

void tzvshortcutlistdialog::Close() {
  if (window_) ShowWindow(static_cast<HWND>(window_), SW_HIDE);
}

}  // namespace zv
