#include "core/url.h"

namespace zv {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsSchemeChar(char c) { return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'; }

}  // namespace

bool IsUrl(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos || colon < 2 || !IsAsciiLetter(text[0])) return false;
  for (std::size_t i = 1; i < colon; ++i)
    if (!IsSchemeChar(text[i])) return false;
  return true;
}

}  // namespace zv
