// Heights, places, colours and path texts of the editor's owner-drawn rows.
#include <gtest/gtest.h>

#include "editor/editorrows.h"
#include "list_helpers.h"

using namespace zv;

namespace {

// Every byte 6 pixels wide, bold ones 7.
std::int32_t Regular(std::string_view s) { return static_cast<std::int32_t>(s.size()) * 6; }
std::int32_t Bold(std::string_view s) { return static_cast<std::int32_t>(s.size()) * 7; }
std::string Keys(std::uint16_t) { return "Strg+Q"; }

trowmetrics Metrics(bool large, int width) {
  trowmetrics m;
  m.Width = width;
  m.LargeMode = large;
  m.IconWidth = m.IconHeight = large ? 32 : 16;
  m.Height = large ? 36 : 20;
  m.TextHeight = 13;
  m.Regular = Regular;
  m.Bold = Bold;
  return m;
}

}  // namespace

TEST(EditorRows, HeightsForTahomaAndTheUsualIcons) {
  auto app = MakeShortcut(stApplication, "A");
  auto sep = Separator();
  EXPECT_EQ(RowHeight(*app, true, 13, 32), 36);
  EXPECT_EQ(RowHeight(*app, false, 13, 16), 20);
  EXPECT_EQ(RowHeight(*sep, true, 13, 32), 17);
  EXPECT_EQ(RowHeight(*sep, false, 13, 16), 17);
  // A big font outgrows the icon, a big icon the font.
  EXPECT_EQ(RowHeight(*app, true, 20, 32), 44);
  EXPECT_EQ(RowHeight(*app, false, 13, 24), 28);
  EXPECT_EQ(std::string(RowSampleText), "\xC2g");
}

TEST(EditorRows, SeparatorLineWithItsTextInTheMiddle) {
  tseparatorrow r = LayoutSeparatorRow(421, 17, Regular);
  EXPECT_EQ(r.LineFrom.X, 2);
  EXPECT_EQ(r.LineFrom.Y, 8);
  EXPECT_EQ(r.LineTo.X, 419);
  EXPECT_EQ(r.TextAt.X, (421 - 66) / 2);
  EXPECT_EQ(r.TextAt.Y, 2);
}

TEST(EditorRows, LargeModeCaptionHotkeyAndShortenedPath) {
  auto s = MakeShortcut(stApplication, "Editor", "C:\\Program Files\\Tools\\Editor\\edit.exe", 0x4051);
  s->HotkeyStatus = hsInvalid;
  tshortcutrow r = LayoutShortcutRow(*s, Metrics(true, 220), Keys);
  EXPECT_EQ(r.IconAt.X, 2);
  EXPECT_EQ(r.IconAt.Y, 2);
  EXPECT_TRUE(r.Badge);
  EXPECT_EQ(r.BadgeAt.X, 12);
  EXPECT_EQ(r.BadgeAt.Y, 12);
  EXPECT_TRUE(r.CaptionBold);
  EXPECT_EQ(r.CaptionAt.X, 39);
  EXPECT_EQ(r.CaptionAt.Y, 5);
  EXPECT_EQ(r.HotkeyText, "(Strg+Q)");
  EXPECT_EQ(r.HotkeyAt.X, 32 + 12 + 42);
  EXPECT_EQ(r.HotkeyAt.Y, 5);
  EXPECT_TRUE(r.ShowPath);
  EXPECT_EQ(r.PathAt.Y, 18);
  // 177 pixels hold 29 bytes.
  EXPECT_EQ(r.PathText, "C:\\...\\Tools\\Editor\\edit.exe");
  // Wider, the whole path shows.
  EXPECT_EQ(LayoutShortcutRow(*s, Metrics(true, 400), Keys).PathText, s->Path);
}

TEST(EditorRows, SmallModeHotkeyAtTheRightEdgeAndNoPath) {
  auto s = MakeShortcut(stFile, "Notes", "C:\\n.txt", 0x4051);
  tshortcutrow r = LayoutShortcutRow(*s, Metrics(false, 421), Keys);
  EXPECT_FALSE(r.Badge);
  EXPECT_FALSE(r.CaptionBold);
  EXPECT_EQ(r.CaptionAt.X, 23);
  EXPECT_EQ(r.CaptionAt.Y, 3);
  EXPECT_EQ(r.HotkeyAt.X, 421 - 48 - 4);
  EXPECT_EQ(LayoutShortcutRow(*s, Metrics(false, 600), Keys).HotkeyAt.X, 600 - 48 - 4);
  EXPECT_FALSE(r.ShowPath);
  s->HotkeyStatus = hsInvalid;
  s->Hotkey = 0;
  r = LayoutShortcutRow(*s, Metrics(false, 421), Keys);
  EXPECT_TRUE(r.Badge);
  EXPECT_EQ(r.BadgeAt.X, 7);
  EXPECT_EQ(r.BadgeAt.Y, 7);
  EXPECT_TRUE(r.HotkeyText.empty());
}

TEST(EditorRows, ColoursOfSelectedInvalidAndPlainRows) {
  auto s = MakeShortcut(stApplication, "A");
  EXPECT_EQ(RowColours(*s, false).Background, trowcolour::Window);
  EXPECT_EQ(RowColours(*s, false).Text, trowcolour::WindowText);
  s->HotkeyStatus = hsInvalid;
  EXPECT_EQ(RowColours(*s, false).Background, trowcolour::InvalidHotkey);
  EXPECT_EQ(RowColours(*s, true).Background, trowcolour::Highlight);
  EXPECT_EQ(RowColours(*s, true).Text, trowcolour::HighlightText);
  EXPECT_EQ(InvalidHotkeyRowColour, 0x00BBBBFFu);
}

TEST(EditorRows, ShortenPathKeepsDriveAndNameAsLongAsItCan) {
  const std::string p = "C:\\aaaa\\bb\\ccc\\file.exe";
  auto fit = [&](int chars) { return ShortenPath(p, chars * 6, Regular); };
  EXPECT_EQ(fit(23), p);
  EXPECT_EQ(fit(22), "C:\\...\\bb\\ccc\\file.exe");
  EXPECT_EQ(fit(21), "C:\\...\\ccc\\file.exe");
  EXPECT_EQ(fit(18), "C:\\...\\file.exe");
  EXPECT_EQ(fit(14), "...\\file.exe");
  EXPECT_EQ(fit(7), "file...");
  EXPECT_EQ(fit(0), "...");
  EXPECT_EQ(ShortenPath("\\\\server\\share\\folder\\x.txt", 24 * 6, Regular), "\\\\server\\share\\...\\x.txt");
  EXPECT_EQ(ShortenPath("", 0, Regular), "");
  EXPECT_EQ(ShortenPath("C:\\", 0, Regular), "...");
}

TEST(EditorRows, EntriesOfGroupsStandInByLevelAndAGroupShowsItsNameAlone) {
  EXPECT_EQ(RowIndent(0, true, 421), 0);
  EXPECT_EQ(RowIndent(2, false, 421), 32);
  EXPECT_EQ(RowIndent(2, true, 421), 48);
  EXPECT_EQ(RowIndent(2, false, 421, 144), 48);  // with the DPI, as the margins
  EXPECT_EQ(RowIndent(255, true, 421), 210);     // never past the middle
  EXPECT_EQ(RowIndent(3, true, -5), 0);

  auto member = AtLevel(MakeShortcut(stApplication, "Editor", "C:\\edit.exe", 0x4051), 1);
  tshortcutrow r = LayoutShortcutRow(*member, Metrics(false, 421), Keys);
  EXPECT_EQ(r.IconAt.X, 18);
  EXPECT_EQ(r.CaptionAt.X, 16 + 16 + 7);
  EXPECT_EQ(r.HotkeyAt.X, 421 - 8 * 6 - 4);  // the hotkeys still line up at the right
  r = LayoutShortcutRow(*member, Metrics(true, 220), Keys);
  EXPECT_EQ(r.PathAt.X, 24 + 32 + 7);

  auto group = Group("Tools", 1);
  group->Hotkey = 0x4051;  // stored by someone else: a group has none
  EXPECT_EQ(RowHeight(*group, true, 13, 32), 36);
  r = LayoutShortcutRow(*group, Metrics(true, 421), Keys);
  EXPECT_EQ(r.IconAt.X, 26);
  EXPECT_TRUE(r.CaptionBold);
  EXPECT_EQ(r.Caption, "Tools");
  EXPECT_EQ(r.CaptionAt.X, 24 + 32 + 7);
  EXPECT_EQ(r.CaptionAt.Y, (36 - 13) / 2);
  EXPECT_FALSE(r.ShowPath);
  EXPECT_FALSE(r.Badge);
  EXPECT_TRUE(r.HotkeyText.empty());

  tseparatorrow line = LayoutSeparatorRow(421, 17, Regular, 96, 32);
  EXPECT_EQ(line.LineFrom.X, 34);
  EXPECT_EQ(line.LineTo.X, 419);
  EXPECT_EQ(line.TextAt.X, 32 + (421 - 32 - 66) / 2);
}
