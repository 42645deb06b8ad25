#include <windows.h>

#include <cstdio>

#include "resources/resource.h"
#include "toolkit/colourmode.h"
#include "toolkit/dpi.h"
#include "toolkit/fontman_win32.h"
#include "toolkit/gdi.h"
#include "toolkit/resourcemodule.h"
#include "toolkit/twindow.h"
#include "ui/tzvshortcutlistdialog.h"

namespace zv {

namespace {

const char* const FormClass = "tzvshortcutlistdialog";
const char* const GaugeClass = "tzvprogressgauge";
const int ClientWidth = 293, ClientHeight = 49;
const DWORD FormStyle = WS_POPUP | WS_CAPTION;
const DWORD FormExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;

// The decorative band: a 60 x 1 ramp (grey in light mode) stretched over
// the strip.
void PaintBand(HDC dc, int width, int height) {
  const tpalette& p = CurrentPalette();
  for (int x = 0; x < width; ++x) {
    int source = x * 60 / width;
    tbrush brush(CreateSolidBrush(p.Mode == tcolourmode::Light ? RGB(195 + source, 195 + source, 195 + source)
                                                               : Gdi(RampColour(p.BandFrom, p.BandTo, source, 60))));
    RECT r = {x, 0, x + 1, height};
    FillRect(dc, &r, brush.Get());
  }
}

// The bar with its percentage, the part of the text over the bar in the
// highlight text colour.
class tgaugewindow : public twindow {
 public:
  void SetPercent(int percent) { percent_ = percent; }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_SETFONT) {
      font_ = reinterpret_cast<HFONT>(wp);
      if (lp) InvalidateRect(Handle(), nullptr, FALSE);
      return 0;
    }
    if (msg == WM_GETFONT) return reinterpret_cast<LRESULT>(font_);
    if (msg != WM_PAINT) return Default(msg, wp, lp);
    Paint();
    return 0;
  }

 private:
  void Paint() {
    // Composed off-screen so the bar never flickers.
    tbufferedpaint paint(Handle());
    const HDC dc = paint.Get();
    RECT r = paint.Client();
    const tpalette& p = CurrentPalette();
    FillRect(dc, &r, PaletteBrush(p.Gauge));
    RECT bar = r;
    bar.right = r.right * percent_ / 100;
    FillRect(dc, &bar, PaletteBrush(p.Bar));
    FrameRect(dc, &r, PaletteBrush(p.GaugeFrame));
    char text[8];
    std::snprintf(text, sizeof(text), "%d%%", percent_);
    tselection font(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Gdi(p.GaugeText));
    DrawTextA(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    tregion clip(CreateRectRgnIndirect(&bar));
    SelectClipRgn(dc, clip.Get());
    SetTextColor(dc, Gdi(p.BarText));
    DrawTextA(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectClipRgn(dc, nullptr);
  }

  HFONT font_ = nullptr;  // not owned
  int percent_ = 0;
};

}  // namespace

// The form: white, the band, the program's icon and the gauge. It takes no
// input; the list operation closes it.
class tprogresswindow : public twindow {
 public:
  explicit tprogresswindow(tzvshortcutlistdialog& owner) : owner_(owner) {}
  ~tprogresswindow() override {
    Destroy();
    if (icon_) DestroyIcon(icon_);
  }

  tgaugewindow Gauge;
  tfont Font;
  HICON Icon() const { return icon_; }
  // Takes the icon over.
  void SetIcon(HICON icon) {
    if (icon_) DestroyIcon(icon_);
    icon_ = icon;
  }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
      case WM_PAINT: {
        tpaintdc paint(Handle());
        RECT client;
        GetClientRect(Handle(), &client);
        FillRect(paint.Get(), &client, PaletteBrush(CurrentPalette().FormBackground));
        const tdpiscale scale(owner_.Dpi() ? owner_.Dpi() : WindowDpi(Handle()));
        PaintBand(paint.Get(), scale(53), client.bottom);
        if (icon_) DrawIconEx(paint.Get(), scale(8), scale(8), icon_, scale(32), scale(32), 0, nullptr, DI_NORMAL);
        return 0;
      }
      case WM_CLOSE:
        return 0;
      case WM_DPICHANGED:
        if (const RECT* suggested = reinterpret_cast<const RECT*>(lp))
          owner_.ChangeDpi(HIWORD(wp), suggested->left, suggested->top);
        return 0;
    }
    return Default(msg, wp, lp);
  }

 private:
  tzvshortcutlistdialog& owner_;
  HICON icon_ = nullptr;
};

namespace {

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

tzvshortcutlistdialog::tzvshortcutlistdialog(const tfontfamilies& installed)
    : window_(std::make_unique<tprogresswindow>(*this)) {
  const int dpi = SystemDpi();
  const SIZE size = WindowSizeForClientAtDpi(ScaleForDpi(ClientWidth, dpi), ScaleForDpi(ClientHeight, dpi),
                                             FormStyle, FormExStyle, dpi);
  const int w = size.cx, h = size.cy;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  const bool made = twindow::RegisterWindowClass(FormClass, 0, nullptr, nullptr, LoadCursorA(nullptr, IDC_WAIT)) &&
                    twindow::RegisterWindowClass(GaugeClass) &&
                    window_->Create(FormClass, "Please wait...", FormStyle, FormExStyle, x, y, w, h);
  if (!made) return;
  ApplyTitleBarMode(window_->Handle());
  window_->Gauge.Create(GaugeClass, "0%", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, 0, window_->Handle());
  FormCreate(installed);
  UseDpi(dpi);
}

void* tzvshortcutlistdialog::Handle() const { return window_->Handle(); }
void* tzvshortcutlistdialog::Icon() const { return window_->Icon(); }

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
  // The program's icon from where the pictures come from.
  window_->SetIcon(LoadIconResource(IDI_ZORVANE, scale(32)));
  tfontdescription font = font96_;
  font.Height = scale(font96_.Height);
  tfont made = CreateDescribedFont(font);
  if (HWND gauge = window_->Gauge.Handle()) {
    const RECT r = scale.Rect(64, 8, 221, 33);
    SetWindowPos(gauge, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(gauge, WM_SETFONT, reinterpret_cast<WPARAM>(made.Get()), TRUE);
  }
  window_->Font = std::move(made);
  InvalidateRect(window_->Handle(), nullptr, TRUE);
}

void tzvshortcutlistdialog::ChangeDpi(int dpi, int suggestedLeft, int suggestedTop) {
  HWND form = window_->Handle();
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

tzvshortcutlistdialog::~tzvshortcutlistdialog() = default;

bool tzvshortcutlistdialog::Open(std::int32_t maximum) {
  if (!gauge_.SetMaximum(maximum)) return false;
  HWND form = window_->Handle();
  if (!form) return true;  // no window to show; the work goes on without it
  ShowWindow(form, SW_SHOWNOACTIVATE);
  UpdateWindow(form);
  PumpMessages();
  return true;
}

void tzvshortcutlistdialog::Step(std::int32_t position, bool processMessages) {
  if (gauge_.SetProgress(position)) {
    if (HWND gauge = window_->Gauge.Handle()) {
      char text[8];
      std::snprintf(text, sizeof(text), "%d%%", gauge_.Percent());
      window_->Gauge.SetPercent(gauge_.Percent());
      SetWindowTextA(gauge, text);
      InvalidateRect(gauge, nullptr, FALSE);
      UpdateWindow(gauge);
    }
  }
  if (processMessages) PumpMessages();
}

void tzvshortcutlistdialog::Close() {
  if (HWND form = window_->Handle()) ShowWindow(form, SW_HIDE);
}

}  // namespace zv
