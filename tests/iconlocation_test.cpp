// Icon locations as shell links and registered classes write them, and the
// program a registered command starts.
#include <gtest/gtest.h>

#include "core/iconlocation.h"

using zv::ParseIconLocation;
using zv::ticonlocation;

TEST(IconLocation, ReadsWhatLinksAndClassesWriteAndRefusesTheRest) {
  struct tcase {
    const char* Text;
    const char* File;
    int Index;
  };
  for (const tcase& c : {tcase{"C:\\Tools\\app.exe,2", "C:\\Tools\\app.exe", 2},
                         tcase{"\"C:\\Program Files\\app.exe\",-101", "C:\\Program Files\\app.exe", -101},
                         tcase{" C:\\a.ico ", "C:\\a.ico", 0},
                         tcase{"%SystemRoot%\\System32\\shell32.dll, +4", "%SystemRoot%\\System32\\shell32.dll", 4},
                         // A comma without a number belongs to the name.
                         tcase{"C:\\Odd, name.ico", "C:\\Odd, name.ico", 0},
                         tcase{"C:\\x.dll,", "C:\\x.dll,", 0}}) {
    ticonlocation l;
    ASSERT_TRUE(ParseIconLocation(c.Text, l)) << c.Text;
    EXPECT_EQ(l.File, c.File);
    EXPECT_EQ(l.Index, c.Index);
    ticonlocation back;
    ASSERT_TRUE(ParseIconLocation(zv::IconLocationText(l), back));
    EXPECT_EQ(back.File, l.File);
    EXPECT_EQ(back.Index, l.Index);
  }
  const std::string tooLong(zv::MaxIconFileChars + 1, 'a');
  for (const std::string& bad : {std::string(""), std::string(" ,3"), std::string("\"\",1"),
                                 std::string("C:\\a\tb.ico"), std::string("C:\\a\"b.ico"), tooLong,
                                 // An index beyond int is no index: the whole is a name with a quote.
                                 std::string("\"C:\\a.ico\",99999999999")}) {
    ticonlocation l;
    EXPECT_FALSE(ParseIconLocation(bad, l)) << bad;
  }
}

TEST(IconLocation, SourcesCarryTheIconAndThePathApart) {
  std::string icon, path;
  EXPECT_EQ(zv::IconSourceText("", "C:\\a.exe"), "C:\\a.exe");
  EXPECT_FALSE(zv::SplitIconSource("C:\\a.exe", icon, path));
  ASSERT_TRUE(zv::SplitIconSource(zv::IconSourceText("C:\\i.ico,1", "https://example.org/a,b"), icon, path));
  EXPECT_EQ(icon, "C:\\i.ico,1");
  EXPECT_EQ(path, "https://example.org/a,b");
}

TEST(IconLocation, TheProgramOfACommandIsItsQuotedOrFirstWord) {
  EXPECT_EQ(zv::ProgramOfCommand("\"C:\\Program Files\\Chat\\chat.exe\" --url \"%1\""),
            "C:\\Program Files\\Chat\\chat.exe");
  EXPECT_EQ(zv::ProgramOfCommand("  C:\\Tools\\open.exe %1"), "C:\\Tools\\open.exe");
  EXPECT_EQ(zv::ProgramOfCommand("\"C:\\unterminated.exe"), "C:\\unterminated.exe");
  EXPECT_EQ(zv::ProgramOfCommand(""), "");
}
