#pragma once
// One item of an owner-drawn pop-up menu, as the builder decided it and the
// painter draws it.
#include <cstdint>
#include <string>

namespace zv {

inline constexpr const char* SeparatorCaption = "-";
// The one item of a group that holds nothing.
inline constexpr const char* EmptyGroupCaption = "(Empty)";

struct tmenuentry {
  std::string Caption;
  // Kept apart from the caption, so a shortcut named "-" stays a command.
  bool Separator = false;
  std::int32_t ImageIndex = -1;  // -1: no icon
  std::uint16_t Hotkey = 0;      // the displayed hotkey value, 0 for none
  std::string HotkeyText;        // its display text, without the parentheses
  std::int32_t Tag = 0;          // list index of the shortcut or group; 0 for separators
  // A group opens the entries after it that are one level deeper as its
  // submenu.
  bool Group = false;
  std::uint8_t Level = 0;
  bool Disabled = false;  // shown grey, never chosen

  bool ShowsHotkey() const { return Hotkey != 0 && !HotkeyText.empty(); }
  // What a screen reader reads for the item, as for a menu of strings: the
  // caption, then a tab and the hotkey where one is shown; none for a
  // separator.
  std::string AccessibleName() const {
    if (Separator) return std::string();
    return ShowsHotkey() ? Caption + "\t" + HotkeyText : Caption;
  }
};

// A context-menu style item: the caption "-" makes it a separator.
inline tmenuentry MenuEntry(const std::string& caption, std::int32_t imageIndex) {
  tmenuentry e;
  e.Caption = caption;
  e.Separator = caption == SeparatorCaption;
  e.ImageIndex = e.Separator ? -1 : imageIndex;
  return e;
}

// Command identifiers of menu positions. 0 is what a cancelled menu returns,
// so position i has the identifier i + 1.
inline constexpr std::uint32_t MenuCommandOfPosition(std::int32_t position) {
  return static_cast<std::uint32_t>(position) + 1;
}
inline constexpr std::int32_t MenuPositionOfCommand(std::uint32_t command) {
  return command == 0 ? -1 : static_cast<std::int32_t>(command - 1);
}

}  // namespace zv
