// List files against the system's own profile functions under Wine: what the
// exporter writes reads back through GetPrivateProfileStringA, and what the
// program always wrote key by key imports the same with the own reader.
#include <gtest/gtest.h>
#include <windows.h>

#include "bench/listfile_perkey_win32.h"
#include "list_helpers.h"
#include "listfile_helpers.h"
#include "model/inifile.h"
#include "model/tzvshortcutlist.h"
#include "ui/tzvshortcutlistdialog.h"

using namespace zv;

namespace {

// Values that the INI format makes awkward.
std::vector<std::string> AwkwardTexts() {
  std::vector<std::string> texts = {"  Mail  ", "'quoted'", "\"quoted\"", "Say \"hi\"", "a\\\"b",
                                    "\\", "trail\\", "\"", "'", " ", "", "x=y", "[Item0]",
                                    "; not a comment", "R\xFC" "ck \x80\x81\x9F\xFF", "\t\x1A tabbed \v\f",
                                    std::string(3000, 'w')};
  for (int b = 1; b < 256; ++b) {
    if (b == '\r' || b == '\n') continue;
    const std::string c(1, static_cast<char>(b));
    texts.push_back(c + "X" + c);
  }
  return texts;
}

std::string SystemRead(const std::string& file, const std::string& section, const std::string& key) {
  return zvperkey::ReadKey(file, section, key.c_str(), "<default>", 65536);
}

}  // namespace

TEST(ListFilePlatform, ExportedFilesReadBackExactlyThroughTheSystem) {
  const std::vector<std::string> texts = AwkwardTexts();
  tzvshortcutlist list;
  for (size_t i = 0; i < texts.size(); ++i) {
    auto s = MakeShortcut(stApplication, texts[i], texts[i]);
    s->Parameters = texts[i];
    s->WorkingDir = texts[i] + std::to_string(i);
    Append(list, std::move(s));
  }
  tscratchfolder dir;
  const std::string file = dir.File("exported.shl");
  tnullprogress progress;
  ASSERT_TRUE(list.ExportToFile(file, progress));
  EXPECT_EQ(SystemRead(file, "Root", "SavedByClass"), "tzvshortcutlist");
  EXPECT_EQ(SystemRead(file, "Root", "Count"), std::to_string(texts.size()));
  for (int i = 0; i < list.Count(); ++i) {
    const tzvshortcut* s = list.GetItem(i);
    const std::string section = "Item" + std::to_string(i);
    EXPECT_EQ(SystemRead(file, section, "Caption"), EscapeQuotes(s->Caption)) << i;
    EXPECT_EQ(SystemRead(file, section, "Parameters"), EscapeQuotes(s->Parameters)) << i;
    EXPECT_EQ(SystemRead(file, section, "WorkingDir"), EscapeQuotes(s->WorkingDir)) << i;
  }
  // The system's way of importing gets the list whole too.
  tzvshortcutlist back;
  ASSERT_TRUE(zvperkey::Import(back, file, 65536));
  EXPECT_EQ(Describe(back), Describe(list));
}

TEST(ListFilePlatform, FilesWrittenKeyByKeyImportAsTheSystemReadsThem) {
  // Writing key by key takes quadratic time: the named texts and a sample of
  // the bytes.
  std::vector<std::string> texts;
  const std::vector<std::string> all = AwkwardTexts();
  for (size_t i = 0; i < all.size(); ++i)
    if (i < 17 || i % 9 == 0) texts.push_back(all[i]);
  tzvshortcutlist list;
  for (size_t i = 0; i < texts.size(); ++i) {
    auto s = MakeShortcut(static_cast<std::uint8_t>(1 + i % 3), texts[i], texts[i] + "p", static_cast<std::uint16_t>(i));
    s->Parameters = texts[i];
    s->WorkingDir = std::to_string(i) + texts[i];
    s->FullExplorer = i % 2 == 0;
    s->ViewStyle = static_cast<std::uint8_t>(i % 3);
    Append(list, std::move(s));
    if (i % 5 == 0) Append(list, Separator());
  }
  tscratchfolder dir;
  const std::string written = dir.File("written.shl");
  zvperkey::Export(list, written);
  // The system reads its cached copy of a file it wrote; a copy makes it
  // read the bytes on the disk.
  const std::string file = dir.File("copy.shl");
  ASSERT_TRUE(CopyFileA(written.c_str(), file.c_str(), FALSE));

  tzvshortcutlist expected, imported;
  ASSERT_TRUE(zvperkey::Import(expected, file, 65536));
  tnullprogress progress;
  ASSERT_TRUE(imported.ImportFromFile(file, progress));
  EXPECT_EQ(Describe(imported), Describe(expected));
  // Blanks around a value are lost when it is written bare, as always.
  EXPECT_EQ(imported.GetItem(0)->Caption, "Mail");

  // The system cuts values at 2,047 characters; the own reader does not.
  tzvshortcutlist capped;
  ASSERT_TRUE(zvperkey::Import(capped, file));
  bool sawLong = false;
  for (int i = 0; i < imported.Count(); ++i)
    if (imported.GetItem(i)->Caption == std::string(3000, 'w')) {
      sawLong = true;
      EXPECT_EQ(capped.GetItem(i)->Caption.size(), 2047u);
    }
  EXPECT_TRUE(sawLong);
}

TEST(ListFilePlatform, ReaderAgreesWithTheSystemOnHandMadeFiles) {
  struct probe { std::string text; std::vector<std::pair<std::string, std::string>> queries; };
  const std::vector<std::pair<std::string, std::string>> keys = {
      {"S", "k"}, {"s", "K"}, {"S", "j"}, {"T", "k"}, {"U]", "k"}, {" S ", "k"}, {"S", ";j"}};
  const std::vector<std::string> texts = {
      "[S]\r\nk=a\r\nK=b\r\n[s]\r\nj=c\r\n",
      "[S]\rk=a\rj=b",
      "[S]\nk\nk=a\n",
      "  [ S ]  \r\n  k  =  a = b  \r\n;j=c\r\n",
      "[S] junk\r\nk='x'\r\n[T\r\nj=\"\"\r\n[U]]\r\nk=\"'\r\n",
      std::string("[S]\r\nk=ab\0cd\r\nj=\"ab\0cd\"\r\n", 26),
      "[S]\r\nk=\"  Mail  \"\r\nj='\r\n[T]\r\nk=  \"\"x\"\"  \r\n",
      "k=before\r\n[S]\r\n\r\n\r\nk=late\r\n",
      "[S]\r\nk=\xA0\x85x\x85\xA0\r\nj=\x1A\x1A\r\n",
      "\xEF\xBB\xBF[S]\r\nk=R\xC3\xBC" "ck\r\n",
      "",
      "[S]\r\n=nokey\r\nk"};
  tscratchfolder dir;
  for (size_t t = 0; t < texts.size(); ++t) {
    const std::string file = dir.File("probe" + std::to_string(t) + ".ini");
    WriteBytes(file, texts[t]);
    const tinifile ini(texts[t]);
    for (auto& [section, key] : keys)
      EXPECT_EQ(ini.ReadString(section, key, "<default>"), SystemRead(file, section, key))
          << "text " << t << " [" << section << "] " << key;
  }
  // Every byte at both ends of a value.
  for (int b = 1; b < 256; ++b) {
    if (b == '\r' || b == '\n') continue;
    const std::string c(1, static_cast<char>(b));
    const std::string text = "[S]\r\nk=" + c + "X" + c + "\r\n" + c + "j" + c + "=v\r\n";
    const std::string file = dir.File("byte" + std::to_string(b) + ".ini");
    WriteBytes(file, text);
    const tinifile ini(text);
    EXPECT_EQ(ini.ReadString("S", "k", "<default>"), SystemRead(file, "S", "k")) << b;
    EXPECT_EQ(ini.ReadString("S", "j", "<default>"), SystemRead(file, "S", "j")) << b;
  }
}

TEST(ListFilePlatform, ProgressWindowFollowsExportAndImport) {
  tzvshortcutlist list;
  for (const char* c : {"A", "B", "C", "D"}) Append(list, MakeShortcut(stApplication, c, c));
  tscratchfolder dir;
  const std::string file = dir.File("four.shl");
  // The one-argument form brings its own window and leaves none behind.
  ASSERT_TRUE(list.ExportToFile(file));
  EXPECT_EQ(FindWindowA("tzvshortcutlistdialog", nullptr), nullptr);
  {
    tzvshortcutlistdialog dialog;
    tzvshortcutlist back;
    ASSERT_TRUE(back.ImportFromFile(file, dialog));
    EXPECT_EQ(dialog.Gauge().Maximum(), 4);
    EXPECT_EQ(dialog.Gauge().Percent(), 75);
    EXPECT_FALSE(IsWindowVisible(static_cast<HWND>(dialog.Handle())));
    EXPECT_EQ(Describe(back), Describe(list));
  }
  tzvshortcutlist back;
  EXPECT_FALSE(back.ImportFromFile(dir.File("missing.shl")));
  EXPECT_EQ(FindWindowA("tzvshortcutlistdialog", nullptr), nullptr);
}

TEST(ListFilePlatform, ReadOnlyTargetIsRefusedAndKeptAsItWas) {
  tzvshortcutlist list;
  Append(list, MakeShortcut(stApplication, "New", "C:\\new.exe"));
  tscratchfolder dir;
  const std::string file = dir.File("locked.shl");
  WriteBytes(file, "previous");
  ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
  tnullprogress progress;
  EXPECT_FALSE(list.ExportToFile(file, progress));
  EXPECT_EQ(ReadBytes(file), "previous");
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"locked.shl"});
  SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
  ASSERT_TRUE(list.ExportToFile(file, progress));
  EXPECT_NE(ReadBytes(file).find("Caption=New"), std::string::npos);
}
