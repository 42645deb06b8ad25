// List files with texts beyond Windows-1252: UTF-8 with the marker key,
// while lists that fit Windows-1252 stay byte for byte as they always were.
#include <gtest/gtest.h>

#include "codepage_scope.h"
#include "cp1252_list.h"
#include "cp1252_list_shl.h"  // generated from tests/data/cp1252-list.shl
#include "list_helpers.h"
#include "model/inifile.h"
#include "model/listprogress.h"
#include "model/memoryfileio.h"
#include "model/tzvshortcutlist.h"

using namespace zv;

namespace {

const std::string Data = "C:\\\xD0\x94\xD0\xB0\xD0\xBD\xD0\xBD\xD1\x8B\xD0\xB5";  // C:\Данные
const std::string Omega = "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1";             // Ωμέγα
const std::string Privet = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";    // Привет
const std::string Nihon = "\xE6\x97\xA5\xE6\x9C\xAC";                              // 日本

std::string Export(tzvshortcutlist& list) {
  tmemoryfileio io;
  tnullprogress progress;
  EXPECT_TRUE(list.ExportToFile("list.shl", progress, io));
  return io.Files["list.shl"];
}

bool Import(tzvshortcutlist& list, const std::string& bytes) {
  tmemoryfileio io;
  io.Files["list.shl"] = bytes;
  tnullprogress progress;
  return list.ImportFromFile("list.shl", progress, io);
}

// The list of FillCp1252List with every text in UTF-8.
void FillCp1252ListAsUtf8(tzvshortcutlist& list) {
  FillCp1252List(list);
  for (int i = 0; i < list.Count(); ++i) {
    tzvshortcut* s = list.GetItem(i);
    for (std::string* text : {&s->Caption, &s->Path, &s->Parameters, &s->WorkingDir}) *text = U8(*text);
  }
}

std::unique_ptr<tzvshortcut> Unicode() {
  auto s = MakeShortcut(stApplication, "app", Data + "\\" + Omega + "\\app.exe");
  s->Parameters = "/name \"" + Privet + "\" " + Nihon;
  s->WorkingDir = Data + "\\" + Omega;
  return s;
}

}  // namespace

TEST(UnicodeListFile, AWindows1252ListExportsByteIdenticalToEarlierVersions) {
  const std::string earlier(reinterpret_cast<const char*>(Cp1252ListShl), sizeof(Cp1252ListShl));
  {
    tcodepagescope scope(Cp1252CodePage());  // as on systems without the UTF-8 code page
    tzvshortcutlist list;
    FillCp1252List(list);
    EXPECT_EQ(Export(list), earlier);
  }
  {
    tcodepagescope scope(Utf8CodePage());
    tzvshortcutlist list;
    FillCp1252ListAsUtf8(list);
    const std::string bytes = Export(list);
    EXPECT_EQ(bytes, earlier);
    EXPECT_EQ(bytes.find("Encoding"), std::string::npos);
  }
}

TEST(UnicodeListFile, AFileOfAnEarlierVersionImportsWithTheSameCharacters) {
  const std::string earlier(reinterpret_cast<const char*>(Cp1252ListShl), sizeof(Cp1252ListShl));
  tzvshortcutlist expected1252, expectedUtf8;
  FillCp1252List(expected1252);
  {
    tcodepagescope scope(Cp1252CodePage());
    tzvshortcutlist list;
    ASSERT_TRUE(Import(list, earlier));
    EXPECT_EQ(Describe(list), Describe(expected1252));
  }
  tcodepagescope scope(Utf8CodePage());
  FillCp1252ListAsUtf8(expectedUtf8);
  tzvshortcutlist list;
  ASSERT_TRUE(Import(list, earlier));
  EXPECT_EQ(Describe(list), Describe(expectedUtf8));
  EXPECT_EQ(list.GetItem(0)->Caption, "\xC3\x9C" "bersicht");
}

TEST(UnicodeListFile, OtherTextsGoInUtf8WithTheMarkerAndComeBackWhole) {
  tcodepagescope scope(Utf8CodePage());
  tzvshortcutlist list;
  Append(list, Unicode());
  Append(list, MakeShortcut(stFile, U8("\xDC" "bersicht"), "C:\\x.txt"));
  auto folder = MakeShortcut(stFolder, Privet, Data);
  folder->FullExplorer = true;
  // An icon's file may be in any script too.
  folder->Icon = Data + "\\" + Nihon + ".ico,3";
  Append(list, std::move(folder));
  const std::string bytes = Export(list);
  EXPECT_EQ(bytes.substr(0, bytes.find("[Item0]")),
            "[Root]\r\nSavedByClass=tzvshortcutlist\r\nCount=3\r\nEncoding=UTF-8\r\n");
  EXPECT_NE(bytes.find("Path=" + Data + "\\" + Omega + "\\app.exe\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("Parameters=/name \\\"" + Privet + "\\\" " + Nihon + "\r\n"), std::string::npos);
  // In a UTF-8 file the Windows-1252 letters are UTF-8 too.
  EXPECT_NE(bytes.find("Caption=\xC3\x9C" "bersicht\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("Icon=" + Data + "\\" + Nihon + ".ico,3\r\n"), std::string::npos);
  tzvshortcutlist back;
  ASSERT_TRUE(Import(back, bytes));
  EXPECT_EQ(Describe(back), Describe(list));
  EXPECT_EQ(Export(back), bytes);
}

TEST(UnicodeListFile, OnlyTheFieldsATypeStoresDecideTheEncoding) {
  tcodepagescope scope(Utf8CodePage());
  tzvshortcutlist list;
  auto file = MakeShortcut(stFile, "Notes", "C:\\notes.txt");
  file->Parameters = Privet;  // not stored for files
  Append(list, std::move(file));
  auto separator = Separator();
  separator->Caption = Nihon;
  Append(list, std::move(separator));
  EXPECT_EQ(Export(list).find("Encoding"), std::string::npos);
}

TEST(UnicodeListFile, TheMarkerIsFoundAsTheIniRulesFindKeys) {
  tcodepagescope scope(Utf8CodePage());
  const std::string head = "[Root]\r\nSavedByClass=tzvshortcutlist\r\nCount=1\r\n";
  const std::string item = "[Item0]\r\nShortcutType=2\r\nCaption=" + Privet + "\r\nPath=C:\\a\r\n";
  tzvshortcutlist lower;
  ASSERT_TRUE(Import(lower, head + "encoding = utf-8 \r\n" + item));
  EXPECT_EQ(lower.GetItem(0)->Caption, Privet);
  // Outside the root section it is no marker: the bytes are Windows-1252.
  tzvshortcutlist elsewhere;
  ASSERT_TRUE(Import(elsewhere, head + item + "Encoding=UTF-8\r\n"));
  EXPECT_EQ(elsewhere.GetItem(0)->Caption, U8(Privet));
  // Another name of an encoding is no marker either.
  tzvshortcutlist other;
  ASSERT_TRUE(Import(other, head + "Encoding=UTF-16\r\n" + item));
  EXPECT_EQ(other.GetItem(0)->Caption, U8(Privet));
}

TEST(UnicodeListFile, IllFormedUtf8InAMarkedFileRefusesOnlyItsEntry) {
  tcodepagescope scope(Utf8CodePage());
  const std::string file =
      "[Root]\r\nSavedByClass=tzvshortcutlist\r\nCount=4\r\nEncoding=UTF-8\r\n"
      "[Item0]\r\nShortcutType=2\r\nCaption=Good\r\nPath=C:\\" + Privet + "\r\n"
      "[Item1]\r\nShortcutType=2\r\nCaption=Bad\xC0\x80\r\nPath=C:\\b\r\n"
      "[Item2]\r\nShortcutType=2\r\nCaption=Also bad\r\nPath=C:\\c\xED\xA0\x80\r\n"
      // A file stores no parameters: what stands there does not count.
      "[Item3]\r\nShortcutType=2\r\nCaption=Taken\r\nPath=C:\\d\r\nParameters=\xFF\r\n";
  tzvshortcutlist list;
  EXPECT_FALSE(Import(list, file));  // reported as an import error
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.GetItem(0)->Path, "C:\\" + Privet);
  EXPECT_EQ(list.GetItem(1)->Caption, "Taken");
}

TEST(UnicodeListFile, WithoutTheUtf8CodePageEntriesThatDoNotFitAreNotTaken) {
  std::string bytes;
  {
    tcodepagescope scope(Utf8CodePage());
    tzvshortcutlist list;
    Append(list, Unicode());
    Append(list, MakeShortcut(stFile, U8("\xDC" "bersicht"), "C:\\x.txt"));
    bytes = Export(list);
  }
  tcodepagescope scope(Cp1252CodePage());  // as on Windows before the UTF-8 option
  tzvshortcutlist list;
  EXPECT_FALSE(Import(list, bytes));
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.GetItem(0)->Caption, "\xDC" "bersicht");
}

TEST(UnicodeListFile, ByteOrderMarksMeanUtf8OrUtf16Text) {
  tcodepagescope scope(Utf8CodePage());
  const std::string body = "[Root]\r\nSavedByClass=tzvshortcutlist\r\nCount=1\r\n"
                           "[Item0]\r\nShortcutType=3\r\nCaption=" + Privet + "\r\nPath=" + Data + "\r\n";
  for (const std::string& mark : {std::string("\xEF\xBB\xBF"), std::string("\xEF\xBB\xBF\xEF\xBB\xBF")}) {
    tzvshortcutlist list;
    ASSERT_TRUE(Import(list, mark + body));
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.GetItem(0)->Caption, Privet);
    EXPECT_EQ(list.GetItem(0)->Path, Data);
  }
  // The same text in UTF-16, little-endian with its mark.
  std::string utf16 = "\xFF\xFE";
  for (std::size_t i = 0; i < body.size();) {
    const std::int32_t c = NextUtf8(body, i);
    utf16 += static_cast<char>(c & 0xFF);
    utf16 += static_cast<char>(c >> 8);
  }
  tzvshortcutlist list;
  ASSERT_TRUE(Import(list, utf16));
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.GetItem(0)->Caption, Privet);
}

TEST(UnicodeListFile, LongTextsInAnyScriptRoundTrip) {
  tcodepagescope scope(Utf8CodePage());
  std::string caption, path = "C:";
  for (int i = 0; i < 20000; ++i) caption += Nihon;
  for (int i = 0; i < 2000; ++i) path += "\\" + Omega;
  tzvshortcutlist list;
  Append(list, MakeShortcut(stFolder, caption, path));
  tzvshortcutlist back;
  ASSERT_TRUE(Import(back, Export(list)));
  EXPECT_EQ(Describe(back), Describe(list));
}

TEST(UnicodeListFile, EarlierVersionsStillFindTheListInAUtf8File) {
  tcodepagescope scope(Utf8CodePage());
  tzvshortcutlist list;
  Append(list, Unicode());
  // What earlier versions read: the INI rules on the bytes as they are.
  const tinifile ini(Export(list));
  EXPECT_EQ(ini.ReadString("Root", "SavedByClass", ""), "tzvshortcutlist");
  EXPECT_EQ(ini.ReadInteger("Root", "Count", -1), 1);
  EXPECT_EQ(ini.ReadInteger("Item0", "ShortcutType", -1), 1);
  EXPECT_EQ(ini.ReadString("Item0", "Caption", ""), "app");
}
