// Sizes and layout of the owner-drawn menu items.
#include <gtest/gtest.h>

#include "ui/menugeometry.h"

using namespace zv;

namespace {

// A font whose characters are all 6 pixels wide and whose lines are
// `height` pixels high; it remembers what it was asked to measure.
class fakefont : public ttextmeasure {
 public:
  explicit fakefont(int height = 13) : height_(height) {}
  int TextWidth(const std::string& text) const override { return 6 * static_cast<int>(text.size()); }
  int TextHeight(const std::string& text) const override {
    heightProbes.push_back(text);
    return height_;
  }
  mutable std::vector<std::string> heightProbes;

 private:
  int height_;
};

const tmenustyle Small{16, 16};
const tmenustyle Large{32, 32};

tmenuentry Item(const std::string& caption, std::int32_t image = 7) {
  tmenuentry e;
  e.Caption = caption;
  e.ImageIndex = image;
  return e;
}

tmenuentry WithHotkey(tmenuentry e, const std::string& text) {
  e.Hotkey = 0x4041;
  e.HotkeyText = text;
  return e;
}

tmenuentry SeparatorEntry() { return MenuEntry("-", 3); }

}  // namespace

TEST(MenuGeometry, WorkedSizesForSmallAndLargeIcons) {
  fakefont font(13);
  const tmenuentry notepad = Item("Notepad");
  tmenuitemsize small = MeasureMenuItem(notepad, Small, font);
  EXPECT_EQ(small.Height, 20);
  EXPECT_EQ(small.Width, 42 + 16 + 16);
  tmenuitemlayout l = LayoutMenuItem(notepad, Small, 200, small.Height, false, font);
  EXPECT_EQ(l.CaptionX, 28);
  EXPECT_EQ(l.TextY, 3);
  EXPECT_EQ(l.StripRight, 24);
  EXPECT_EQ(l.IconX, 4);
  EXPECT_EQ(l.IconY, 2);

  tmenuitemsize large = MeasureMenuItem(notepad, Large, font);
  EXPECT_EQ(large.Height, 36);
  EXPECT_EQ(large.Width, 42 + 32 + 16);
  l = LayoutMenuItem(notepad, Large, 200, large.Height, false, font);
  EXPECT_EQ(l.CaptionX, 44);
  EXPECT_EQ(l.TextY, 11);
  EXPECT_EQ(l.StripRight, 40);
  EXPECT_EQ(l.IconX, 4);
  EXPECT_EQ(l.IconY, 2);

  // The line height is probed with "\xC2g", not with the caption.
  ASSERT_FALSE(font.heightProbes.empty());
  for (const std::string& probe : font.heightProbes) EXPECT_EQ(probe, "\xC2g");
}

TEST(MenuGeometry, TallFontWinsOverTheIconAndCentresWithIntegerDivision) {
  fakefont tall(24);
  EXPECT_EQ(MeasureMenuItem(Item("A"), Small, tall).Height, 24);
  EXPECT_EQ(LayoutMenuItem(Item("A"), Small, 100, 24, false, tall).TextY, 0);
  EXPECT_EQ(MeasureMenuItem(Item("A"), Large, tall).Height, 36);
  fakefont odd(15);
  EXPECT_EQ(LayoutMenuItem(Item("A"), Small, 100, 20, false, odd).TextY, 2);
  // A system that gives a taller rectangle than measured: still centred.
  EXPECT_EQ(LayoutMenuItem(Item("A"), Small, 100, 30, false, odd).TextY, 7);
}

TEST(MenuGeometry, SeparatorsAreFiveHighWithStripAndLineAndNeverHighlighted) {
  fakefont font(13);
  for (const tmenustyle& style : {Small, Large}) {
    tmenuitemsize size = MeasureMenuItem(SeparatorEntry(), style, font);
    EXPECT_EQ(size.Height, 5);
    EXPECT_EQ(size.Width, 6 + style.IconWidth + 16);
    for (bool selected : {false, true}) {
      tmenuitemlayout l = LayoutMenuItem(SeparatorEntry(), style, 150, 5, selected, font);
      EXPECT_FALSE(l.Highlighted);
      EXPECT_TRUE(l.HasStrip);
      EXPECT_EQ(l.StripRight, style.IconWidth + 8);
      EXPECT_FALSE(l.HasIcon);
      EXPECT_FALSE(l.HasCaption);
      EXPECT_FALSE(l.HasHotkey);
      ASSERT_TRUE(l.HasLine);
      EXPECT_EQ(l.LineFromX, 14);
      EXPECT_EQ(l.LineToX, 136);
      EXPECT_EQ(l.LineY, 2);
    }
  }
  // A separator keeps its hotkey-free width even if it was handed a hotkey.
  tmenuentry odd = WithHotkey(SeparatorEntry(), "Strg+A");
  odd.Separator = true;
  EXPECT_EQ(MeasureMenuItem(odd, Small, font).Width, 6 + 16 + 16);
}

TEST(MenuGeometry, SelectedItemIsHighlightedAcrossTheWidthWithItsIconOnTop) {
  fakefont font;
  tmenuitemlayout l = LayoutMenuItem(Item("Mail", 5), Small, 120, 20, true, font);
  EXPECT_TRUE(l.Highlighted);
  EXPECT_FALSE(l.HasStrip);
  EXPECT_TRUE(l.HasIcon);
  EXPECT_EQ(l.ImageIndex, 5);
  EXPECT_TRUE(l.HasCaption);
  EXPECT_EQ(l.Caption, "Mail");
  EXPECT_FALSE(l.HasLine);
  tmenuitemlayout plain = LayoutMenuItem(Item("Mail", 5), Small, 120, 20, false, font);
  EXPECT_FALSE(plain.Highlighted);
  EXPECT_TRUE(plain.HasStrip);
  EXPECT_TRUE(plain.HasIcon);
  // An item without an image draws no icon.
  EXPECT_FALSE(LayoutMenuItem(Item("Mail", -1), Small, 120, 20, false, font).HasIcon);
}

TEST(MenuGeometry, HotkeyTextIsWrappedAndEndsThreePixelsBeforeTheRightEdge) {
  fakefont font;
  const tmenuentry shortItem = WithHotkey(Item("A"), "Strg+A");
  const tmenuentry longItem = WithHotkey(Item("A much longer caption"), "Strg+Umsch+F12");
  // "(Strg+A)" is 8 characters: 48 pixels and 8 more of margin.
  EXPECT_EQ(MeasureMenuItem(shortItem, Small, font).Width, 6 + 16 + 16 + 48 + 8);
  for (int width : {100, 250}) {
    for (const tmenuentry& e : {shortItem, longItem}) {
      tmenuitemlayout l = LayoutMenuItem(e, Small, width, 20, false, font);
      ASSERT_TRUE(l.HasHotkey);
      EXPECT_EQ(l.HotkeyLabel, "(" + e.HotkeyText + ")");
      EXPECT_EQ(l.HotkeyX + font.TextWidth(l.HotkeyLabel), width - 3);
      EXPECT_EQ(l.CaptionX, 28);
    }
  }
  // A measured item always has room for both texts with the hotkey at the edge.
  tmenuitemsize size = MeasureMenuItem(longItem, Large, font);
  tmenuitemlayout l = LayoutMenuItem(longItem, Large, size.Width, size.Height, false, font);
  EXPECT_GE(l.HotkeyX, l.CaptionX + font.TextWidth(longItem.Caption) + 8);
}

TEST(MenuGeometry, NoHotkeyTextWithoutAValueOrWithoutAText) {
  fakefont font;
  tmenuentry noValue = Item("A");
  noValue.HotkeyText = "Strg+A";
  tmenuentry noText = Item("A");
  noText.Hotkey = 0x4041;
  for (const tmenuentry& e : {noValue, noText}) {
    EXPECT_EQ(MeasureMenuItem(e, Small, font).Width, 6 + 16 + 16);
    EXPECT_FALSE(LayoutMenuItem(e, Small, 100, 20, false, font).HasHotkey);
  }
}

TEST(MenuGeometry, ContextMenuItemsUseTheSmallIconLayout) {
  fakefont font;
  tmenuentry editor = MenuEntry("Shortcut Editor...", 0);
  EXPECT_FALSE(editor.Separator);
  EXPECT_EQ(editor.ImageIndex, 0);
  EXPECT_EQ(MeasureMenuItem(editor, Small, font).Height, 20);
  tmenuitemlayout l = LayoutMenuItem(editor, Small, 160, 20, false, font);
  EXPECT_EQ(l.StripRight, 24);
  EXPECT_EQ(l.CaptionX, 28);
  tmenuentry line = MenuEntry("-", 2);
  EXPECT_TRUE(line.Separator);
  EXPECT_EQ(line.ImageIndex, -1);
  EXPECT_EQ(MeasureMenuItem(line, Small, font).Height, 5);
}

TEST(MenuGeometry, StripRampAndCommandIdentifiers) {
  EXPECT_EQ(StripRampGrey(0), 195);
  EXPECT_EQ(StripRampGrey(59), 254);
  EXPECT_EQ(MenuCommandOfPosition(0), 1u);
  EXPECT_EQ(MenuPositionOfCommand(MenuCommandOfPosition(41)), 41);
  EXPECT_EQ(MenuPositionOfCommand(0), -1);  // the menu was cancelled
}
