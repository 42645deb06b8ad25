#pragma once
// One entry of the shortcut list: an application, file, folder, separator
// or group. A group is stored as a separator with Group set, so that an
// earlier version shows a separator there; the entries after it with a
// Level one deeper are its own.
#include <cstdint>
#include <string>

namespace zv {

enum : std::uint8_t { stSeparator = 0, stApplication = 1, stFile = 2, stFolder = 3 };
enum : std::uint8_t { vsMinimized = 0, vsNormal = 1, vsMaximized = 2 };
enum : std::uint8_t { hsNone = 0, hsInvalid = 1, hsRegistered = 2, hsFailed = 3 };

// A stored level as the entry holds it: below 0 is 0, above 255 is 255; the
// list then fits it to its groups.
inline std::uint8_t StoredLevel(std::int64_t level) {
  return static_cast<std::uint8_t>(level < 0 ? 0 : level > 255 ? 255 : level);
}

class tzvshortcut {
 public:
  std::string Caption = "New Shortcut";
  std::uint8_t ShortcutType = stApplication;
  std::uint8_t ViewStyle = vsNormal;
  std::string Path;
  std::string Parameters;
  std::string WorkingDir;
  bool FullExplorer = false;
  std::uint16_t Hotkey = 0;
  // With ShortcutType stSeparator: a group, shown with its Caption.
  bool Group = false;
  // 0 at the top of the list, 1 inside a top-level group, and so on.
  std::uint8_t Level = 0;
  // An icon of its own, "file,index" as shell links name it (%VARIABLES% as
  // in paths); empty: the shell's icon for the path, or a group's folder.
  std::string Icon;
  // Transient, never stored.
  std::uint8_t HotkeyStatus = hsNone;
  std::int32_t ImageIndex = 0;

  bool IsGroup() const { return ShortcutType == stSeparator && Group; }
  // A separator, not a group: what tidying and the menus treat as a line.
  bool IsLine() const { return ShortcutType == stSeparator && !Group; }
  // What the entry's picture is looked up by (see IconSourceText).
  std::string IconSource() const;

  // Duplicate test. A separator on the left is never equal to anything.
  bool IsEqual(const tzvshortcut* other) const;
  // Copies every field, the transient ones included; null changes nothing.
  void Assign(const tzvshortcut* source);
};

}  // namespace zv
