#include "toolkit/dpi.h"

namespace zv {

namespace {

// DPI_AWARENESS_CONTEXT values, which older headers lack.
const HANDLE PerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
const HANDLE PerMonitorAware = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3));
const int ProcessPerMonitorDpiAware = 2;  // PROCESS_DPI_AWARENESS
const int MonitorEffectiveDpi = 0;        // MONITOR_DPI_TYPE

template <typename F>
F Lookup(const char* module, const char* name) {
  HMODULE m = GetModuleHandleA(module);
  if (!m) m = LoadLibraryA(module);
  return m ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(m, name))) : nullptr;
}

struct tdpicalls {
  using awareness_t = BOOL(WINAPI*)(HANDLE);
  using threadcontext_t = HANDLE(WINAPI*)();
  using awarenessof_t = int(WINAPI*)(HANDLE);
  using processawareness_t = HRESULT(WINAPI*)(int);
  using processaware_t = BOOL(WINAPI*)();
  using windowdpi_t = UINT(WINAPI*)(HWND);
  using systemdpi_t = UINT(WINAPI*)();
  using metric_t = int(WINAPI*)(int, UINT);
  using adjust_t = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  using monitordpi_t = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

  awareness_t SetProcessDpiAwarenessContext = Lookup<awareness_t>("user32.dll", "SetProcessDpiAwarenessContext");
  threadcontext_t GetThreadDpiAwarenessContext =
      Lookup<threadcontext_t>("user32.dll", "GetThreadDpiAwarenessContext");
  awarenessof_t GetAwarenessFromDpiAwarenessContext =
      Lookup<awarenessof_t>("user32.dll", "GetAwarenessFromDpiAwarenessContext");
  processawareness_t SetProcessDpiAwareness = Lookup<processawareness_t>("shcore.dll", "SetProcessDpiAwareness");
  processaware_t SetProcessDPIAware = Lookup<processaware_t>("user32.dll", "SetProcessDPIAware");
  processaware_t IsProcessDPIAware = Lookup<processaware_t>("user32.dll", "IsProcessDPIAware");
  windowdpi_t GetDpiForWindow = Lookup<windowdpi_t>("user32.dll", "GetDpiForWindow");
  systemdpi_t GetDpiForSystem = Lookup<systemdpi_t>("user32.dll", "GetDpiForSystem");
  metric_t GetSystemMetricsForDpi = Lookup<metric_t>("user32.dll", "GetSystemMetricsForDpi");
  adjust_t AdjustWindowRectExForDpi = Lookup<adjust_t>("user32.dll", "AdjustWindowRectExForDpi");
  monitordpi_t GetDpiForMonitor = Lookup<monitordpi_t>("shcore.dll", "GetDpiForMonitor");
};

const tdpicalls& Calls() {
  static const tdpicalls calls;
  return calls;
}

bool AlreadyAware() {
  const tdpicalls& c = Calls();
  if (c.GetThreadDpiAwarenessContext && c.GetAwarenessFromDpiAwarenessContext)
    return c.GetAwarenessFromDpiAwarenessContext(c.GetThreadDpiAwarenessContext()) > 0;
  return c.IsProcessDPIAware && c.IsProcessDPIAware();
}

}  // namespace

void EnableDpiAwareness() {
  if (AlreadyAware()) return;
  const tdpicalls& c = Calls();
  if (c.SetProcessDpiAwarenessContext &&
      (c.SetProcessDpiAwarenessContext(PerMonitorAwareV2) || c.SetProcessDpiAwarenessContext(PerMonitorAware)))
    return;
  if (c.SetProcessDpiAwareness && SUCCEEDED(c.SetProcessDpiAwareness(ProcessPerMonitorDpiAware))) return;
  if (c.SetProcessDPIAware) c.SetProcessDPIAware();
}

int SystemDpi() {
  if (Calls().GetDpiForSystem) {
    const UINT dpi = Calls().GetDpiForSystem();
    if (dpi > 0) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : DesignDpi;
}

int WindowDpi(HWND wnd) {
  if (wnd && Calls().GetDpiForWindow) {
    const UINT dpi = Calls().GetDpiForWindow(wnd);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

int DpiAtPoint(POINT p) {
  if (Calls().GetDpiForMonitor) {
    UINT x = 0, y = 0;
    HMONITOR monitor = MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST);
    if (monitor && SUCCEEDED(Calls().GetDpiForMonitor(monitor, MonitorEffectiveDpi, &x, &y)) && y > 0)
      return static_cast<int>(y);
  }
  return SystemDpi();
}

int SystemMetricForDpi(int index, int dpi) {
  if (Calls().GetSystemMetricsForDpi) return Calls().GetSystemMetricsForDpi(index, static_cast<UINT>(dpi));
  return ScaleBetweenDpis(GetSystemMetrics(index), SystemDpi(), dpi);
}

SIZE WindowSizeForClientAtDpi(int w, int h, DWORD style, DWORD exStyle, int dpi, bool hasMenu) {
  RECT r = {0, 0, w, h};
  if (!Calls().AdjustWindowRectExForDpi ||
      !Calls().AdjustWindowRectExForDpi(&r, style, hasMenu ? TRUE : FALSE, exStyle, static_cast<UINT>(dpi))) {
    r = RECT{0, 0, w, h};
    AdjustWindowRectEx(&r, style, hasMenu ? TRUE : FALSE, exStyle);
  }
  return SIZE{r.right - r.left, r.bottom - r.top};
}

LOGFONTA MenuLogFontForDpi(int dpi) {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof(metrics);
  LOGFONTA font = {};
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    font = metrics.lfMenuFont;
  else
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
  // The system answers for its own DPI; another monitor's is scaled from it.
  font.lfHeight = ScaleBetweenDpis(font.lfHeight, SystemDpi(), dpi);
  return font;
}

RECT tdpiscale::Rect(int left, int top, int width, int height) const {
  const tscaledrect r = ScaleRectForDpi(left, top, width, height, dpi_);
  return RECT{r.Left, r.Top, r.Right, r.Bottom};
}

RECT tdpiscale::Rect(const RECT& d) const { return Rect(d.left, d.top, d.right - d.left, d.bottom - d.top); }

}  // namespace zv
