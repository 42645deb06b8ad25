#pragma once
// Texts between the process code page and the system's UTF-16, for the calls
// whose A form would cut or replace what it cannot hold.
#include <windows.h>

#include <string>
#include <string_view>

namespace zv {

std::wstring WideFromProcess(std::string_view text);
// False when some character has no place in the process code page (an
// unpaired surrogate included); out then holds stand-ins for them.
bool ProcessFromWide(std::wstring_view text, std::string& out);

// The whole window text, however long.
std::string WindowText(HWND window);

}  // namespace zv
