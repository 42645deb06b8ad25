#include "toolkit/colourmode.h"

#include <map>
#include <vector>

#include "model/colourpreference.h"
#include "platform/win32registry.h"
#include "toolkit/tform.h"

namespace zv {

namespace {

// DWMWA_USE_IMMERSIVE_DARK_MODE: 20 from Windows 10 20H1, 19 before it.
const DWORD DarkTitleBar = 20, DarkTitleBarBefore20H1 = 19;

template <typename F>
F Lookup(const char* module, const char* name) {
  HMODULE m = GetModuleHandleA(module);
  if (!m) m = LoadLibraryA(module);
  return m ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(m, name))) : nullptr;
}

tsystemcolours SystemColours() {
  tsystemcolours s;
  s.Menu = GetSysColor(COLOR_MENU), s.MenuText = GetSysColor(COLOR_MENUTEXT);
  s.Highlight = GetSysColor(COLOR_HIGHLIGHT), s.HighlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
  s.Window = GetSysColor(COLOR_WINDOW), s.WindowText = GetSysColor(COLOR_WINDOWTEXT);
  s.GrayText = GetSysColor(COLOR_GRAYTEXT), s.HotLight = GetSysColor(COLOR_HOTLIGHT);
  s.ButtonShadow = GetSysColor(COLOR_BTNSHADOW);
  return s;
}

bool HighContrastOn() {
  HIGHCONTRASTA hc = {};
  hc.cbSize = sizeof(hc);
  return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof(hc), &hc, 0) && (hc.dwFlags & HCF_HIGHCONTRASTON);
}

struct tstate {
  tpalette Palette = PaletteFor(tcolourmode::Light, SystemColours());
  bool TaskbarLight = true;
  bool EverDark = false;  // windows may carry a dark title bar or theme
};

tstate& State() {
  static tstate state;
  return state;
}

}  // namespace

const tpalette& CurrentPalette() { return State().Palette; }

bool TaskbarIsLight() { return State().TaskbarLight; }

void RefreshColourMode() {
  tstate& s = State();
  const tcolourpreference p = ReadColourPreference(ProcessRegistry());
  s.Palette = PaletteFor(ChooseColourMode(p.AppsUseLightTheme, HighContrastOn()), SystemColours());
  s.TaskbarLight = p.SystemUsesLightTheme;
  s.EverDark = s.EverDark || s.Palette.Mode == tcolourmode::Dark;
}

bool IsColourModeChange(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SYSCOLORCHANGE) return true;
  if (msg != WM_SETTINGCHANGE) return false;
  if (wp == SPI_SETHIGHCONTRAST) return true;
  const char* area = reinterpret_cast<const char*>(lp);
  return area && lstrcmpA(area, "ImmersiveColorSet") == 0;
}

void ApplyTitleBarMode(HWND wnd) {
  // A light window that was never dark keeps the system's default untouched.
  if (!State().EverDark || !wnd) return;
  using setattribute_t = HRESULT(WINAPI*)(HWND, DWORD, const void*, DWORD);
  static const auto set = Lookup<setattribute_t>("dwmapi.dll", "DwmSetWindowAttribute");
  if (!set) return;
  const BOOL dark = DarkMode();
  if (FAILED(set(wnd, DarkTitleBar, &dark, sizeof(dark)))) set(wnd, DarkTitleBarBefore20H1, &dark, sizeof(dark));
}

void ApplyControlMode(HWND control) {
  if (!State().EverDark || !control) return;
  using settheme_t = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
  static const auto set = Lookup<settheme_t>("uxtheme.dll", "SetWindowTheme");
  if (!set) return;
  const bool dark = DarkMode();
  if (IsClassOf(control, "Button")) {
    const LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    const bool check = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                       type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE;
    // Themed check boxes draw their text in the theme's black.
    if (check) set(control, dark ? L"" : nullptr, dark ? L"" : nullptr);
    return;
  }
  if (IsClassOf(control, "Edit") || IsClassOf(control, "ComboBox"))
    set(control, dark ? L"DarkMode_CFD" : nullptr, nullptr);
  else if (IsClassOf(control, "ListBox") || IsClassOf(control, "ScrollBar") || IsClassOf(control, "SysListView32"))
    set(control, dark ? L"DarkMode_Explorer" : nullptr, nullptr);
}

void TintAlphaBitmap(HBITMAP bitmap, std::uint32_t colour) {
  BITMAP info = {};
  if (!bitmap || !GetObjectA(bitmap, sizeof(info), &info) || info.bmBitsPixel != 32) return;
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = info.bmWidth;
  bi.bmiHeader.biHeight = -info.bmHeight;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(info.bmWidth) * static_cast<std::size_t>(info.bmHeight));
  HDC screen = GetDC(nullptr);
  if (GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(), &bi, DIB_RGB_COLORS)) {
    const std::uint32_t r = colour & 0xFF, g = colour >> 8 & 0xFF, b = colour >> 16 & 0xFF;
    for (std::uint32_t& px : pixels) {
      const std::uint32_t a = px >> 24;
      px = a << 24 | (r * a / 255) << 16 | (g * a / 255) << 8 | (b * a / 255);
    }
    SetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(), &bi, DIB_RGB_COLORS);
  }
  ReleaseDC(nullptr, screen);
}

HBRUSH PaletteBrush(std::uint32_t colour) {
  static std::map<std::uint32_t, HBRUSH> brushes;
  HBRUSH& b = brushes[colour];
  if (!b) b = CreateSolidBrush(Gdi(colour));
  return b;
}

}  // namespace zv
