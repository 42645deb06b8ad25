#include "platform/win32keynames.h"

#include <windows.h>

#include "platform/win32text.h"

namespace zv {

std::string twin32keynames::KeyName(std::uint8_t virtualKey) const {
  UINT scan = MapVirtualKeyA(virtualKey, 0 /* virtual key to scan code */);
  if (scan == 0) return std::string();
  // Scan code in bits 16-23, extended-key flag left clear. The W form: the
  // A form's buffer counts bytes, which a layout's name in UTF-8 may outgrow.
  wchar_t buffer[256] = {};
  int length = GetKeyNameTextW(static_cast<LONG>((scan & 0xFF) << 16), buffer, 256);
  if (length <= 0) return std::string();
  std::string name;
  ProcessFromWide(std::wstring_view(buffer, static_cast<size_t>(length)), name);
  return name;
}

const twin32keynames& Win32KeyNames() {
  static const twin32keynames names;
  return names;
}

}  // namespace zv
