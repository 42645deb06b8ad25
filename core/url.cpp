#include "core/url.h"

#include "core/textutil.h"

namespace zv {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsSchemeChar(char c) { return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'; }

constexpr std::size_t MaxUrlChars = 2048;

// The value of name in the "[InternetShortcut]" section, trimmed; empty when
// there is none.
std::string_view InternetShortcutValue(std::string_view contents, std::string_view name) {
  if (contents.substr(0, 3) == "\xEF\xBB\xBF") contents.remove_prefix(3);
  bool inSection = false;
  while (!contents.empty()) {
    const std::size_t end = contents.find('\n');
    std::string_view line = contents.substr(0, end);
    contents = end == std::string_view::npos ? std::string_view() : contents.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = TrimmedSpaces(line);
    if (!line.empty() && line.front() == '[') {
      inSection = line.back() == ']' && SameTextAscii(TrimmedSpaces(line.substr(1, line.size() - 2)), "InternetShortcut");
      continue;
    }
    const std::size_t equals = line.find('=');
    if (inSection && equals != std::string_view::npos && SameTextAscii(TrimmedSpaces(line.substr(0, equals)), name))
      return TrimmedSpaces(line.substr(equals + 1));
  }
  return {};
}

bool HasControlCharacters(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
  return false;
}

}  // namespace

std::string UrlOfInternetShortcut(std::string_view contents) {
  const std::string_view url = InternetShortcutValue(contents, "URL");
  if (url.size() > MaxUrlChars || !IsUrl(url) || HasControlCharacters(url)) return {};
  return std::string(url);
}

std::string IconOfInternetShortcut(std::string_view contents) {
  const std::string_view file = InternetShortcutValue(contents, "IconFile");
  // Browsers name the site's icon by its address: nothing to load here.
  if (file.empty() || file.size() > MaxUrlChars || IsUrl(file) || HasControlCharacters(file)) return {};
  std::string_view index = InternetShortcutValue(contents, "IconIndex");
  if (index.empty() || index.size() > 6 || index.find_first_not_of("-0123456789") != std::string_view::npos)
    index = "0";
  return std::string(file) + "," + std::string(index);
}

bool IsUrl(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos || colon < 2 || !IsAsciiLetter(text[0])) return false;
  for (std::size_t i = 1; i < colon; ++i)
    if (!IsSchemeChar(text[i])) return false;
  return true;
}

std::string_view UrlScheme(std::string_view text) {
  return IsUrl(text) ? text.substr(0, text.find(':')) : std::string_view();
}

}  // namespace zv
