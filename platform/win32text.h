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

// Text drawn and measured in the process code page. Through the W calls:
// the A calls of GDI convert with the code page of the font's character
// set, which shows UTF-8 as Windows-1252.
SIZE TextExtent(HDC dc, std::string_view text);
BOOL TextOutText(HDC dc, int x, int y, std::string_view text);
int DrawTextText(HDC dc, std::string_view text, RECT* r, UINT format);

}  // namespace zv
