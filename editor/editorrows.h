#pragma once
// Geometry and texts of the editor's owner-drawn rows. The window measures
// text with its font and paints what these answer; every coordinate is
// relative to the row's top left corner.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "model/tzvshortcut.h"

namespace zv {

// Capital A with circumflex and small g: the full height of a line. In
// Windows-1252, as every text of the program: measured as ProgramText.
inline constexpr const char* RowSampleText = "\xC2g";
inline constexpr const char* SeparatorRowText = " Separator ";
// RGB(255, 187, 187) as the system packs a colour (red in the low byte).
inline constexpr std::uint32_t InvalidHotkeyRowColour = 0x00BBBBFFu;

using ttextwidth = std::function<std::int32_t(std::string_view)>;

// "1 Shortcut", otherwise "<n> Shortcuts"; separators count.
std::string CountLabelText(std::int32_t count);

// What a screen reader reads for a row: "Notepad, Application,
// C:\Windows\notepad.exe, Strg+N", then ", invalid hotkey" where the row
// is red; "Separator"; "Tools, Group". hotkeyText is the entry's hotkey's.
std::string RowReadText(const tzvshortcut& entry, const std::string& hotkeyText);

// textHeight is the height of RowSampleText in the list's font; the
// margins are for the list's DPI.
std::int32_t RowHeight(const tzvshortcut& entry, bool largeMode, std::int32_t textHeight,
                       std::int32_t iconHeight, int dpi = 96);

// How far a row at level stands in: a step per level, growing with the
// DPI, never more than half the row's width.
std::int32_t RowIndent(std::uint8_t level, bool largeMode, std::int32_t width, int dpi = 96);

enum class trowcolour : std::uint8_t { Window, WindowText, Highlight, HighlightText, InvalidHotkey };
struct trowcolours {
  trowcolour Background;
  trowcolour Text;
};
trowcolours RowColours(const tzvshortcut& entry, bool selected);

struct trowpoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;
};

struct tseparatorrow {
  trowpoint LineFrom, LineTo;
  trowpoint TextAt;  // SeparatorRowText, on the background so it breaks the line
};
// The line starts indent pixels in; its text stands in the middle of the rest.
tseparatorrow LayoutSeparatorRow(std::int32_t width, std::int32_t height, const ttextwidth& textWidth,
                                 int dpi = 96, std::int32_t indent = 0);

struct trowmetrics {
  std::int32_t Width = 0;   // of the row
  std::int32_t Height = 0;  // of the row
  std::int32_t IconWidth = 32;
  std::int32_t IconHeight = 32;
  std::int32_t TextHeight = 13;
  bool LargeMode = true;
  int Dpi = 96;        // the margins and the badge grow with it
  ttextwidth Regular;  // width in the list's font
  ttextwidth Bold;     // width in its bold style
};

struct tshortcutrow {
  trowpoint IconAt{2, 2};
  bool Badge = false;  // the warning badge over the icon's lower right corner
  trowpoint BadgeAt;
  std::int32_t BadgeSize = 0;  // square, in pixels
  std::string Caption;
  bool CaptionBold = false;
  trowpoint CaptionAt;
  std::string HotkeyText;  // "(...)", or empty when there is no hotkey
  trowpoint HotkeyAt;
  bool ShowPath = false;
  std::string PathText;
  trowpoint PathAt;
};
// Indented by the entry's level. A group shows its caption in bold, alone
// in the middle of the row.
tshortcutrow LayoutShortcutRow(const tzvshortcut& entry, const trowmetrics& m,
                               const std::function<std::string(std::uint16_t)>& hotkeyText);

// Fits a path into maxWidth by putting "..." for the leading directories,
// one after the other, keeping the drive and the file name. When even
// "drive\...\name" is too wide the drive goes, then the end of the name.
std::string ShortenPath(const std::string& path, std::int32_t maxWidth, const ttextwidth& textWidth);

}  // namespace zv
