#pragma once
// The process's colour mode: the palette everything the program draws takes,
// read from the user's settings at start and again when Windows reports a
// change. What only newer Windows has (dark title bars, the dark control
// themes) is looked up at run time, and only once a window is dark.
#include <windows.h>

#include <cstdint>

#include "core/palette.h"

namespace zv {

const tpalette& CurrentPalette();
inline bool DarkMode() { return CurrentPalette().Mode == tcolourmode::Dark; }
// The taskbar's own mode ("SystemUsesLightTheme"), for the tray icon.
bool TaskbarIsLight();

// Reads the mode again.
void RefreshColourMode();
// Whether a message reports a change of the colour mode: WM_SETTINGCHANGE
// with "ImmersiveColorSet" or of high contrast, or WM_SYSCOLORCHANGE.
bool IsColourModeChange(UINT msg, WPARAM wp, LPARAM lp);

// A top-level window's title bar in the mode (the system's dark title bar
// from Windows 10 1809 on); nothing where the system has none.
void ApplyTitleBarMode(HWND wnd);
// A standard control in the mode: the system's dark themes for edit boxes,
// combo boxes, lists and scroll bars; check boxes and radio buttons drawn
// unthemed while dark, so that they take the dialog's text colour.
void ApplyControlMode(HWND control);

// Every pixel of a 32-bit picture with premultiplied alpha in one colour,
// its coverage kept: lettering drawn for light windows, made readable on dark.
void TintAlphaBitmap(HBITMAP bitmap, std::uint32_t colour);

// A solid brush of a colour, kept for the process (a palette has few).
HBRUSH PaletteBrush(std::uint32_t colour);
// A palette colour as GDI takes it.
inline COLORREF Gdi(std::uint32_t colour) { return static_cast<COLORREF>(colour); }

}  // namespace zv
