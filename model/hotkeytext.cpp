#include "model/hotkeytext.h"

#include "core/codepage.h"
#include "model/hotkeyvalue.h"

namespace zv {

namespace {

class tnokeynames : public tkeynamesource {
 public:
  std::string KeyName(std::uint8_t) const override { return std::string(); }
};

const tnokeynames noKeyNames;
const tkeynamesource* currentKeyNames = &noKeyNames;

std::string KeyName(std::uint8_t key, const tkeynamesource& names) {
  switch (key) {
    case 0x00: return std::string();  // no key; the keyboard has no scan code for it either
    case 0x08: return ProgramText("R\xFC" "ck");
    case 0x09: return "Tab";
    case 0x0D: return "Enter";
    case 0x1B: return "Esc";
    case 0x20: return "Leertaste";
    case 0x21: return "BildAuf";
    case 0x22: return "BildAb";
    case 0x23: return "Ende";
    case 0x24: return "Pos1";
    case 0x25: return "Left";
    case 0x26: return "Nach oben";
    case 0x27: return "Rechts";
    case 0x28: return "Nach unten";
    case 0x2D: return "Einfg";
    case 0x2E: return "Entf";
    default: break;
  }
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
    return std::string(1, static_cast<char>(key));
  if (key >= 0x60 && key <= 0x69) return std::string(1, static_cast<char>('0' + key - 0x60));
  if (key >= 0x70 && key <= 0x87) return "F" + std::to_string(key - 0x6F);
  return names.KeyName(key);
}

}  // namespace

std::string HotkeyToText(std::uint16_t value, const tkeynamesource& names) {
  std::string name = KeyName(static_cast<std::uint8_t>(value & 0xFF), names);
  if (name.empty()) return name;
  std::string text;
  if (value & hkShift) text += "Umsch+";
  if (value & hkCtrl) text += "Strg+";
  if (value & hkAlt) text += "Alt+";
  return text + name;
}

std::string HotkeyToText(std::uint16_t value) { return HotkeyToText(value, *currentKeyNames); }

void UseKeyNames(const tkeynamesource* names) { currentKeyNames = names ? names : &noKeyNames; }

const tkeynamesource& CurrentKeyNames() { return *currentKeyNames; }

}  // namespace zv
