#pragma once
// The colours of everything the program draws itself, in the user's colour
// mode: light (as the program always looked), dark when Windows' app mode
// is dark, and the system's own colours while high contrast is on.
// Colours are packed as the system packs them: 0x00BBGGRR.
#include <cstdint>

namespace zv {

enum class tcolourmode { Light, Dark, HighContrast };

// High contrast wins; otherwise the app mode ("AppsUseLightTheme" 0 is dark).
tcolourmode ChooseColourMode(bool appsUseLightTheme, bool highContrast);

// The system colours the light and high-contrast palettes take.
struct tsystemcolours {
  std::uint32_t Menu = 0xFFFFFF, MenuText = 0, Highlight = 0xD77800, HighlightText = 0xFFFFFF;
  std::uint32_t Window = 0xFFFFFF, WindowText = 0, GrayText = 0x6D6D6D, HotLight = 0xCC6600;
  std::uint32_t ButtonShadow = 0xA0A0A0;
};

struct tpalette {
  tcolourmode Mode = tcolourmode::Light;
  // The owner-drawn menus.
  std::uint32_t MenuBackground, MenuText, MenuDisabledText, MenuSelection, MenuSelectionText, MenuLine;
  // The icon strip at a menu's left: a ramp from StripFrom (its left) to
  // StripTo over StripRampWidth pixels.
  std::uint32_t StripFrom, StripTo;
  // Dialogs: their background and text, the band at the left (a ramp as
  // the strip's), the link labels.
  std::uint32_t FormBackground, FormText, FormGrayText, BandFrom, BandTo, Link;
  // Lists: the editor's and the find window's rows; the rows of invalid
  // hotkeys in InvalidRow.
  std::uint32_t Row, RowText, RowGrayText, SelectedRow, SelectedRowText, InvalidRow, InvalidRowText;
  // The progress window's gauge: its background, the bar, the percentage
  // over each, the frame.
  std::uint32_t Gauge, Bar, GaugeText, BarText, GaugeFrame;
};

// The light palette is the program's look of old, pixel for pixel.
tpalette PaletteFor(tcolourmode mode, const tsystemcolours& system);

// The pixel x of 0..width-1 on a ramp from one colour to another.
std::uint32_t RampColour(std::uint32_t from, std::uint32_t to, int x, int width);

// The contrast ratio of two colours as WCAG 2 defines it: 1 to 21.
double ContrastRatio(std::uint32_t a, std::uint32_t b);

}  // namespace zv
