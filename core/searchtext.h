#pragma once
// Texts as finding by typing compares them: UTF-8 folded by FoldCase, with
// the byte offsets where its words start.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zv {

// Space, tab, line breaks, the no-break and ideographic spaces and the
// spaces of U+2000 to U+200A.
bool IsWhiteSpace(char32_t c);
// White space, ASCII punctuation and symbols, the Latin-1 signs, general
// punctuation, arrows, mathematical and other symbols, CJK and fullwidth
// punctuation, and U+FFFD: what ends a word.
bool IsWordBreak(char32_t c);

struct tsearchtext {
  std::string Text;
  // Ascending. A word starts at the first character, after a word break, and
  // at a capital that follows a character which is no capital
  // ("VisualStudio" has two, "HTMLEditor" one).
  std::vector<std::uint32_t> WordStarts;
};

// The first maxChars characters of utf8, folded; each byte that starts no
// character counts as U+FFFD.
tsearchtext SearchText(std::string_view utf8, std::size_t maxChars);
// The words of typed between white space, each folded, in order.
std::vector<std::string> SearchWords(std::string_view utf8);

}  // namespace zv
