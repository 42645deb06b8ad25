#include "core/searchtext.h"

#include <algorithm>
#include <iterator>

#include "core/casefold.h"
#include "core/codepage.h"

namespace zv {

namespace {

struct tcharrange {
  char32_t First;
  char32_t Last;
};

// Above ASCII; sorted. The Latin-1 signs leave out ª, µ and º, letters.
constexpr tcharrange Breaks[] = {
    {0x80, 0xA9},     {0xAB, 0xB4},     {0xB6, 0xB9},     {0xBB, 0xBF},     {0xD7, 0xD7},
    {0xF7, 0xF7},     {0x2000, 0x206F}, {0x2190, 0x2BFF}, {0x3000, 0x3003}, {0x3008, 0x3011},
    {0xFF01, 0xFF0F}, {0xFF1A, 0xFF20}, {0xFF3B, 0xFF40}, {0xFF5B, 0xFF65}, {0xFFFD, 0xFFFD},
};

bool InBreaks(char32_t c) {
  const tcharrange* r =
      std::lower_bound(std::begin(Breaks), std::end(Breaks), c, [](const tcharrange& b, char32_t v) { return b.Last < v; });
  return r != std::end(Breaks) && c >= r->First;
}

bool IsAsciiWordChar(char32_t c) { return (c >= '0' && c <= '9') || ((c | 32) >= 'a' && (c | 32) <= 'z'); }

char32_t NextChar(std::string_view text, std::size_t& i) {
  std::int32_t c = NextUtf8(text, i);
  return c < 0 ? char32_t(0xFFFD) : static_cast<char32_t>(c);
}

}  // namespace

bool IsWhiteSpace(char32_t c) {
  return c == ' ' || (c >= 0x09 && c <= 0x0D) || c == 0xA0 || c == 0x3000 || (c >= 0x2000 && c <= 0x200A);
}

bool IsWordBreak(char32_t c) { return c < 0x80 ? !IsAsciiWordChar(c) : InBreaks(c); }

tsearchtext SearchText(std::string_view utf8, std::size_t maxChars) {
  tsearchtext out;
  out.Text.reserve(std::min(utf8.size(), maxChars * 4));
  bool afterBreak = true;
  bool afterCapital = false;
  for (std::size_t i = 0, n = 0; i < utf8.size() && n < maxChars; ++n) {
    const char32_t c = NextChar(utf8, i);
    const char32_t folded = FoldCase(c);
    const bool capital = IsCapital(c);
    const bool wordBreak = IsWordBreak(c);
    if (!wordBreak && (afterBreak || (capital && !afterCapital)))
      out.WordStarts.push_back(static_cast<std::uint32_t>(out.Text.size()));
    AppendUtf8(out.Text, folded);
    afterBreak = wordBreak;
    afterCapital = capital;
  }
  return out;
}

std::vector<std::string> SearchWords(std::string_view utf8) {
  std::vector<std::string> words;
  std::string word;
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t c = NextChar(utf8, i);
    if (!IsWhiteSpace(c)) {
      AppendUtf8(word, FoldCase(c));
    } else if (!word.empty()) {
      words.push_back(std::move(word));
      word.clear();
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

}  // namespace zv
