#pragma once
// The display text of a hotkey value, as the menu, the editor and the
// properties dialog show it: German modifier names, then the key name
// ("Umsch+Strg+A", "Strg+Alt+F1"). Empty for 0 and for keys without a name.
#include <cstdint>
#include <string>

#include "model/keynames.h"

namespace zv {

std::string HotkeyToText(std::uint16_t value, const tkeynamesource& names);

// The same with the process's key-name source. The Win32 program installs the
// keyboard's names at start (UseKeyNames(&Win32KeyNames())); until then keys
// outside the fixed table have no name.
std::string HotkeyToText(std::uint16_t value);
void UseKeyNames(const tkeynamesource* names);  // null goes back to no names
const tkeynamesource& CurrentKeyNames();

}  // namespace zv
