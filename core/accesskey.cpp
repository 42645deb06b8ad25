#include "core/accesskey.h"

#include "core/textutil.h"

namespace zv {

namespace {

bool AsciiLetterOrDigit(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool Taken(char c, const std::string& taken) {
  for (char t : taken)
    if (AsciiUpper(t) == AsciiUpper(c)) return true;
  return false;
}

}  // namespace

std::size_t AccessKeyMark(const std::string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return i;
    ++i;
  }
  return std::string::npos;
}

char AccessKeyOf(const std::string& text) {
  const std::size_t mark = AccessKeyMark(text);
  return mark == std::string::npos ? 0 : text[mark + 1];
}

std::string WithoutAccessKeys(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&') {
      if (i + 1 < text.size() && text[i + 1] == '&') out += '&', ++i;
      continue;
    }
    out += text[i];
  }
  return out;
}

std::string WithFreeAccessKey(const std::string& text, const std::string& taken) {
  if (AccessKeyOf(text)) return text;
  // Positions in the text (a literal "&&" is skipped whole), word starts
  // first.
  std::size_t best = std::string::npos;
  bool bestStartsWord = false;
  bool wordStart = true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '&') {
      ++i;  // "&&"
      wordStart = false;
      continue;
    }
    const bool starts = wordStart;
    wordStart = c == ' ';
    if (!AsciiLetterOrDigit(c) || Taken(c, taken)) continue;
    if (starts && !bestStartsWord) {
      best = i;
      bestStartsWord = true;
      break;  // the earliest free word start wins
    }
    if (best == std::string::npos) best = i;
  }
  if (best == std::string::npos) return text;
  return text.substr(0, best) + "&" + text.substr(best);
}

std::string AccessKeyName(const std::string& text) {
  const char key = AccessKeyOf(text);
  if (!key) return "";
  return std::string("Alt+") + AsciiUpper(key);
}

}  // namespace zv
