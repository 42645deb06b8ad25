#include "core/dpiscale.h"

#include <cstdlib>

namespace zv {

namespace {

int ValidDpi(int dpi) { return dpi > 0 ? dpi : DesignDpi; }

}  // namespace

int ScaleBetweenDpis(int value, int fromDpi, int toDpi) {
  fromDpi = ValidDpi(fromDpi);
  toDpi = ValidDpi(toDpi);
  if (fromDpi == toDpi) return value;
  // 64 bits: a large figure at a high DPI must not overflow.
  const std::int64_t product = static_cast<std::int64_t>(std::abs(value)) * toDpi;
  const std::int64_t magnitude = (product * 2 + fromDpi) / (2 * static_cast<std::int64_t>(fromDpi));
  return static_cast<int>(value < 0 ? -magnitude : magnitude);
}

int ScaleForDpi(int value, int dpi) { return ScaleBetweenDpis(value, DesignDpi, dpi); }

int ArtworkScalePercent(int dpi) {
  // Steps are 24 DPI apart; half way up goes to the next one.
  const int step = (ValidDpi(dpi) - DesignDpi + 12) / 24;
  return 100 + 25 * (step < 0 ? 0 : step > 4 ? 4 : step);
}

int SmallIconSizeForDpi(int dpi) { return ScaleForDpi(16, dpi); }
int LargeIconSizeForDpi(int dpi) { return ScaleForDpi(32, dpi); }

tscaledrect ScaleRectForDpi(int left, int top, int width, int height, int dpi) {
  tscaledrect r;
  r.Left = ScaleForDpi(left, dpi);
  r.Top = ScaleForDpi(top, dpi);
  r.Right = ScaleForDpi(left + width, dpi);
  r.Bottom = ScaleForDpi(top + height, dpi);
  return r;
}

}  // namespace zv
