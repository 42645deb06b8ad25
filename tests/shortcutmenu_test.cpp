// What the shortcut menu is built from: one item per shortcut, by position.
#include <gtest/gtest.h>

#include "core/iconlocation.h"
#include "list_helpers.h"
#include "ui/menugeometry.h"
#include "ui/menutree.h"
#include "ui/shortcutmenu.h"

using namespace zv;

namespace {

struct recorder {
  std::vector<std::string> iconPaths;
  std::vector<std::uint16_t> hotkeys;
  ticonindexfn Icons() {
    return [this](const std::string& path) {
      iconPaths.push_back(path);
      return static_cast<std::int32_t>(100 + iconPaths.size());
    };
  }
  thotkeytextfn Texts() {
    return [this](std::uint16_t hotkey) {
      hotkeys.push_back(hotkey);
      return hotkey == 0x4041 ? std::string("Strg+A") : std::string("Alt+F5");
    };
  }
};

class narrowfont : public ttextmeasure {
 public:
  int TextWidth(const std::string& text) const override { return 5 * static_cast<int>(text.size()); }
  int TextHeight(const std::string&) const override { return 13; }
};

}  // namespace

TEST(ShortcutMenu, EmptyListAndSeparatorOnlyList) {
  tzvshortcutlist list;
  recorder r;
  EXPECT_TRUE(ShortcutMenuEntries(list, true, r.Icons(), r.Texts()).empty());
  Append(list, Separator());
  Append(list, Separator());
  auto entries = ShortcutMenuEntries(list, true, r.Icons(), r.Texts());
  ASSERT_EQ(entries.size(), 2u);
  for (const tmenuentry& e : entries) {
    EXPECT_TRUE(e.Separator);
    EXPECT_EQ(e.Caption, "-");
    EXPECT_EQ(e.Tag, 0);
    EXPECT_EQ(e.ImageIndex, -1);
    EXPECT_FALSE(e.ShowsHotkey());
  }
  EXPECT_TRUE(r.iconPaths.empty());
  EXPECT_TRUE(r.hotkeys.empty());
}

TEST(ShortcutMenu, PositionIsListIndexSeparatorsIncluded) {
  tzvshortcutlist list;
  Append(list, MakeShortcut(stApplication, "Editor", "C:\\Windows\\notepad.exe", 0x4041));
  Append(list, Separator());
  Append(list, MakeShortcut(stFile, "Editor", "C:\\missing\\notes.txt"));
  Append(list, MakeShortcut(stFolder, "Windows", "C:\\Windows", 0x8074));
  recorder r;
  auto entries = ShortcutMenuEntries(list, true, r.Icons(), r.Texts());
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].Caption, "Editor");
  EXPECT_EQ(entries[0].Tag, 0);
  EXPECT_EQ(entries[0].ImageIndex, 101);
  EXPECT_EQ(entries[0].HotkeyText, "Strg+A");
  EXPECT_TRUE(entries[1].Separator);
  // Same caption, its own item and its own index; a missing path still
  // gets whatever icon the image list has for its name.
  EXPECT_EQ(entries[2].Caption, "Editor");
  EXPECT_EQ(entries[2].Tag, 2);
  EXPECT_EQ(entries[2].ImageIndex, 102);
  EXPECT_FALSE(entries[2].ShowsHotkey());
  EXPECT_EQ(entries[3].Tag, 3);
  EXPECT_EQ(entries[3].HotkeyText, "Alt+F5");
  EXPECT_EQ(r.iconPaths, (std::vector<std::string>{"C:\\Windows\\notepad.exe",
                                                     "C:\\missing\\notes.txt", "C:\\Windows"}));
  EXPECT_EQ(r.hotkeys, (std::vector<std::uint16_t>{0x4041, 0x8074}));
}

TEST(ShortcutMenu, HotkeysHiddenWhenNotDisplayedAndItemsNarrower) {
  tzvshortcutlist list;
  Append(list, MakeShortcut(stApplication, "Calc", "calc.exe", 0x4041));
  recorder r;
  auto shown = ShortcutMenuEntries(list, true, r.Icons(), r.Texts());
  auto hidden = ShortcutMenuEntries(list, false, r.Icons(), r.Texts());
  EXPECT_TRUE(shown[0].ShowsHotkey());
  EXPECT_FALSE(hidden[0].ShowsHotkey());
  EXPECT_EQ(hidden[0].Hotkey, 0);
  EXPECT_EQ(r.hotkeys.size(), 1u);  // not even looked up when hidden
  narrowfont font;
  const tmenustyle style{16, 16};
  EXPECT_EQ(MeasureMenuItem(shown[0], style, font).Width -
                MeasureMenuItem(hidden[0], style, font).Width,
            5 * 8 + 8);  // "(Strg+A)" and its margin
}

TEST(ShortcutMenu, ShortcutNamedLikeASeparatorStaysACommand) {
  tzvshortcutlist list;
  Append(list, MakeShortcut(stApplication, "-", "tool.exe"));
  auto entries = ShortcutMenuEntries(list, false, nullptr, nullptr);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_FALSE(entries[0].Separator);
  EXPECT_EQ(entries[0].Caption, "-");
  EXPECT_EQ(entries[0].ImageIndex, -1);  // no icon source: no icon
}

// Groups open submenus: where each entry goes, with levels as stored and
// levels that do not fit; the folder icon is asked once, only for groups.
TEST(ShortcutMenu, GroupsHoldTheEntriesOneLevelDeeperAsSubmenus) {
  tzvshortcutlist list;
  Append(list, MakeShortcut(stApplication, "Mail", "mail.exe"));         // 0 top
  Append(list, Group("Tools"));                                          // 1 top
  Append(list, AtLevel(MakeShortcut(stApplication, "Editor", "ed.exe", 0x4041), 1));  // 2 in 1
  Append(list, AtLevel(Separator(), 1));                                 // 3 in 1
  Append(list, Group("Remote", 1));                                      // 4 in 1
  Append(list, AtLevel(MakeShortcut(stFolder, "Server", "\\\\srv\\c"), 2));  // 5 in 4
  Append(list, Group("Empty", 1));                                       // 6 in 1, empty
  Append(list, MakeShortcut(stFile, "Notes", "notes.txt"));              // 7 top
  recorder r;
  int groupIconAsked = 0;
  const auto entries = ShortcutMenuEntries(list, true, r.Icons(), r.Texts(), [&] {
    ++groupIconAsked;
    return 7;
  });
  ASSERT_EQ(entries.size(), 8u);
  EXPECT_EQ(groupIconAsked, 1);
  for (int g : {1, 4, 6}) {
    EXPECT_TRUE(entries[g].Group) << g;
    EXPECT_FALSE(entries[g].Separator) << g;
    EXPECT_EQ(entries[g].Tag, g);
    EXPECT_EQ(entries[g].ImageIndex, 7);
  }
  EXPECT_EQ(entries[4].Caption, "Remote");
  EXPECT_EQ(entries[5].Tag, 5);
  EXPECT_EQ(entries[2].HotkeyText, "Strg+A") << "hotkeys show at every level";
  EXPECT_EQ(r.iconPaths.size(), 4u) << "groups ask no path for an icon";

  const tmenutree tree = MenuTree(entries);
  EXPECT_EQ(tree.Parent, (std::vector<std::int32_t>{-1, -1, 1, 1, 1, 4, 1, -1}));
  EXPECT_EQ(tree.Place, (std::vector<std::int32_t>{0, 1, 0, 1, 2, 0, 3, 2}));
  EXPECT_EQ(tree.Items[1], 4);
  EXPECT_EQ(tree.Items[4], 1);
  EXPECT_EQ(tree.Items[6], 0);

  // A group's icon never comes from a lookup of paths.
  tmenuentry group = entries[1];
  group.ImageIndex = -1;
  EXPECT_FALSE(TakeKnownIcon(group, list, [](const std::string&) { return 3; }));

  // Entries with an icon of their own, groups too, ask by their icon source,
  // late ones as well.
  list.GetItem(1)->Icon = "C:\\tools.ico";
  list.GetItem(7)->Icon = "C:\\notes.ico,2";
  r.iconPaths.clear();
  const auto own = ShortcutMenuEntries(list, true, r.Icons(), r.Texts(), [] { return 7; });
  EXPECT_EQ(own[1].ImageIndex, 102);
  EXPECT_EQ(own[4].ImageIndex, 7);
  ASSERT_EQ(r.iconPaths.size(), 5u);
  EXPECT_EQ(r.iconPaths[0], "mail.exe");
  EXPECT_EQ(r.iconPaths[1], list.GetItem(1)->IconSource());
  EXPECT_EQ(r.iconPaths[4], IconSourceText("C:\\notes.ico,2", "notes.txt"));
  group.ImageIndex = -1;
  std::string asked;
  EXPECT_TRUE(TakeKnownIcon(group, list, [&](const std::string& source) {
    asked = source;
    return 3;
  }));
  EXPECT_EQ(group.ImageIndex, 3);
  EXPECT_EQ(asked, list.GetItem(1)->IconSource());

  // Levels that jump stand in the deepest group open; one past every group
  // comes back to the top; a flat list asks for no folder icon.
  std::vector<tmenuentry> odd(5);
  odd[0].Group = true;
  odd[1].Level = 4;
  odd[2].Group = true;
  odd[2].Level = 1;
  odd[3].Level = 9;
  odd[4].Level = 0;
  EXPECT_EQ(MenuTree(odd).Parent, (std::vector<std::int32_t>{-1, 0, 0, 2, -1}));
  tzvshortcutlist flat;
  Append(flat, MakeShortcut(stApplication, "Mail", "mail.exe"));
  ShortcutMenuEntries(flat, true, r.Icons(), r.Texts(), [&] { return ++groupIconAsked; });
  EXPECT_EQ(groupIconAsked, 1);
}
