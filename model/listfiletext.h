#pragma once
// How the texts of a list file are spelled. A list whose texts all fit
// Windows-1252 is written in it, byte for byte as earlier versions wrote it
// and as they and the system's INI functions read it. Any other list is
// written in UTF-8 (without byte-order mark) and says so with a key in its
// root section, which earlier versions pass over.
#include <string>
#include <string_view>

namespace zv {

class tinifile;

inline constexpr const char* EncodingKey = "Encoding";
inline constexpr const char* Utf8EncodingName = "UTF-8";

// A text of the program (process code page) as it goes into a file: its
// Windows-1252 bytes, or with fitsCp1252 false its UTF-8 ones.
struct tfiletext {
  std::string Utf8;
  std::string Cp1252;
  bool FitsCp1252 = true;
};
tfiletext ToFileText(std::string_view text);

// The bytes of a file as the text to parse: one with a UTF-8 or UTF-16
// byte-order mark becomes UTF-8 without it (utf8 is then true); any other is
// left as it is.
std::string DecodeByteOrderMark(std::string text, bool& utf8);

// Whether the parsed file carries the UTF-8 key (the value's letter case
// does not count).
bool IsUtf8ListFile(const tinifile& ini);

// A value of the file in the process code page; false when the code page
// cannot hold some character or the UTF-8 is ill-formed: a text with
// stand-ins would name another file.
bool FromFileText(std::string_view value, bool utf8, std::string& out);

}  // namespace zv
