#include <gtest/gtest.h>

#include "list_helpers.h"
#include "model/tzvshortcutlist.h"

using namespace zv;

TEST(Shortcut, NewShortcutIsAnApplicationWithDefaults) {
  tzvshortcut s;
  EXPECT_EQ(s.Caption, "New Shortcut");
  EXPECT_EQ(s.ShortcutType, stApplication);
  EXPECT_EQ(s.ViewStyle, vsNormal);
  EXPECT_EQ(s.Path + s.Parameters + s.WorkingDir, "");
  EXPECT_FALSE(s.FullExplorer);
  EXPECT_EQ(s.Hotkey, 0);
  EXPECT_EQ(s.HotkeyStatus, hsNone);
  EXPECT_EQ(s.ImageIndex, 0);
}

TEST(Shortcut, EqualityFoldsAsciiCaseExceptInParameters) {
  tzvshortcut a, b;
  a.Caption = "Mail";
  a.Path = "C:\\Mail.exe";
  a.WorkingDir = "C:\\";
  a.Parameters = "-x";
  b.Assign(&a);
  b.Caption = "MAIL";
  b.Path = "c:\\mail.EXE";
  b.WorkingDir = "c:\\";
  b.HotkeyStatus = hsFailed;
  b.ImageIndex = 9;
  EXPECT_TRUE(a.IsEqual(&b));
  b.Parameters = "-X";
  EXPECT_FALSE(a.IsEqual(&b));
  // Only a-z fold: umlauts must match byte for byte.
  a.Parameters = b.Parameters;
  a.Caption = "\xE4rger";
  b.Caption = "\xC4rger";
  EXPECT_FALSE(a.IsEqual(&b));
  b.Caption = "\xE4rger ";
  EXPECT_FALSE(a.IsEqual(&b));
  EXPECT_FALSE(a.IsEqual(nullptr));
}

TEST(Shortcut, ViewStyleAndFullExplorerCountEvenWhereUnused) {
  tzvshortcut a, b;
  a.ShortcutType = b.ShortcutType = stFile;
  b.ViewStyle = vsMaximized;
  EXPECT_FALSE(a.IsEqual(&b));
  b.ViewStyle = a.ViewStyle;
  b.FullExplorer = true;
  EXPECT_FALSE(a.IsEqual(&b));
}

TEST(Shortcut, SeparatorOnTheLeftIsNeverEqual) {
  tzvshortcut sep, app;
  sep.ShortcutType = stSeparator;
  tzvshortcut sep2;
  sep2.Assign(&sep);
  EXPECT_FALSE(sep.IsEqual(&sep2));
  EXPECT_FALSE(sep.IsEqual(&app));
  EXPECT_FALSE(app.IsEqual(&sep));  // types differ
}

TEST(Shortcut, AssignCopiesTransientFieldsAndIgnoresNull) {
  tzvshortcut a, b;
  a.HotkeyStatus = hsRegistered;
  a.ImageIndex = 42;
  a.Caption = "X";
  b.Assign(&a);
  EXPECT_EQ(b.HotkeyStatus, hsRegistered);
  EXPECT_EQ(b.ImageIndex, 42);
  b.Assign(nullptr);
  EXPECT_EQ(b.Caption, "X");
}

TEST(ShortcutList, AddAnswersIndexOrRefusalAndKeepsRefusedItemsWithCaller) {
  tzvshortcutlist list;
  std::unique_ptr<tzvshortcut> none;
  EXPECT_EQ(list.Add(none, false), -1);
  auto a = MakeShortcut(stApplication, "Mail", "C:\\m.exe");
  EXPECT_EQ(list.Add(a, false), 0);
  EXPECT_EQ(a, nullptr);
  auto dup = MakeShortcut(stApplication, "MAIL", "c:\\M.EXE");
  EXPECT_EQ(list.Add(dup, false), -2);
  ASSERT_NE(dup, nullptr);  // still the caller's
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Add(dup, true), 1);
  auto params = MakeShortcut(stApplication, "Mail", "C:\\m.exe");
  params->Parameters = "A";
  list.GetItem(0)->Parameters = "a";
  EXPECT_EQ(list.Add(params, false), 2);
}

TEST(ShortcutList, SeparatorsAreNeverRefusedAsDuplicates) {
  tzvshortcutlist list;
  for (int i = 0; i < 5; ++i) {
    auto sep = Separator();
    EXPECT_EQ(list.Add(sep, false), i);
  }
  auto sep = Separator();
  EXPECT_TRUE(list.Insert(2, sep, false));
  EXPECT_EQ(list.Count(), 6);
}

TEST(ShortcutList, InsertBoundsAndDuplicates) {
  tzvshortcutlist list;
  Append(list, MakeShortcut(stFile, "A"));
  Append(list, MakeShortcut(stFile, "B"));
  auto c = MakeShortcut(stFile, "C");
  EXPECT_FALSE(list.Insert(3, c, true));
  EXPECT_FALSE(list.Insert(-1, c, true));
  ASSERT_NE(c, nullptr);
  EXPECT_TRUE(list.Insert(2, c, true));  // index = count appends
  auto front = MakeShortcut(stFile, "Z");
  EXPECT_TRUE(list.Insert(0, front, false));
  auto dupB = MakeShortcut(stFile, "b");
  EXPECT_FALSE(list.Insert(1, dupB, false));
  std::unique_ptr<tzvshortcut> none;
  EXPECT_FALSE(list.Insert(0, none, true));
  EXPECT_EQ(Captions(list), "Z,A,B,C");
  EXPECT_EQ(list.GetItem(4), nullptr);
}

TEST(ShortcutList, MoveClampsIndexesAtTheEnd) {
  tzvshortcutlist list;
  for (auto c : {"A", "B", "C"}) Append(list, MakeShortcut(stFile, c));
  list.Move(7, 0);
  EXPECT_EQ(Captions(list), "C,A,B");
  list.Move(0, 99);
  EXPECT_EQ(Captions(list), "A,B,C");
  list.Move(1, 1);
  list.Move(5, 2);  // both clamp to 2
  EXPECT_EQ(Captions(list), "A,B,C");
  list.Move(0, 1);
  EXPECT_EQ(Captions(list), "B,A,C");
}

TEST(ShortcutList, DeleteAndClearGiveBackStorage) {
  tzvshortcutlist list;
  for (auto c : {"A", "B", "C", "D"}) Append(list, MakeShortcut(stFile, c));
  list.Delete(1);
  EXPECT_EQ(Captions(list), "A,C,D");
  EXPECT_EQ(list.Capacity(), 3u);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Capacity(), 0u);
}

TEST(ShortcutList, AssignIsADeepCopyWithTransientFields) {
  tzvshortcutlist source;
  auto a = MakeShortcut(stApplication, "A");
  a->HotkeyStatus = hsFailed;
  a->ImageIndex = 17;
  Append(source, std::move(a));
  Append(source, Separator());
  Append(source, MakeShortcut(stApplication, "A"));  // duplicates are copied too
  tzvshortcutlist copy;
  Append(copy, MakeShortcut(stFile, "old"));
  copy.Assign(source);
  EXPECT_EQ(Describe(copy), Describe(source));
  EXPECT_EQ(copy.GetItem(0)->HotkeyStatus, hsFailed);
  EXPECT_EQ(copy.GetItem(0)->ImageIndex, 17);
  EXPECT_NE(copy.GetItem(0), source.GetItem(0));
  copy.GetItem(0)->Caption = "changed";
  EXPECT_EQ(source.GetItem(0)->Caption, "A");
  EXPECT_EQ(copy.Capacity(), 3u);
}

struct tidycase {
  const char* Before;
  const char* After;
};

class TidySeparators : public testing::TestWithParam<tidycase> {};

TEST_P(TidySeparators, RemovesDoubledLeadingAndTrailingSeparators) {
  tzvshortcutlist list;
  std::string before = GetParam().Before;
  for (char c : before) Append(list, c == '-' ? Separator() : MakeShortcut(stFile, std::string(1, c)));
  list.TidySeparators();
  EXPECT_EQ(Captions(list), GetParam().After);
  EXPECT_EQ(list.Capacity(), static_cast<size_t>(list.Count()));
}

INSTANTIATE_TEST_SUITE_P(Cases, TidySeparators,
                         testing::Values(tidycase{"--A--B-", "A,-,B"}, tidycase{"-", ""},
                                         tidycase{"--", ""}, tidycase{"AB", "A,B"},
                                         tidycase{"", ""}, tidycase{"A---B--C", "A,-,B,-,C"},
                                         tidycase{"-A-", "A"}),
                         [](const testing::TestParamInfo<tidycase>& info) {
                           return "Case" + std::to_string(info.index);
                         });
