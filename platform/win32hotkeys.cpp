#include "platform/win32hotkeys.h"

#include <windows.h>

namespace zv {

bool twin32hotkeys::Register(std::int32_t id, std::uint32_t modifiers, std::uint32_t virtualKey) {
  return ::RegisterHotKey(static_cast<HWND>(window_), id, modifiers, virtualKey) != FALSE;
}

bool twin32hotkeys::Unregister(std::int32_t id) {
  return ::UnregisterHotKey(static_cast<HWND>(window_), id) != FALSE;
}

}  // namespace zv
