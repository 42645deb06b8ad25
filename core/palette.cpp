#include "core/palette.h"

#include <algorithm>
#include <cmath>

namespace zv {

namespace {

constexpr std::uint32_t Grey(std::uint32_t level) { return level << 16 | level << 8 | level; }
constexpr std::uint32_t Bgr(std::uint32_t r, std::uint32_t g, std::uint32_t b) { return b << 16 | g << 8 | r; }

std::uint32_t Channel(std::uint32_t colour, int shift) { return colour >> shift & 0xFF; }

// WCAG 2's relative luminance of one channel.
double Linear(std::uint32_t channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(std::uint32_t colour) {
  return 0.2126 * Linear(Channel(colour, 0)) + 0.7152 * Linear(Channel(colour, 8)) +
         0.0722 * Linear(Channel(colour, 16));
}

tpalette Light(const tsystemcolours& s) {
  tpalette p{};
  p.Mode = tcolourmode::Light;
  p.MenuBackground = 0xFFFFFF, p.MenuText = 0, p.MenuDisabledText = s.GrayText;
  p.MenuSelection = s.Highlight, p.MenuSelectionText = s.HighlightText, p.MenuLine = 0;
  p.StripFrom = Grey(195), p.StripTo = Grey(254);
  p.FormBackground = 0xFFFFFF, p.FormText = 0, p.FormGrayText = s.GrayText;
  p.BandFrom = Grey(195), p.BandTo = Grey(254), p.Link = Bgr(0, 0, 128);
  p.Row = s.Window, p.RowText = s.WindowText, p.RowGrayText = s.GrayText;
  p.SelectedRow = s.Highlight, p.SelectedRowText = s.HighlightText;
  p.InvalidRow = Bgr(255, 187, 187), p.InvalidRowText = s.WindowText;
  p.Gauge = 0xFFFFFF, p.Bar = s.Highlight, p.GaugeText = s.WindowText, p.BarText = s.HighlightText;
  p.GaugeFrame = s.ButtonShadow;
  return p;
}

// Greys near the system's dark menus and windows; a blue selection, a
// light blue link and a deep red for invalid hotkeys, each readable on its
// background.
tpalette Dark() {
  constexpr std::uint32_t selection = Bgr(26, 79, 138), text = Grey(242), grey = Grey(154);
  tpalette p{};
  p.Mode = tcolourmode::Dark;
  p.MenuBackground = Grey(43), p.MenuText = text, p.MenuDisabledText = grey;
  p.MenuSelection = selection, p.MenuSelectionText = 0xFFFFFF, p.MenuLine = Grey(96);
  p.StripFrom = Grey(28), p.StripTo = Grey(42);
  p.FormBackground = Grey(32), p.FormText = text, p.FormGrayText = grey;
  p.BandFrom = Grey(44), p.BandTo = Grey(60), p.Link = Bgr(140, 200, 255);
  p.Row = Grey(25), p.RowText = text, p.RowGrayText = grey;
  p.SelectedRow = selection, p.SelectedRowText = 0xFFFFFF;
  p.InvalidRow = Bgr(112, 28, 28), p.InvalidRowText = 0xFFFFFF;
  p.Gauge = Grey(32), p.Bar = selection, p.GaugeText = text, p.BarText = 0xFFFFFF;
  p.GaugeFrame = Grey(96);
  return p;
}

// The system's colours alone, as high contrast asks; invalid rows inverted.
tpalette HighContrast(const tsystemcolours& s) {
  tpalette p{};
  p.Mode = tcolourmode::HighContrast;
  p.MenuBackground = s.Menu, p.MenuText = s.MenuText, p.MenuDisabledText = s.GrayText;
  p.MenuSelection = s.Highlight, p.MenuSelectionText = s.HighlightText, p.MenuLine = s.MenuText;
  p.StripFrom = p.StripTo = s.Menu;
  p.FormBackground = s.Window, p.FormText = s.WindowText, p.FormGrayText = s.GrayText;
  p.BandFrom = p.BandTo = s.Window, p.Link = s.HotLight;
  p.Row = s.Window, p.RowText = s.WindowText, p.RowGrayText = s.GrayText;
  p.SelectedRow = s.Highlight, p.SelectedRowText = s.HighlightText;
  p.InvalidRow = s.WindowText, p.InvalidRowText = s.Window;
  p.Gauge = s.Window, p.Bar = s.Highlight, p.GaugeText = s.WindowText, p.BarText = s.HighlightText;
  p.GaugeFrame = s.WindowText;
  return p;
}

}  // namespace

tcolourmode ChooseColourMode(bool appsUseLightTheme, bool highContrast) {
  if (highContrast) return tcolourmode::HighContrast;
  return appsUseLightTheme ? tcolourmode::Light : tcolourmode::Dark;
}

tpalette PaletteFor(tcolourmode mode, const tsystemcolours& system) {
  switch (mode) {
    case tcolourmode::Dark: return Dark();
    case tcolourmode::HighContrast: return HighContrast(system);
    case tcolourmode::Light:
    default: return Light(system);
  }
}

std::uint32_t RampColour(std::uint32_t from, std::uint32_t to, int x, int width) {
  if (width <= 1) return from;
  x = std::clamp(x, 0, width - 1);
  std::uint32_t out = 0;
  for (int shift : {0, 8, 16}) {
    const int a = static_cast<int>(Channel(from, shift)), b = static_cast<int>(Channel(to, shift));
    out |= static_cast<std::uint32_t>(a + (b - a) * x / (width - 1)) << shift;
  }
  return out;
}

double ContrastRatio(std::uint32_t a, std::uint32_t b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace zv
