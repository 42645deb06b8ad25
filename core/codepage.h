#pragma once
// Texts inside the program are byte strings in the process code page: UTF-8
// where the system honours the executable's request for it, the ANSI code
// page elsewhere. These are the conversions between that code page, UTF-8
// and Windows-1252, the code page of the program's own texts and of list
// files written by earlier versions.
#include <cstdint>
#include <string>
#include <string_view>

namespace zv {

// The character of a Windows-1252 byte. The five bytes the code page leaves
// undefined stand for the control characters of the same number, as the
// system converts them, so every byte has a character and back.
char32_t Cp1252ToChar(unsigned char byte);
// The Windows-1252 byte of a character; -1 when it has none.
int CharToCp1252(char32_t c);

// The next character of UTF-8 text at i, advancing i past it; -1 (and i one
// byte on) for a byte that starts no well-formed sequence: stray
// continuation bytes, overlong forms, surrogates, values above U+10FFFF and
// cut sequences.
std::int32_t NextUtf8(std::string_view text, std::size_t& i);
void AppendUtf8(std::string& out, char32_t c);
bool IsValidUtf8(std::string_view text);
// Well-formed UTF-8: each byte that starts no character becomes U+FFFD.
std::string SanitizeUtf8(std::string_view text);

std::string Utf8FromCp1252(std::string_view text);
// False when some character has no Windows-1252 byte; "?" stands in for it.
// Ill-formed UTF-8 counts as such a character.
bool Cp1252FromUtf8(std::string_view utf8, std::string& out);
// UTF-16 code units as bytes in either order as UTF-8; an unpaired surrogate
// becomes U+FFFD and an odd last byte is dropped.
std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian);

class tcodepage {
 public:
  virtual ~tcodepage() = default;
  virtual bool IsUtf8() const = 0;
  // The text as UTF-8; bytes that mean no character become U+FFFD.
  virtual std::string ToUtf8(std::string_view text) const = 0;
  // UTF-8 in this code page; false when some character has no place in it
  // (a stand-in such as "?" is written for it).
  virtual bool FromUtf8(std::string_view utf8, std::string& out) const = 0;
};

const tcodepage& Utf8CodePage();
const tcodepage& Cp1252CodePage();

// The code page of every text in the program. Tests may put another in its
// place; null restores the platform's own.
const tcodepage& ProcessCodePage();
void UseProcessCodePage(const tcodepage* page);
// The platform's own: the Win32 build asks the system, elsewhere it is
// Windows-1252, the code page of earlier Windows without the UTF-8 option.
const tcodepage& DefaultProcessCodePage();

// The program's own texts are spelled in Windows-1252 in the sources; this
// gives one in the process code page, so that it shows the same characters
// whatever that is. Converted once per code page.
const std::string& ProgramText(std::string_view cp1252);

}  // namespace zv
