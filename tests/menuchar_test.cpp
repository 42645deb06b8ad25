// Type to choose in the shortcut menu: which item a typed character selects
// or executes.
#include <gtest/gtest.h>

#include "ui/menuchar.h"

namespace {

using zv::tmenucharaction;

struct menu {
  std::vector<zv::tmenuentry> Entries;
  explicit menu(std::initializer_list<const char*> captions) {
    for (const char* c : captions) Entries.push_back(zv::MenuEntry(c, 0));
  }
  zv::tmenucharanswer Type(char key, int current = -1) const {
    std::vector<const zv::tmenuentry*> items;
    for (const auto& e : Entries) items.push_back(&e);
    return zv::MenuCharChoice(items, current, key, zv::AsciiCharRules());
  }
};

}  // namespace

TEST(MenuChar, TheOnlyMatchIsExecutedWhateverItsCase) {
  const menu m{"Mail", "-", "notepad", "Docs"};
  for (char key : {'n', 'N'}) {
    const auto a = m.Type(key);
    EXPECT_EQ(a.Action, tmenucharaction::Execute);
    EXPECT_EQ(a.Position, 2);
  }
  EXPECT_EQ(m.Type('d', 3).Action, tmenucharaction::Execute) << "also when highlighted already";
}

TEST(MenuChar, SeveralMatchesSelectTheNextAfterTheHighlightWrappingRound) {
  const menu m{"Notes", "-", "Mail", "Notepad", "2nd", "notebook"};
  EXPECT_EQ(m.Type('n').Position, 0);
  EXPECT_EQ(m.Type('n', 0).Position, 3);
  EXPECT_EQ(m.Type('N', 3).Position, 5);
  EXPECT_EQ(m.Type('n', 5).Position, 0);
  EXPECT_EQ(m.Type('n', 2).Position, 3);
  EXPECT_EQ(m.Type('n', 99).Position, 0) << "an unknown highlight counts as none";
  EXPECT_EQ(m.Type('n', 0).Action, tmenucharaction::Select);
  EXPECT_EQ(m.Type('2').Action, tmenucharaction::Execute);
}

TEST(MenuChar, OtherKeysAndSeparatorsChooseNothing) {
  const menu m{"-", "Mail", "-", "", "(x)"};
  for (char key : {'-', '(', ' ', '\r', 'x', 'z'}) {
    const auto a = m.Type(key);
    EXPECT_EQ(a.Action, tmenucharaction::None) << key;
    EXPECT_EQ(a.Position, -1);
  }
  EXPECT_EQ(menu{}.Type('a').Action, tmenucharaction::None);
  menu empty{"Empty"};
  empty.Entries[0].Disabled = true;  // an empty group's only item
  EXPECT_EQ(empty.Type('e').Action, tmenucharaction::None);
}

TEST(MenuChar, ComparesByTheGivenCodePageRules) {
  // Windows-1252: a-umlaut and A-umlaut are one letter in two cases.
  zv::tcharrules rules;
  rules.IsLetterOrDigit = [](char c) { return c == '\xE4' || c == '\xC4'; };
  rules.Lower = [](char c) { return c == '\xC4' ? '\xE4' : c; };
  zv::tmenuentry upper = zv::MenuEntry("\xC4rger", 0), other = zv::MenuEntry("Mail", 0);
  const auto a = zv::MenuCharChoice({&other, &upper}, -1, '\xE4', rules);
  EXPECT_EQ(a.Action, tmenucharaction::Execute);
  EXPECT_EQ(a.Position, 1);
}
