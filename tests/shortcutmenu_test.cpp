// What the shortcut menu is built from: one item per shortcut, by position.
#include <gtest/gtest.h>

#include "list_helpers.h"
#include "ui/menugeometry.h"
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
