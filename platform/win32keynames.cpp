#include "platform/win32keynames.h"

#include <windows.h>

namespace zv {

std::string twin32keynames::KeyName(std::uint8_t virtualKey) const {
  UINT scan = MapVirtualKeyA(virtualKey, 0 /* virtual key to scan code */);
  if (scan == 0) return std::string();
  // Scan code in bits 16-23, extended-key flag left clear.
  char buffer[256] = {};
  int length = GetKeyNameTextA(static_cast<LONG>((scan & 0xFF) << 16), buffer, sizeof(buffer));
  if (length <= 0) return std::string();
  return std::string(buffer, static_cast<size_t>(length));
}

const twin32keynames& Win32KeyNames() {
  static const twin32keynames names;
  return names;
}

}  // namespace zv
