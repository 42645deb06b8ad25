#pragma once
// One entry of the shortcut list: an application, file, folder or separator.
#include <cstdint>
#include <string>

namespace zv {

enum : std::uint8_t { stSeparator = 0, stApplication = 1, stFile = 2, stFolder = 3 };
enum : std::uint8_t { vsMinimized = 0, vsNormal = 1, vsMaximized = 2 };
enum : std::uint8_t { hsNone = 0, hsInvalid = 1, hsRegistered = 2, hsFailed = 3 };

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
  // Transient, never stored.
  std::uint8_t HotkeyStatus = hsNone;
  std::int32_t ImageIndex = 0;

  // Duplicate test. A separator on the left is never equal to anything.
  bool IsEqual(const tzvshortcut* other) const;
  // Copies every field, the transient ones included; null changes nothing.
  void Assign(const tzvshortcut* source);
};

}  // namespace zv
