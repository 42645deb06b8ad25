#pragma once
// Display scale: every position, size and font height of the windows is
// designed for 96 dots per inch and turned into pixels for the DPI of the
// window that shows it. At 96 DPI every figure stays what it is.
#include <cstdint>

namespace zv {

inline constexpr int DesignDpi = 96;

// A 96-DPI figure in pixels at dpi: value x dpi / 96, rounded to the nearest
// whole pixel, halves away from zero (so -11 is -17 at 144 DPI, as 11 is
// 17). A DPI of 0 or less counts as 96.
int ScaleForDpi(int value, int dpi);

// A figure in pixels at one DPI in pixels at another, with the same rounding.
int ScaleBetweenDpis(int value, int fromDpi, int toDpi);

// The artwork is drawn at 100, 125, 150, 175 and 200 %: the step nearest to
// dpi (a tie goes to the larger step), never below 100 or above 200.
int ArtworkScalePercent(int dpi);

// The system's icon sizes at a DPI: small 16 and large 32 at 96 DPI.
int SmallIconSizeForDpi(int dpi);
int LargeIconSizeForDpi(int dpi);

// A rectangle of 96-DPI figures (left, top, width, height) in pixels: each
// edge is scaled on its own, so rectangles that touch at 96 DPI still touch.
struct tscaledrect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool operator==(const tscaledrect&) const = default;
};
tscaledrect ScaleRectForDpi(int left, int top, int width, int height, int dpi);

}  // namespace zv
