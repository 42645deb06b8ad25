#pragma once
// The system's table of global hotkeys as one window sees it. A key
// combination is held by at most one registration system-wide, so a
// registration fails while any window, of this program or of another, holds
// the same combination. One real table over user32, one in memory.
#include <cstdint>

namespace zv {

// Modifier sets of a registration, numbered as the system numbers them.
enum : std::uint32_t { modAlt = 1, modControl = 2, modShift = 4, modWin = 8 };

// Identifiers of the shortcut-menu and the find hotkey; shortcut hotkeys
// use their list index, so only entries below the lower of them can have a
// hotkey of their own (the system's identifiers for programs end at 0xBFFF).
inline constexpr std::int32_t MenuHotkeyId = 49151;  // 0xBFFF
inline constexpr std::int32_t FindHotkeyId = 49150;
inline constexpr std::int32_t FirstReservedHotkeyId = FindHotkeyId;

class thotkeytable {
 public:
  virtual ~thotkeytable() = default;
  // False when the combination is taken or refused.
  virtual bool Register(std::int32_t id, std::uint32_t modifiers, std::uint32_t virtualKey) = 0;
  virtual bool Unregister(std::int32_t id) = 0;
};

}  // namespace zv
