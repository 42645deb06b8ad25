#include "model/hotkeyvalue.h"

namespace zv {

thotkeyregistration HotkeyToRegistration(std::uint16_t value) {
  thotkeyregistration r;
  r.VirtualKey = value & hkKeyMask;
  if (value & hkShift) r.Modifiers |= modShift;
  if (value & hkAlt) r.Modifiers |= modAlt;
  if (value & hkCtrl) r.Modifiers |= modControl;
  return r;
}

std::uint16_t HotkeyFromControl(std::uint32_t keyCode, std::uint32_t flags) {
  // Modifiers held without a key are no hotkey; kept, they would make a value
  // that shows no text and can never be registered.
  if ((keyCode & 0xFF) == 0) return 0;
  // Shift 1, Ctrl 2, Alt 4 land on bits 13-15; the extended flag falls off.
  return static_cast<std::uint16_t>(((keyCode & 0xFF) + (flags << 13)) & 0xFFFF);
}

std::uint16_t HotkeyFromControlWord(std::uint32_t word) {
  return HotkeyFromControl(word & 0xFF, (word >> 8) & 0xFF);
}

thotkeycontrolvalue HotkeyToControl(std::uint16_t value) {
  thotkeycontrolvalue c;
  c.KeyCode = value & hkKeyMask;
  if (value & hkShift) c.Flags |= hcfShift;
  if (value & hkCtrl) c.Flags |= hcfControl;
  if (value & hkAlt) c.Flags |= hcfAlt;
  return c;
}

bool HotkeyHasUsableKey(std::uint16_t value) {
  std::uint16_t key = value & hkKeyMask;
  return key >= 1 && key <= 0xFF;
}

bool CanRegisterHotkey(thotkeytable& window, std::uint16_t value) {
  // The system may accept a key code no keyboard sends; such a hotkey would
  // test as usable and then never work.
  if (!HotkeyHasUsableKey(value)) return false;
  thotkeyregistration r = HotkeyToRegistration(value);
  if (!window.Register(0, r.Modifiers, r.VirtualKey)) return false;
  window.Unregister(0);
  return true;
}

}  // namespace zv
