#include "model/findranking.h"

#include <gtest/gtest.h>

#include "list_helpers.h"

namespace {

using zv::stApplication;
using zv::stFile;
using zv::stFolder;

// "Caption:tier" of every result, in order.
std::string Found(const zv::tfindindex& index, const std::string& typed) {
  std::string out;
  for (const zv::tfindresult& r : zv::FindEntries(index, typed)) {
    if (!out.empty()) out += ",";
    out += index.EntryAt(r.Index)->Caption + ":" + std::to_string(static_cast<int>(r.Tier));
  }
  return out;
}

// A code page of ASCII alone, to show what a page without the path sign gets.
class tasciipage : public zv::tcodepage {
 public:
  bool IsUtf8() const override { return false; }
  std::string ToUtf8(std::string_view text) const override { return std::string(text); }
  bool FromUtf8(std::string_view utf8, std::string& out) const override {
    out.clear();
    bool all = true;
    for (char c : utf8) {
      all = all && static_cast<unsigned char>(c) < 0x80;
      out += static_cast<unsigned char>(c) < 0x80 ? c : '?';
    }
    return all;
  }
};

struct FindIndex : ::testing::Test {
  zv::tzvshortcutlist list;
  zv::tfindindex index;
  void Add(std::unique_ptr<zv::tzvshortcut> s) { Append(list, std::move(s)); }
  void Build(const zv::tcodepage& page = zv::Utf8CodePage()) { index.Build(list, page); }
};

}  // namespace

TEST_F(FindIndex, WordStartsRankFirstThenAnywhereAndEveryWordMustMatch) {
  for (const char* caption : {"Paint", "Notepad++", "Remote Desktop", "Desktop Notes", "VisualStudio", "Annotate"})
    Add(MakeShortcut(stApplication, caption));
  Add(Separator());
  Build();
  EXPECT_EQ(Found(index, "no"), "Notepad++:1,Desktop Notes:1,Annotate:2");
  EXPECT_EQ(Found(index, "NOTE"), "Notepad++:1,Desktop Notes:1");
  EXPECT_EQ(Found(index, "studio"), "VisualStudio:1");
  EXPECT_EQ(Found(index, "desk no"), "Desktop Notes:1");
  EXPECT_EQ(Found(index, "no desk"), "Desktop Notes:1");
  EXPECT_EQ(Found(index, "esk te"), "Remote Desktop:2,Desktop Notes:2");
  EXPECT_EQ(Found(index, "desk paint"), "");
  EXPECT_EQ(Found(index, "++"), "Notepad++:2");
  // Nothing typed lists every candidate as the list has them.
  EXPECT_EQ(Found(index, ""), "Paint:0,Notepad++:0,Remote Desktop:0,Desktop Notes:0,VisualStudio:0,Annotate:0");
  EXPECT_EQ(Found(index, " \t "), Found(index, ""));
}

TEST_F(FindIndex, CaseIsIgnoredInEveryScriptAndCodePage) {
  Add(MakeShortcut(stFile, "\xC3\x84pfel und Birnen"));              // Äpfel und Birnen
  Add(MakeShortcut(stFile, "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1"));  // Ωμέγα
  Add(MakeShortcut(stFile, "\xCE\xA3\xCE\x9F\xCE\xA6\xCE\x8A\xCE\x91\xCE\xA3"));  // ΣΟΦΊΑΣ
  Add(MakeShortcut(stFile, "\xD0\x81\xD0\xBB\xD0\xBA\xD0\xB0"));     // Ёлка
  Build();
  EXPECT_EQ(Found(index, "\xC3\xA4P"), "\xC3\x84pfel und Birnen:1");              // äP
  EXPECT_EQ(Found(index, "\xCF\x89\xCE\x9C"), "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1:1");  // ωΜ
  EXPECT_EQ(Found(index, "\xCF\x86\xCE\xAF\xCE\xB1\xCF\x82"), "\xCE\xA3\xCE\x9F\xCE\xA6\xCE\x8A\xCE\x91\xCE\xA3:2");  // φίας
  EXPECT_EQ(Found(index, "\xD1\x91\xD0\x9B"), "\xD0\x81\xD0\xBB\xD0\xBA\xD0\xB0:1");  // ёЛ
  EXPECT_EQ(Found(index, "\xD0\x81"), Found(index, "\xD1\x91"));
  // The same list in Windows-1252: the bytes there are that page's.
  list.Clear();
  Add(MakeShortcut(stFile, "\xC4pfel"));
  Build(zv::Cp1252CodePage());
  EXPECT_EQ(Found(index, "\xE4P"), "\xC4pfel:1");
}

TEST_F(FindIndex, GroupNamesFindTheirEntriesAndRowsShowTheirPath) {
  Add(Group("Tools"));
  Add(AtLevel(MakeShortcut(stApplication, "Editor", "", 0x4241), 1));
  Add(AtLevel(Group("Web"), 1));
  Add(AtLevel(MakeShortcut(stApplication, "Browser"), 2));
  Add(AtLevel(MakeShortcut(stApplication, "Terminal"), 1));
  Add(MakeShortcut(stApplication, "Web Tools Guide"));
  Add(Group("Games"));
  Add(AtLevel(MakeShortcut(stApplication, "Chess"), 1));
  Build();
  EXPECT_EQ(Found(index, "web"), "Web Tools Guide:1,Browser:3");
  EXPECT_EQ(Found(index, "tools"), "Web Tools Guide:1,Editor:3,Browser:3,Terminal:3");
  EXPECT_EQ(Found(index, "tools brow"), "Browser:3");
  EXPECT_EQ(Found(index, "games chess"), "Chess:3");
  EXPECT_EQ(Found(index, "games web"), "");
  EXPECT_EQ(index.EntryAt(0), nullptr);
  EXPECT_EQ(index.Entries().size(), 5u);

  zv::tfindrow row = index.Row(*index.EntryAt(3));
  EXPECT_EQ(row.Caption, "Browser");
  EXPECT_EQ(row.GroupPath, "Tools \xE2\x80\xBA Web");
  EXPECT_EQ(index.Row(*index.EntryAt(1)).GroupPath, "Tools");
  EXPECT_EQ(index.Row(*index.EntryAt(1)).Hotkey, 0x4241);
  EXPECT_EQ(index.Row(*index.EntryAt(5)).GroupPath, "");
  // What a screen reader reads for a row.
  EXPECT_EQ(index.Name(*index.EntryAt(3), "Strg+B"), "Browser, Tools \xE2\x80\xBA Web, Strg+B");
  EXPECT_EQ(index.Name(*index.EntryAt(5), ""), "Web Tools Guide");
  Build(zv::Cp1252CodePage());
  EXPECT_EQ(index.Row(*index.EntryAt(3)).GroupPath, "Tools \x9B Web");
  tasciipage ascii;
  Build(ascii);
  EXPECT_EQ(index.Row(*index.EntryAt(3)).GroupPath, "Tools > Web");
}

TEST_F(FindIndex, FileNamesOfPathsRankLast) {
  Add(MakeShortcut(stApplication, "Text Editor", "C:\\Windows\\notepad.exe"));
  Add(MakeShortcut(stFolder, "Projects", "D:\\Work\\Code\\"));
  Add(MakeShortcut(stFile, "Notes", "C:/Users/me/notes.txt"));
  Add(MakeShortcut(stApplication, "Putty", "putty.exe"));
  Build();
  EXPECT_EQ(Found(index, "notepad"), "Text Editor:4");
  EXPECT_EQ(Found(index, "NOTEPAD.EXE"), "Text Editor:4");
  EXPECT_EQ(Found(index, "windows"), "");
  EXPECT_EQ(Found(index, "code"), "Projects:4");
  EXPECT_EQ(Found(index, "notes"), "Notes:1");
  EXPECT_EQ(Found(index, "text pad"), "Text Editor:4");
  EXPECT_EQ(Found(index, "exe"), "Text Editor:4,Putty:4");
  EXPECT_EQ(zv::FileNameOfPath("C:\\"), "C:");
  EXPECT_EQ(zv::FileNameOfPath("\\\\"), "");
  EXPECT_EQ(zv::FileNameOfPath("https://example.org/"), "example.org");
}

TEST_F(FindIndex, TenThousandEntriesInGroupsAllFoundInOrder) {
  for (int i = 0; i < 10000; ++i) {
    if (i % 100 == 0) Add(Group("Group " + std::to_string(i / 100)));
    Add(AtLevel(MakeShortcut(stApplication, "Entry " + std::to_string(i), "C:\\bin\\tool" + std::to_string(i) + ".exe"), 1));
  }
  Build();
  EXPECT_EQ(zv::FindEntries(index, "").size(), 10000u);
  std::vector<zv::tfindresult> found = zv::FindEntries(index, "entry 99");
  std::size_t expected = 0, startsWith = 0;
  for (int i = 0; i < 10000; ++i) {
    const std::string n = std::to_string(i);
    expected += n.find("99") != std::string::npos;
    startsWith += n.rfind("99", 0) == 0;
  }
  ASSERT_EQ(found.size(), expected);
  for (std::size_t k = 0; k < found.size(); ++k) {
    EXPECT_EQ(found[k].Tier, k < startsWith ? zv::tfindtier::CaptionWordStart : zv::tfindtier::Caption);
    if (k > 0 && found[k].Tier == found[k - 1].Tier) {
      EXPECT_LT(found[k - 1].Index, found[k].Index);
    }
  }
  EXPECT_EQ(Found(index, "group 99 9999"), "Entry 9999:3");
  EXPECT_EQ(Found(index, "tool4242"), "Entry 4242:4");
}

TEST_F(FindIndex, HostileTextsGiveDefinedResults) {
  Add(MakeShortcut(stApplication, "Bad\xFF\xFEName"));
  Add(MakeShortcut(stApplication, std::string(1000000, 'a') + "needle"));
  Add(MakeShortcut(stApplication, std::string(100000, '\xE2')));
  Add(AtLevel(MakeShortcut(stApplication, "Orphan"), 7));
  Build();
  EXPECT_EQ(Found(index, "name"), "Bad\xFF\xFEName:1");
  // Bytes of no character find each other, in the list and in the typed text.
  EXPECT_EQ(zv::FindEntries(index, "\xFF").size(), 2u);
  // Only the start of a huge caption is searched.
  EXPECT_EQ(Found(index, "needle"), "");
  EXPECT_EQ(zv::FindEntries(index, std::string(zv::MaxTypedBytes, 'a')).size(), 1u);
  // A huge typed text counts by its start.
  EXPECT_EQ(zv::FindEntries(index, std::string(300, 'a') + " nothing").size(), 1u);
  EXPECT_EQ(Found(index, "orphan"), "Orphan:1");
  EXPECT_EQ(index.Row(*index.EntryAt(3)).GroupPath, "");

  // Groups 255 deep: the name read for a row keeps the innermost ones that
  // fit, never every one of them for every result.
  list.Clear();
  for (int level = 0; level < 255; ++level) Add(AtLevel(Group("Group " + std::to_string(level)), level));
  Add(AtLevel(MakeShortcut(stApplication, "Deep"), 255));
  Build();
  const std::string name = index.Name(index.Entries().back(), "");
  EXPECT_LE(name.size(), std::string("Deep, ").size() + zv::MaxSearchedChars);
  EXPECT_EQ(name.substr(name.size() - 9), "Group 254");
}
