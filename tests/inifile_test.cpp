#include <gtest/gtest.h>

#include "model/inifile.h"

using namespace zv;

namespace {
std::string Read(const std::string& text, const char* section, const char* key) {
  return tinifile(text).ReadString(section, key, "<default>");
}
}  // namespace

TEST(IniReader, NamesIgnoreCaseAndOnlyTheFirstSectionAndKeyCount) {
  const std::string text =
      "[Root]\r\nSavedByClass=first\r\nsavedbyclass=second\r\n"
      "[ROOT]\r\nCount=5\r\n"
      "[ Item0 ]\r\nCaption=spaced header\r\n";
  EXPECT_EQ(Read(text, "root", "SAVEDBYCLASS"), "first");
  // A repeated section is never looked into.
  EXPECT_EQ(Read(text, "Root", "Count"), "<default>");
  EXPECT_EQ(Read(text, "item0", "caption"), "spaced header");
  EXPECT_EQ(Read(text, "Item1", "Caption"), "<default>");
  // Only the ASCII letters fold.
  EXPECT_EQ(Read("[\xC4]\nk=1\n", "\xE4", "k"), "<default>");
}

TEST(IniReader, ValuesAreTrimmedAndLoseOneEnclosingPairOfQuotes) {
  const std::string text =
      "[S]\r\n"
      "  blanks \t=  \t Mail \x1A \r\n"
      "double=\"  Mail  \"\r\n"
      "single='Say hi'\r\n"
      "mixed='x\"\r\n"
      "lone=\"\r\n"
      "empty=\"\"\r\n"
      "twice=\"\"x\"\"\r\n"
      "inner=a \"b\" c\r\n"
      "equals=a=b = c\r\n"
      "nbsp=\xA0x\xA0\r\n";
  EXPECT_EQ(Read(text, "S", "blanks"), "Mail");
  EXPECT_EQ(Read(text, "S", "double"), "  Mail  ");
  EXPECT_EQ(Read(text, "S", "single"), "Say hi");
  EXPECT_EQ(Read(text, "S", "mixed"), "'x\"");
  EXPECT_EQ(Read(text, "S", "lone"), "\"");
  EXPECT_EQ(Read(text, "S", "empty"), "");
  EXPECT_EQ(Read(text, "S", "twice"), "\"x\"");
  EXPECT_EQ(Read(text, "S", "inner"), "a \"b\" c");
  EXPECT_EQ(Read(text, "S", "equals"), "a=b = c");
  EXPECT_EQ(Read(text, "S", "nbsp"), "\xA0x\xA0");
}

TEST(IniReader, LinesEndAtAnyLineBreakAndStrangeLinesHaveADefinedMeaning) {
  EXPECT_EQ(Read("[S]\rk=a\rj=b", "S", "j"), "b");
  EXPECT_EQ(Read("[S]\nk=a\n\n\nj=b\n", "S", "j"), "b");
  // A key line without "=" is the first match and gives the default.
  EXPECT_EQ(Read("[S]\nk\nk=a\n", "S", "k"), "<default>");
  // Text after the closing bracket is ignored; the last bracket closes.
  EXPECT_EQ(Read("[S] junk\nk=a\n", "S", "k"), "a");
  EXPECT_EQ(Read("[U]]\nk=c\n", "U]", "k"), "c");
  // An unclosed header is a key line of the section before it.
  EXPECT_EQ(Read("[S]\n[T\nk=b\n", "S", "k"), "b");
  EXPECT_EQ(Read("k=outside\n[S]\n", "", "k"), "<default>");
  EXPECT_EQ(Read(std::string("[S]\nk=ab\0cd\nj=\"ab\0cd\"\n", 22), "S", "k"), "ab");
  EXPECT_EQ(Read(std::string("[S]\nk=ab\0cd\nj=\"ab\0cd\"\n", 22), "S", "j"), "\"ab");
  EXPECT_EQ(Read("", "S", "k"), "<default>");
  EXPECT_EQ(Read("[S]\nk=" + std::string(5000, 'x') + "\n", "S", "k"), std::string(5000, 'x'));
}

TEST(IniReader, ByteOrderMarksConvertToTheAnsiCodePage) {
  EXPECT_EQ(Read("\xEF\xBB\xBF[S]\r\nk=R\xC3\xBC" "ck \xE2\x82\xAC \xE4\xB8\x80\r\n", "S", "k"),
            "R\xFC" "ck \x80 ?");
  const std::string utf16("\xFF\xFE[\0S\0]\0\n\0k\0=\0\xFC\0\n\0", 18);
  EXPECT_EQ(Read(utf16, "S", "k"), "\xFC");
}

TEST(IniReader, IntegersInDecimalAndBothHexFormsWithDefaultsForAnythingElse) {
  struct { const char* text; std::int32_t expected; } cases[] = {
      {"0x4045", 0x4045}, {"0X1f", 31},   {"$1F", 31},          {"$FFFFFFFF", -1},
      {"0x0000000010", 16}, {"-12", -12}, {"+7", 7},            {"007", 7},
      {"2147483647", 2147483647},         {"-2147483648", INT32_MIN},
      {"2147483648", -99}, {"0x1FFFFFFFF", -99}, {"0x", -99},   {"0", 0},
      {"$", -99},          {"-$10", -99},  {"12abc", -99},      {"", -99},
      {"-", -99},          {"0xG", -99},   {"1 2", -99},        {"99999999999999999999", -99}};
  for (auto& c : cases) EXPECT_EQ(ParseIniInteger(c.text, -99), c.expected) << c.text;
  EXPECT_EQ(tinifile("[S]\nk= 0x4045 \n").ReadInteger("S", "k", 0), 0x4045);
  EXPECT_EQ(tinifile("[S]\n").ReadInteger("S", "k", 7), 7);
}

TEST(IniWriter, ReplacesInPlaceAppendsToItsSectionAndAddsSectionsAtTheEnd) {
  tinifile ini("; kept\r\n[A]\r\nx=1\r\nY=2\r\n\r\n[B]\r\nz=3");
  ini.WriteString("a", "y", "two");
  ini.WriteString("A", "w", "new");
  ini.WriteString("B", "v", "4");
  ini.WriteString("C", "u", "5");
  EXPECT_EQ(ini.Text(),
            "; kept\r\n[A]\r\nx=1\r\nY=two\r\nw=new\r\n\r\n[B]\r\nz=3\r\nv=4\r\n[C]\r\nu=5\r\n");
  EXPECT_EQ(ini.ReadString("a", "W", ""), "new");
  tinifile bare("[S]");
  bare.WriteString("T", "k", "1");
  EXPECT_EQ(bare.Text(), "[S]\r\n[T]\r\nk=1\r\n");
}

TEST(IniWriter, EveryValueReadsBackExactlyExceptLineBreaks) {
  std::vector<std::string> values = {"  Mail  ", "'x'", "\"x\"", "\"", "'", "\t", " ",
                                     "", "a\\", "\\\"", "x=y", "[Root]", "; no comment",
                                     "\xA0x", "x\x1A", std::string(3000, 'L')};
  for (int b = 1; b < 256; ++b) {
    if (b == '\r' || b == '\n') continue;
    const std::string c(1, static_cast<char>(b));
    values.push_back(c + "X" + c);
    values.push_back(c);
  }
  tinifile ini;
  for (size_t i = 0; i < values.size(); ++i) ini.WriteString("S", "k" + std::to_string(i), values[i]);
  tinifile back(ini.Text());
  for (size_t i = 0; i < values.size(); ++i)
    EXPECT_EQ(back.ReadString("S", "k" + std::to_string(i), "<default>"), values[i]) << i;

  // A line break must not start a new line in the file: it becomes a blank.
  tinifile broken;
  broken.WriteString("S", "k", "a\r\n[Root]\nSavedByClass=x\r");
  broken.WriteString("S", "j", "after");
  EXPECT_EQ(broken.Text(), "[S]\r\nk=\"a  [Root] SavedByClass=x \"\r\nj=after\r\n");
  EXPECT_FALSE(tinifile(broken.Text()).SectionExists("Root"));
}
