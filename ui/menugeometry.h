#pragma once
// Sizes and layout of owner-drawn menu items: white items with a grey strip
// behind the icons, the caption right of the strip, an optional hotkey text
// at the right edge, separators as a black line, the selected item
// highlighted across its full width.
#include <cstdint>
#include <string>

#include "ui/menuentry.h"

namespace zv {

// What measuring needs of a canvas that holds the menu font.
class ttextmeasure {
 public:
  virtual ~ttextmeasure() = default;
  virtual int TextWidth(const std::string& text) const = 0;
  virtual int TextHeight(const std::string& text) const = 0;
};

// The icon size of the menu's icon source, in pixels, and the DPI the menu
// is shown at: the margins, the strip and the separator grow with it.
struct tmenustyle {
  int IconWidth = 16;
  int IconHeight = 16;
  int Dpi = 96;
};

// Its text height stands for the height of one line of menu text. In
// Windows-1252, as every text of the program: measured as ProgramText.
inline constexpr const char* MenuHeightProbe = "\xC2g";
// At 96 DPI; MenuSeparatorHeightForDpi at others.
inline constexpr int MenuSeparatorHeight = 5;
int MenuSeparatorHeightForDpi(int dpi);

// The strip picture: 60 x 1 pixels; in light mode pixel x is the grey 195 + x.
inline constexpr int StripRampWidth = 60;
inline constexpr int StripRampGrey(int x) { return 195 + x; }

// At 96 DPI: the room a group's item keeps at its right edge for the
// submenu arrow the system draws there.
inline constexpr int MenuArrowRoom = 16;

// "(" + text + ")".
std::string MenuHotkeyLabel(const std::string& hotkeyText);

struct tmenuitemsize {
  int Width = 0;
  int Height = 0;
};

tmenuitemsize MeasureMenuItem(const tmenuentry& entry, const tmenustyle& style,
                              const ttextmeasure& measure);

// Everything drawn into one item's picture, in its own coordinates.
struct tmenuitemlayout {
  int Width = 0, Height = 0;
  bool Highlighted = false;  // highlight colours; white and black otherwise
  bool Grayed = false;       // the caption in the system's grey text colour
  bool HasStrip = false;     // the strip fills (0, 0) to (StripRight, Height)
  int StripRight = 0;
  bool HasIcon = false;
  std::int32_t ImageIndex = -1;
  int IconX = 4, IconY = 2;  // at 96 DPI; scaled with the style
  bool HasCaption = false;
  std::string Caption;
  int CaptionX = 0, TextY = 0;
  bool HasHotkey = false;
  std::string HotkeyLabel;
  int HotkeyX = 0;
  bool HasLine = false;  // from (LineFromX, LineY) up to, not including, (LineToX, LineY)
  int LineFromX = 14, LineToX = 0, LineY = 2;
  int LineWidth = 1;
};

tmenuitemlayout LayoutMenuItem(const tmenuentry& entry, const tmenustyle& style, int width,
                               int height, bool selected, const ttextmeasure& measure);

}  // namespace zv
