// Conversions between the process code page, UTF-8 and Windows-1252, and the
// program's own texts in either code page.
#include <gtest/gtest.h>

#include <algorithm>

#include "codepage_scope.h"
#include "editor/editorrows.h"
#include "core/codepage.h"
#include "model/hotkeytext.h"
#include "model/memorykeynames.h"
#include "ui/menugeometry.h"

using namespace zv;

TEST(UnicodeCodePage, EveryWindows1252ByteGoesToUtf8AndBack) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = Utf8FromCp1252(all);
  EXPECT_TRUE(IsValidUtf8(utf8));
  std::string back;
  EXPECT_TRUE(Cp1252FromUtf8(utf8, back));
  EXPECT_EQ(back, all);
  EXPECT_EQ(Utf8FromCp1252("\x80\xDC\x81"), "\xE2\x82\xAC\xC3\x9C\xC2\x81");
}

TEST(UnicodeCodePage, CharactersOutsideWindows1252AreReportedWithStandIns) {
  std::string out;
  EXPECT_FALSE(Cp1252FromUtf8("\xD0\x94\xD0\xB0 \xCE\xA9", out));  // Cyrillic and Greek
  EXPECT_EQ(out, "?? ?");
  EXPECT_FALSE(Cp1252FromUtf8("a\xFF" "b", out));  // ill-formed counts as unknown
  EXPECT_EQ(out, "a?b");
  EXPECT_TRUE(Cp1252FromUtf8("", out));
  EXPECT_EQ(out, "");
}

TEST(UnicodeCodePage, IllFormedUtf8IsRefusedByteByByte) {
  for (const std::string bad : {"\x80", "\xC0\x80", "\xC1\xBF", "\xE0\x80\x80", "\xED\xA0\x80",
                                "\xF0\x80\x80\x80", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF",
                                "\xE2\x82", "\xF0\x9F\x98"}) {
    EXPECT_FALSE(IsValidUtf8(bad)) << bad.size();
    const std::string clean = SanitizeUtf8(bad);
    EXPECT_TRUE(IsValidUtf8(clean));
    EXPECT_EQ(clean.size(), 3 * bad.size());  // one U+FFFD per byte
  }
  const std::string good = "A\xC3\x9C\xE6\x97\xA5\xF0\x9F\x98\x80\xEF\xBF\xBD";
  EXPECT_TRUE(IsValidUtf8(good));
  EXPECT_EQ(SanitizeUtf8(good), good);
  // A sequence cut at the very end does not read past it.
  std::size_t i = 0;
  EXPECT_EQ(NextUtf8(std::string_view("\xE6\x97", 2), i), -1);
  EXPECT_EQ(i, 1u);
}

TEST(UnicodeCodePage, Utf16WithPairsLoneSurrogatesAndAnOddByte) {
  const std::string le("A\0\x3D\xD8\x00\xDE\x00\xD8" "B\0" "C", 11);  // A, U+1F600, lone D800, B, odd C
  EXPECT_EQ(Utf8FromUtf16(le, false), "A\xF0\x9F\x98\x80\xEF\xBF\xBD" "B");
  const std::string be("\0A\x04\x14", 4);
  EXPECT_EQ(Utf8FromUtf16(be, true), "A\xD0\x94");
}

TEST(UnicodeCodePage, TheTwoPortableCodePages) {
  std::string out;
  EXPECT_EQ(Utf8CodePage().ToUtf8("\xD0\x94\xFF"), "\xD0\x94\xEF\xBF\xBD");
  EXPECT_TRUE(Utf8CodePage().FromUtf8("\xD0\x94", out));
  EXPECT_EQ(out, "\xD0\x94");
  EXPECT_FALSE(Utf8CodePage().FromUtf8("\xD0", out));
  EXPECT_EQ(Cp1252CodePage().ToUtf8("\xFC"), "\xC3\xBC");
  EXPECT_FALSE(Cp1252CodePage().FromUtf8("\xD0\x94", out));
  EXPECT_EQ(out, "?");
}

TEST(UnicodeCodePage, ProgramTextsMeanTheSameCharactersInEitherCodePage) {
  tmemorykeynames keys;
  {
    tcodepagescope scope(Cp1252CodePage());
    EXPECT_EQ(ProgramText("\xC2g"), "\xC2g");
    EXPECT_EQ(HotkeyToText(0x2008, keys), "Umsch+R\xFC" "ck");
  }
  {
    tcodepagescope scope(Utf8CodePage());
    EXPECT_EQ(ProgramText("\xC2g"), "\xC3\x82g");
    EXPECT_EQ(&ProgramText("\xC2g"), &ProgramText("\xC2g"));  // converted once
    EXPECT_EQ(HotkeyToText(0x2008, keys), "Umsch+R\xC3\xBC" "ck");
    EXPECT_EQ(HotkeyToText(0x4041, keys), "Strg+A");
  }
}

namespace {

class tprobefont : public ttextmeasure {
 public:
  int TextWidth(const std::string& text) const override { return static_cast<int>(text.size()); }
  int TextHeight(const std::string& text) const override {
    Probes.push_back(text);
    return 13;
  }
  mutable std::vector<std::string> Probes;
};

}  // namespace

TEST(UnicodeCodePage, TheMenuMeasuresItsLineHeightWithTheSameGlyphs) {
  tcodepagescope scope(Utf8CodePage());
  tprobefont font;
  tmenuentry e;
  e.Caption = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";  // Privet, in Cyrillic
  e.ImageIndex = 1;
  const tmenuitemsize size = MeasureMenuItem(e, tmenustyle{16, 16}, font);
  EXPECT_EQ(size.Width, 12 + 16 + 16);  // the caption's bytes as the fake measures them
  ASSERT_FALSE(font.Probes.empty());
  for (const std::string& probe : font.Probes) EXPECT_EQ(probe, "\xC3\x82g");
}

TEST(UnicodeCodePage, AShortenedNameIsNeverCutInsideACharacter) {
  tcodepagescope scope(Utf8CodePage());
  auto bytes = [](std::string_view s) { return static_cast<std::int32_t>(s.size()) * 6; };
  const std::string name = "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1.exe";  // Greek, 2 bytes a letter
  for (int chars = 3; chars < 16; ++chars) {
    const std::string shown = ShortenPath("C:\\x\\" + name, chars * 6, bytes);
    EXPECT_TRUE(IsValidUtf8(shown)) << chars;
    EXPECT_LE(bytes(shown), std::max(chars * 6, 18)) << chars;
  }
  EXPECT_EQ(ShortenPath("C:\\x\\" + name, 6 * 6, bytes), "\xCE\xA9...");  // not "\xCE\xA9\xCE"
}
