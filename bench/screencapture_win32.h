#pragma once
// What the screen shows of a window, and input as a user gives it.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zvbench {

// A window's picture as the screen shows it, 0x00RRGGBB per pixel.
struct tpicture {
  int Width = 0, Height = 0;
  std::vector<std::uint32_t> Pixels;
  std::uint32_t At(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
};

// The screen's pixels under wnd's rectangle; empty when wnd has none.
tpicture Capture(HWND wnd);

// The rows of the everyday list's menu in sight (nine shortcuts, then a
// separator: a black line 2 pixels below its top from 14 pixels in), and
// how many of them show no icon yet: their icon box (16 x 16), 4 pixels in
// and 2 down, holds nothing but the strip as the separator's top shows it.
// Pixels at 96 DPI, grown with the screen's DPI.
struct ticoncount {
  int Rows = 0, WithoutIcon = 0;
  // Where CountRowIcons found the rows, in the picture: -1 when it did not.
  int Top = -1, RowHeight = 0;
};

// The rows and icons of the everyday list's menu that p shows; none counted
// when it shows no such menu.
ticoncount CountMenuIcons(const tpicture& p);

// A menu of rows all of one height, none highlighted: how many of them
// show no icon yet. The rows are found by the strip's lightest-but-one
// greys down its left edge; none counted when there are not rows of them.
ticoncount CountRowIcons(const tpicture& p, int rows);

// The screen's DPI (96 when unknown), with this process aware of the DPI.
int ScreenDpi();

// A left click at screen point x, y.
void Click(int x, int y);

// The Escape key pressed and let go.
void PressEscape();

}  // namespace zvbench
