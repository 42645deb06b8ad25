#pragma once
// Byte-string helpers shared by the core. Texts are bytes in the process
// code page (UTF-8 where the manifest's request is honoured, else the ANSI
// code page); only the ASCII letters are folded when comparing without
// regard to case, so no byte of a longer character is ever changed.
#include <string>
#include <string_view>

namespace zv {

inline char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

inline bool SameTextAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  return true;
}

// Spaces and tabs gone from both ends.
inline std::string_view TrimmedSpaces(std::string_view t) {
  const std::size_t first = t.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return t.substr(first, t.find_last_not_of(" \t") - first + 1);
}

inline std::string UpperAscii(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = AsciiUpper(c);
  return r;
}

}  // namespace zv
