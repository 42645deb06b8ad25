#include "core/casefold.h"

#include <gtest/gtest.h>

#include "core/searchtext.h"

TEST(CaseFold, CapitalsOfEveryScriptFoldToTheirSmallLetters) {
  const std::pair<char32_t, char32_t> pairs[] = {
      {U'A', U'a'},   {U'Ä', U'ä'},   {U'Þ', U'þ'},   {U'Ÿ', U'ÿ'},   {U'Ā', U'ā'},   {U'Ł', U'ł'},
      {U'Ž', U'ž'},   {U'ſ', U's'},   {U'Ǆ', U'ǆ'},   {U'ǅ', U'ǆ'},   {U'Ə', U'ə'},   {U'Ǻ', U'ǻ'},
      {U'Ω', U'ω'},   {U'Ά', U'ά'},   {U'Ώ', U'ώ'},   {U'Σ', U'σ'},   {U'ς', U'σ'},   {U'Ϊ', U'ϊ'},
      {U'Ἀ', U'ἀ'},   {U'Ё', U'ё'},   {U'Я', U'я'},   {U'Ѣ', U'ѣ'},   {U'Ґ', U'ґ'},   {U'Ӏ', U'ӏ'},
      {U'Ӂ', U'ӂ'},   {U'Ԯ', U'ԯ'},   {U'Ա', U'ա'},   {U'Ⴀ', U'ⴀ'},   {U'Ა', U'ა'},   {U'Ạ', U'ạ'},
      {U'ẞ', U'ß'},   {U'\u212A', U'k'}, {U'Ａ', U'ａ'}, {U'Ⲁ', U'ⲁ'},
  };
  for (auto [capital, small] : pairs) {
    EXPECT_EQ(zv::FoldCase(capital), small) << std::hex << static_cast<std::uint32_t>(capital);
    EXPECT_EQ(zv::FoldCase(small), small) << std::hex << static_cast<std::uint32_t>(small);
  }
  for (char32_t same : {U'ß', U'ı', U'İ', U'7', U'中', U'\uFFFD', U'×', U'÷', char32_t(0x10FFFF)})
    EXPECT_EQ(zv::FoldCase(same), same) << std::hex << static_cast<std::uint32_t>(same);
  EXPECT_TRUE(zv::IsCapital(U'Ё'));
  EXPECT_FALSE(zv::IsCapital(U'ς'));
  EXPECT_FALSE(zv::IsCapital(U'ё'));
}

TEST(CaseFold, FoldingTwiceChangesNothingMoreForAnyCharacter) {
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    const char32_t once = zv::FoldCase(c);
    if (zv::FoldCase(once) != once) FAIL() << std::hex << static_cast<std::uint32_t>(c);
  }
}

TEST(FindText, WordStartsAfterBreaksAndAtCaseChanges) {
  auto starts = [](const char* utf8) {
    zv::tsearchtext t = zv::SearchText(utf8, 512);
    std::string out;
    for (std::uint32_t at : t.WordStarts) out += t.Text.substr(at, 2) + ",";
    return out;
  };
  EXPECT_EQ(starts("VisualStudio Code-OSS"), "vi,st,co,os,");
  EXPECT_EQ(starts("HTMLEditor Win10Pro"), "ht,wi,pr,");
  EXPECT_EQ(starts("  (notepad++) x"), "no,x,");
  EXPECT_EQ(starts("\xCE\xA3\xCE\xBF\xCF\x86\xCE\xAF\xCE\xB1\xCF\x82"), "\xCF\x83,");  // "Σοφίας": one word
  EXPECT_EQ(zv::SearchText("Bad\xFF" "Name", 512).Text, "bad\xEF\xBF\xBDname");
  EXPECT_EQ(starts("Bad\xFF" "name"), "ba,na,");
  EXPECT_EQ(zv::SearchText("\xC3\x84\xC3\x84\xC3\x84", 2).Text, "\xC3\xA4\xC3\xA4");
  EXPECT_EQ(zv::SearchWords(" Ab\t\xC3\x84 \xE3\x80\x80 c "), (std::vector<std::string>{"ab", "\xC3\xA4", "c"}));
}
