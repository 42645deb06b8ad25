#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "list_helpers.h"
#include "listfile_helpers.h"
#include "model/listfileio.h"
#include "model/memoryfileio.h"
#include "model/tzvshortcutlist.h"

using namespace zv;

namespace {

std::unique_ptr<tzvshortcut> Application(const std::string& caption, const std::string& path,
                                         const std::string& parameters = "",
                                         const std::string& workingDir = "") {
  auto s = MakeShortcut(stApplication, caption, path);
  s->Parameters = parameters;
  s->WorkingDir = workingDir;
  return s;
}

// Imports a file given as text into list, through memory.
bool ImportText(tzvshortcutlist& list, const std::string& text, trecordedprogress* record = nullptr) {
  tmemoryfileio io;
  io.Files["list.shl"] = text;
  trecordedprogress progress;
  return list.ImportFromFile("list.shl", record ? *record : progress, io);
}

std::string ExportText(tzvshortcutlist& list) {
  tmemoryfileio io;
  tnullprogress progress;
  EXPECT_TRUE(list.ExportToFile("list.shl", progress, io));
  return io.Files["list.shl"];
}

}  // namespace

TEST(ListFile, WritesTheRootSectionThenOneSectionPerEntryInListOrder) {
  tzvshortcutlist list;
  auto app = Application("Editor", "C:\\Tools\\edit.exe", "/n", "C:\\Tools");
  app->Hotkey = 24645;
  app->HotkeyStatus = hsRegistered;
  app->ImageIndex = 12;
  Append(list, std::move(app));
  Append(list, Separator());
  auto file = MakeShortcut(stFile, "Notes", "C:\\notes.txt", 0x8041);
  file->ViewStyle = vsMaximized;
  Append(list, std::move(file));
  auto folder = MakeShortcut(stFolder, "Work", "D:\\Work");
  folder->FullExplorer = true;
  folder->ViewStyle = vsMinimized;
  Append(list, std::move(folder));
  tscratchfolder dir;
  tnullprogress progress;
  ASSERT_TRUE(list.ExportToFile(dir.File("list.shl"), progress));
  EXPECT_EQ(ReadBytes(dir.File("list.shl")),
            "[Root]\r\nSavedByClass=tzvshortcutlist\r\nCount=4\r\n"
            "[Item0]\r\nShortcutType=1\r\nCaption=Editor\r\nPath=C:\\Tools\\edit.exe\r\n"
            "Parameters=/n\r\nWorkingDir=C:\\Tools\r\nHotkey=24645\r\nViewStyle=1\r\n"
            "[Item1]\r\nShortcutType=0\r\n"
            "[Item2]\r\nShortcutType=2\r\nCaption=Notes\r\nPath=C:\\notes.txt\r\nHotkey=32833\r\n"
            "[Item3]\r\nShortcutType=3\r\nCaption=Work\r\nPath=D:\\Work\r\nFullExplorer=1\r\n"
            "Hotkey=0\r\nViewStyle=0\r\n");
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"list.shl"});

  tzvshortcutlist back;
  ASSERT_TRUE(back.ImportFromFile(dir.File("list.shl"), progress));
  // The file type's view style is not stored: it comes back as 1.
  list.GetItem(2)->ViewStyle = vsNormal;
  EXPECT_EQ(Describe(back), Describe(list));
  EXPECT_EQ(back.GetItem(0)->HotkeyStatus, hsNone);
  EXPECT_EQ(back.GetItem(0)->ImageIndex, 0);

  tzvshortcutlist empty;
  EXPECT_EQ(ExportText(empty), "[Root]\r\nSavedByClass=tzvshortcutlist\r\nCount=0\r\n");
}

TEST(ListFile, GroupsAreWrittenAsSeparatorsWithALevelOnTheirEntriesAndImportAsTheyAre) {
  tzvshortcutlist list;
  Append(list, Group("Tools"));
  Append(list, AtLevel(Application("Editor", "C:\\edit.exe"), 1));
  Append(list, Group("Deep", 1));
  Append(list, AtLevel(MakeShortcut(stFile, "Notes", "C:\\n.txt"), 2));
  const std::string text = ExportText(list);
  EXPECT_EQ(text,
            "[Root]\r\nSavedByClass=tzvshortcutlist\r\nCount=4\r\n"
            "[Item0]\r\nShortcutType=0\r\nGroup=1\r\nCaption=Tools\r\n"
            "[Item1]\r\nShortcutType=1\r\nCaption=Editor\r\nPath=C:\\edit.exe\r\n"
            "Parameters=\r\nWorkingDir=\r\nHotkey=0\r\nViewStyle=1\r\nLevel=1\r\n"
            "[Item2]\r\nShortcutType=0\r\nGroup=1\r\nCaption=Deep\r\nLevel=1\r\n"
            "[Item3]\r\nShortcutType=2\r\nCaption=Notes\r\nPath=C:\\n.txt\r\nHotkey=0\r\nLevel=2\r\n");

  // Appended after a list that ends inside a group: the file's levels are
  // its own, so its top-level group stands at the top.
  tzvshortcutlist target;
  Append(target, Group("Mine"));
  Append(target, AtLevel(Application("Mail", "C:\\mail.exe"), 1));
  EXPECT_TRUE(ImportText(target, text));
  EXPECT_EQ(Structure(target), "0[Mine],1Mail,0[Tools],1Editor,1[Deep],2Notes");
  // A file whose first entry claims a level has no group for it.
  tzvshortcutlist orphan;
  EXPECT_TRUE(ImportText(orphan, "[Root]\r\nSavedByClass=tzvshortcutlist\r\nCount=1\r\n"
                                 "[Item0]\r\nShortcutType=1\r\nCaption=Lost\r\nLevel=4\r\n"));
  EXPECT_EQ(Structure(orphan), "0Lost");
}

TEST(ListFile, OwnIconsAreOneMoreLineOfTheEntriesThatHaveOne) {
  tzvshortcutlist list;
  Append(list, Group("Tools"));
  list.GetItem(0)->Icon = "%SystemRoot%\\System32\\shell32.dll,-4";
  Append(list, AtLevel(MakeShortcut(stFile, "Notes", "C:\\n.txt"), 1));
  list.GetItem(1)->Icon = "C:\\Icons\\note.ico,2";
  Append(list, MakeShortcut(stFile, "Plain", "C:\\p.txt"));
  EXPECT_EQ(ExportText(list),
            "[Root]\r\nSavedByClass=tzvshortcutlist\r\nCount=3\r\n"
            "[Item0]\r\nShortcutType=0\r\nGroup=1\r\nCaption=Tools\r\n"
            "Icon=%SystemRoot%\\System32\\shell32.dll,-4\r\n"
            "[Item1]\r\nShortcutType=2\r\nCaption=Notes\r\nPath=C:\\n.txt\r\nHotkey=0\r\nLevel=1\r\n"
            "Icon=C:\\Icons\\note.ico,2\r\n"
            "[Item2]\r\nShortcutType=2\r\nCaption=Plain\r\nPath=C:\\p.txt\r\nHotkey=0\r\n");
  tzvshortcutlist back;
  ASSERT_TRUE(ImportText(back, ExportText(list)));
  EXPECT_EQ(Describe(back), Describe(list));

  // Two entries that differ only in their icons are not duplicates.
  list.GetItem(2)->Icon = "C:\\Icons\\p.ico";
  ASSERT_TRUE(ImportText(back, ExportText(list)));
  EXPECT_EQ(Captions(back), "-,Notes,Plain,-,Plain");
}

TEST(ListFile, QuotesAreEscapedAndEveryTextComesBackExactly) {
  EXPECT_EQ(EscapeQuotes("Say \"hi\""), "Say \\\"hi\\\"");
  EXPECT_EQ(EscapeQuotes("a\\\"b"), "a\\\\\"b");
  EXPECT_EQ(UnescapeQuotes("a\\\\\"b"), "a\\\"b");
  EXPECT_EQ(UnescapeQuotes("C:\\Tools\\"), "C:\\Tools\\");

  const std::vector<std::string> texts = {
      "Say \"hi\"", "a\\\"b", "\"", "\\", "\\\\\"\"", "  Mail  ", "'quoted'", "\"quoted\"",
      "\t tab", "trail\\", "x=y", "[Item0]", "; semi", "R\xFC" "ck \x80\xFF", std::string(5000, 'p')};
  tzvshortcutlist list;
  for (size_t i = 0; i < texts.size(); ++i)
    Append(list, Application(texts[i], texts[i] + "p", texts[i], texts[i] + std::to_string(i)));
  const std::string file = ExportText(list);
  EXPECT_NE(file.find("Caption=Say \\\"hi\\\"\r\n"), std::string::npos);
  EXPECT_NE(file.find("Parameters=a\\\\\"b\r\n"), std::string::npos);
  EXPECT_NE(file.find("Caption=\"  Mail  \"\r\n"), std::string::npos);
  tzvshortcutlist back;
  ASSERT_TRUE(ImportText(back, file));
  EXPECT_EQ(Describe(back), Describe(list));
}

TEST(ListFile, LineBreaksInTextsBecomeBlanksAndCannotForgeEntries) {
  tzvshortcutlist list;
  Append(list, Application("two\r\nlines", "C:\\a.exe", "x\n[Item1]\nShortcutType=3"));
  const std::string file = ExportText(list);
  tzvshortcutlist back;
  ASSERT_TRUE(ImportText(back, file));
  ASSERT_EQ(back.Count(), 1);
  EXPECT_EQ(back.GetItem(0)->Caption, "two  lines");
  EXPECT_EQ(back.GetItem(0)->Parameters, "x [Item1] ShortcutType=3");
}

TEST(ListFile, OnlyFilesMarkedByThisClassImportAndNothingShowsOtherwise) {
  const char* foreign[] = {"[Root]\nSavedByClass=TZVSHORTCUTLIST\nCount=1\n[Item0]\nShortcutType=1\n",
                           "[Root]\nCount=1\n[Item0]\nShortcutType=1\n",
                           "[Other]\nSavedByClass=tzvshortcutlist\n", "", "\x00\xFF garbage"};
  for (const char* text : foreign) {
    tzvshortcutlist list;
    trecordedprogress progress;
    EXPECT_FALSE(ImportText(list, text, &progress)) << text;
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(progress.Calls.empty());
  }
  tzvshortcutlist list;
  tmemoryfileio io;
  trecordedprogress progress;
  EXPECT_FALSE(list.ImportFromFile("missing.shl", progress, io));
  io.Files["big.shl"] = std::string(tzvshortcutlist::MaxListFileSize + 1, ' ');
  EXPECT_FALSE(list.ImportFromFile("big.shl", progress, io));
  io.Files["list.shl"] = "[Root]\nSavedByClass=tzvshortcutlist\n";
  io.FailReads = true;
  EXPECT_FALSE(list.ImportFromFile("list.shl", progress, io));
  EXPECT_TRUE(progress.Calls.empty());
}

TEST(ListFile, ImportAppendsSkipsDuplicatesAndKeepsSeparators) {
  tzvshortcutlist source;
  Append(source, Application("Mail", "C:\\mail.exe", "-x"));
  Append(source, Separator());
  Append(source, MakeShortcut(stFile, "Notes", "C:\\notes.txt"));
  const std::string file = ExportText(source);

  tzvshortcutlist list;
  Append(list, Application("MAIL", "c:\\MAIL.exe", "-x"));  // equal but for case
  Append(list, Application("Mail", "C:\\mail.exe", "-X"));  // parameters differ in case
  ASSERT_TRUE(ImportText(list, file));
  EXPECT_EQ(Captions(list), "MAIL,Mail,-,Notes");
  ASSERT_TRUE(ImportText(list, file));
  EXPECT_EQ(Captions(list), "MAIL,Mail,-,Notes,-");
}

TEST(ListFile, CountAndSectionsDecideTheEntries) {
  const std::string head = "[Root]\nSavedByClass=tzvshortcutlist\nCount=";
  {
    // A missing section in the middle is a separator.
    tzvshortcutlist list;
    trecordedprogress progress;
    ASSERT_TRUE(ImportText(list,
                           head + "3\n[Item0]\nShortcutType=1\nCaption=A\n[Item2]\nShortcutType=2\nCaption=C\n",
                           &progress));
    EXPECT_EQ(Captions(list), "A,-,C");
    EXPECT_EQ(progress.Calls, (std::vector<std::string>{"open 3", "step 0", "step 1", "step 2", "close"}));
  }
  {
    tzvshortcutlist list;
    trecordedprogress progress;
    EXPECT_FALSE(ImportText(list, head + "-1\n[Item0]\nShortcutType=1\n", &progress));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(progress.Calls, std::vector<std::string>{"open -1"});
  }
  {
    tzvshortcutlist list;
    trecordedprogress progress;
    EXPECT_TRUE(ImportText(list, head + "0\n[Item0]\nShortcutType=1\n", &progress));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(progress.Calls, (std::vector<std::string>{"open 0", "close"}));
  }
  {
    // A count far beyond the sections ends at the last one, a run of missing
    // sections is one separator; sections at or past the count and misspelt
    // numbers are not entries.
    tzvshortcutlist list;
    trecordedprogress progress;
    ASSERT_TRUE(ImportText(list,
                           head + "2000000000\n[Item0]\nCaption=sep\n[ITEM4]\nShortcutType=1\nCaption=E\n"
                                  "[Item06]\nShortcutType=1\nCaption=X\n[Item2000000000]\nShortcutType=1\n",
                           &progress));
    EXPECT_EQ(Captions(list), "-,-,E");
    EXPECT_EQ(progress.Calls.front(), "open 5");
    tzvshortcutlist wide;
    ASSERT_TRUE(ImportText(wide, head + "2147483647\n[Item0]\nShortcutType=1\nCaption=A\n"
                                       "[Item2147483646]\nShortcutType=1\nCaption=B\n"));
    EXPECT_EQ(Captions(wide), "A,-,B");
  }
  {
    tzvshortcutlist list;
    EXPECT_TRUE(ImportText(list, head + "many\n[Item0]\nShortcutType=1\n"));
    EXPECT_EQ(list.Count(), 0);
  }
}

TEST(ListFile, FieldValuesAreCheckedAndFallBackToDefaults) {
  tzvshortcutlist list;
  ASSERT_TRUE(ImportText(list,
                         "[Root]\nSavedByClass=tzvshortcutlist\nCount=6\n"
                         "[Item0]\nShortcutType=1\nCaption=hex\nHotkey=0x4045\nViewStyle=2\n"
                         "[Item1]\nShortcutType=7\nCaption=odd type\nViewStyle=9\nHotkey=$18041\n"
                         "[Item2]\nShortcutType=2\nCaption=file\nViewStyle=0\nFullExplorer=1\n"
                         "[Item3]\nShortcutType=3\nCaption=folder\nFullExplorer=-5\nViewStyle=0\n"
                         "[Item4]\nCaption=no type\nHotkey=junk\n"
                         "[Item5]\nShortcutType=1\nCaption='single'\n"));
  EXPECT_EQ(Describe(list),
            "1|hex|2||||0|16453\n"
            "1|odd type|1||||0|32833\n"
            "2|file|1||||1|0\n"
            "3|folder|0||||1|0\n"
            "0|no type|1||||0|0\n"
            "1|single|1||||0|0\n");
}

TEST(ListFile, ExportDrivesTheProgressAndImportDoesNotPumpMessages) {
  tzvshortcutlist list;
  for (const char* c : {"A", "B", "C", "D"}) Append(list, Application(c, c));
  tmemoryfileio io;
  trecordedprogress out, in;
  ASSERT_TRUE(list.ExportToFile("f.shl", out, io));
  EXPECT_EQ(out.Calls, (std::vector<std::string>{"open 4", "step 0 pump", "step 1 pump", "step 2 pump",
                                                  "step 3 pump", "close"}));
  tzvshortcutlist back;
  ASSERT_TRUE(back.ImportFromFile("f.shl", in, io));
  EXPECT_EQ(in.Calls, (std::vector<std::string>{"open 4", "step 0", "step 1", "step 2", "step 3", "close"}));
}

TEST(ListFile, AFailedExportLeavesThePreviousFileAndNoStagingFile) {
  tzvshortcutlist list;
  Append(list, Application("New", "C:\\new.exe"));
  tmemoryfileio io;
  io.Files["list.shl"] = "previous";
  trecordedprogress progress;
  io.FailWrites = true;
  EXPECT_FALSE(list.ExportToFile("list.shl", progress, io));
  EXPECT_EQ(io.Files, (std::map<std::string, std::string>{{"list.shl", "previous"}}));
  EXPECT_EQ(progress.Calls.back(), "close");
  io.FailWrites = false;
  io.FailReplace = true;
  EXPECT_FALSE(list.ExportToFile("list.shl", progress, io));
  EXPECT_EQ(io.Files, (std::map<std::string, std::string>{{"list.shl", "previous"}}));
  io.FailReplace = false;
  ASSERT_TRUE(list.ExportToFile("list.shl", progress, io));
  EXPECT_EQ(io.Files.size(), 1u);
  EXPECT_NE(io.Files["list.shl"].find("Caption=New"), std::string::npos);

  // On the disk: a folder that does not exist, and a name that is a folder.
  tscratchfolder dir;
  WriteBytes(dir.File("keep.shl"), "previous");
  EXPECT_FALSE(list.ExportToFile(dir.File("no such folder/list.shl"), progress));
  std::filesystem::create_directory(dir.Path / "taken.shl");
  EXPECT_FALSE(list.ExportToFile(dir.File("taken.shl"), progress));
  ASSERT_TRUE(list.ExportToFile(dir.File("keep.shl"), progress));
  EXPECT_NE(ReadBytes(dir.File("keep.shl")).find("Caption=New"), std::string::npos);
  auto names = dir.Names();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"keep.shl", "taken.shl"}));
}

TEST(ListFile, HostileFilesEndWithADefinedResult) {
  const std::string head = "[Root]\nSavedByClass=tzvshortcutlist\nCount=";
  std::string many = head + "100000\n";
  for (int i = 0; i < 3000; ++i) many += "[Item" + std::to_string(i * 7) + "]\nShortcutType=1\nCaption=c" +
                                        std::to_string(i % 10) + "\n";
  std::string binary = head + "5\n";
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 131) & 0xFF);
  const std::string cases[] = {
      many, binary, head + "3\n[Item0]\n" + std::string(100000, '='),
      head + "2\n[Item0]\nShortcutType=1\nCaption=" + std::string(1 << 20, '"') + "\n[Item1]\n[Item1]\n",
      head + "0x7FFFFFFF\n[Item9]\nShortcutType=2\n", head + "$80000000\n", "[Root" + head};
  for (const std::string& text : cases) {
    tzvshortcutlist list;
    ImportText(list, text);
    EXPECT_LE(list.Count(), 20993);
  }
  tzvshortcutlist list;
  ASSERT_TRUE(ImportText(list, many));
  // 3000 sections spread over 20,994 indexes: ten distinct shortcuts and a
  // separator for every gap.
  EXPECT_EQ(list.Count(), 10 + 2999);
  EXPECT_FALSE(ImportText(list, head + "$80000000\n"));
}
