#pragma once
// Hotkey values: 16 bits with the virtual-key code in the low byte and Shift,
// Ctrl and Alt in the top three bits; 0 means no hotkey. They are what the
// registry, the list files and the settings store.
#include <cstdint>

#include "model/hotkeytable.h"

namespace zv {

enum : std::uint16_t {
  hkKeyMask = 0x1FFF,  // bits 8-12 are never set by the program but count as key code
  hkShift = 0x2000,
  hkCtrl = 0x4000,
  hkAlt = 0x8000,
};

struct thotkeyregistration {
  std::uint32_t Modifiers = 0;
  std::uint32_t VirtualKey = 0;
  bool operator==(const thotkeyregistration&) const = default;
};

// The system's modifiers and key for a value.
thotkeyregistration HotkeyToRegistration(std::uint16_t value);

// Flags of the system hotkey entry control.
enum : std::uint32_t { hcfShift = 1, hcfControl = 2, hcfAlt = 4, hcfExtended = 8 };

struct thotkeycontrolvalue {
  std::uint32_t KeyCode = 0;  // the control keeps only its low byte
  std::uint32_t Flags = 0;
  // The word the control's set-hotkey message takes: key byte, flags byte.
  std::uint16_t Word() const {
    return static_cast<std::uint16_t>((KeyCode & 0xFF) | ((Flags & 0xFF) << 8));
  }
};

// What the entry control reports, as a value; the extended-key flag is
// dropped, and modifiers without a key give 0.
std::uint16_t HotkeyFromControl(std::uint32_t keyCode, std::uint32_t flags);
// The same from the control's get-hotkey answer (key byte, flags byte).
std::uint16_t HotkeyFromControlWord(std::uint32_t word);
thotkeycontrolvalue HotkeyToControl(std::uint16_t value);

// True when the value names a key a keyboard can produce (codes 1 to 255).
// Values with bits 8-12 set or without a key come only from damaged or
// hand-made data; registered, they would be held but never fire.
bool HotkeyHasUsableKey(std::uint16_t value);

// Whether the window could register the value now: tries it under
// identifier 0 and releases it at once. The window must hold nothing under 0.
bool CanRegisterHotkey(thotkeytable& window, std::uint16_t value);

}  // namespace zv
