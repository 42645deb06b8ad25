#pragma once
// The display scale as the system reports it. The per-monitor calls exist
// only on newer systems (Windows 10 1607 and later; some are missing from
// older Wine): each is looked up at run time and falls back to the screen's
// one DPI, so the program still runs where they are absent.
#include <windows.h>

#include "core/dpiscale.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0  // the window's monitor DPI changed (Windows 8.1 and later)
#endif

namespace zv {

// Makes the process per-monitor aware (v2, else v1, else system aware) when
// its manifest has not done so already. Before the first window.
void EnableDpiAwareness();

// The DPI of the screen as a whole (the primary monitor's); 96 when unknown.
int SystemDpi();
// The DPI a window is shown at; the system DPI where the system cannot say.
int WindowDpi(HWND wnd);
// The DPI of the monitor holding a point on the screen.
int DpiAtPoint(POINT p);

// GetSystemMetrics for a DPI.
int SystemMetricForDpi(int index, int dpi);
// The window size for a client size with the given styles, at a DPI.
SIZE WindowSizeForClientAtDpi(int w, int h, DWORD style, DWORD exStyle, int dpi, bool hasMenu = false);
// The system's menu font for a DPI.
LOGFONTA MenuLogFontForDpi(int dpi);

// A window's DPI together with its 96-DPI figures in pixels: the one way
// positions, sizes and font heights reach the screen.
class tdpiscale {
 public:
  explicit tdpiscale(int dpi = DesignDpi) : dpi_(dpi > 0 ? dpi : DesignDpi) {}
  int Dpi() const { return dpi_; }
  int operator()(int figure) const { return ScaleForDpi(figure, dpi_); }
  // (left, top, width, height) at 96 DPI as a rectangle in pixels.
  RECT Rect(int left, int top, int width, int height) const;
  RECT Rect(const RECT& designed) const;

 private:
  int dpi_;
};

}  // namespace zv
