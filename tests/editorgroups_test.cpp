// Groups in the editor: dragging rows into, out of and with groups, Tab and
// Shift+Tab, deleting, dissolving, duplicating and inserting groups.
#include <gtest/gtest.h>

#include "editor/editorgroups.h"
#include "editor_rig.h"

using namespace zv;

namespace {

std::unique_ptr<tzvshortcut> App(const std::string& caption, std::uint8_t level = 0) {
  return AtLevel(MakeShortcut(stApplication, caption, "C:\\" + caption + ".exe"), level);
}

// Tools holds Editor, Deep (holding X) and Y; Empty holds nothing.
std::vector<std::unique_ptr<tzvshortcut>> Nested() {
  std::vector<std::unique_ptr<tzvshortcut>> v;
  v.push_back(Group("Tools"));
  v.push_back(App("Editor", 1));
  v.push_back(Group("Deep", 1));
  v.push_back(App("X", 2));
  v.push_back(App("Y", 1));
  v.push_back(App("Mail"));
  v.push_back(Group("Empty"));
  v.push_back(App("Z"));
  return v;
}
constexpr const char* NestedStructure = "0[Tools],1Editor,1[Deep],2X,1Y,0Mail,0[Empty],0Z";

// Every level as the list itself would fit it: nothing left dangling.
bool LevelsFit(const tzvshortcutlist& list) {
  tzvshortcutlist fitted;
  fitted.Assign(list);
  fitted.FitGroupLevels();
  return Structure(fitted) == Structure(list);
}

enum tspot { Above, Onto, Below };
// Rows 20 pixels high; the upper and lower quarter are beside the row.
trowhit At(int row, tspot spot) {
  trowhit h;
  h.Row = row;
  h.Top = row * 20;
  h.Bottom = h.Top + 20;
  h.Y = h.Top + (spot == Above ? 2 : spot == Onto ? 10 : 18);
  return h;
}

}  // namespace

TEST(EditorGroups, BlocksParentsAndTheQuestionBeforeDeleting) {
  editorrig rig;
  rig.Load(Nested());
  const tzvshortcutlist& list = rig.Editor.worklist;
  EXPECT_EQ(BlockEnd(list, 0), 5);
  EXPECT_EQ(BlockEnd(list, 2), 4);
  EXPECT_EQ(BlockEnd(list, 6), 7);  // empty
  EXPECT_EQ(BlockEnd(list, 7), 8);
  EXPECT_EQ(BlockEnd(list, 99), 99);
  EXPECT_EQ(EntriesIn(list, 0), 4);
  EXPECT_EQ(EntriesIn(list, 5), 0);
  EXPECT_EQ(ParentGroup(list, 3), 2);
  EXPECT_EQ(ParentGroup(list, 4), 0);
  EXPECT_EQ(ParentGroup(list, 5), -1);
  EXPECT_EQ(GroupAbove(list, 5), 0);
  EXPECT_EQ(GroupAbove(list, 4), 2);
  EXPECT_EQ(GroupAbove(list, 2), -1);  // Editor above is no group
  EXPECT_EQ(GroupAbove(list, -1), -1);
  EXPECT_EQ(LevelAt(list, 3), 2);
  EXPECT_EQ(LevelAt(list, 8), 0);
  EXPECT_EQ(SelectedBlocks(list, {false, true, true, true, false, true}), (std::vector<std::int32_t>{1, 2, 5}));

  EXPECT_EQ(DeleteGroupQuestion("Tools", 3), "Do you really want to delete the group \"Tools\" and the 3 entries in it?");
  EXPECT_EQ(DeleteGroupQuestion("Tools", 1), "Do you really want to delete the group \"Tools\" and the 1 entry in it?");
  EXPECT_EQ(DeleteGroupQuestion("Tools", 0), "Do you really want to delete the group \"Tools\"?");
}

TEST(EditorGroups, DragIntoOntoAndBetweenGroupsAndNeverIntoItself) {
  struct drag {
    int From;
    trowhit To;
    const char* Result;
    const char* Status;
  };
  const char* itself = "A group cannot be moved into itself.";
  const drag drags[] = {
      // Onto a group's row: its last entry.
      {5, At(0, Onto), "0[Tools],1Editor,1[Deep],2X,1Y,1Mail,0[Empty],0Z",
       "Move shortcut \"Mail\" into group \"Tools\""},
      // Between rows: the level of the row below.
      {7, At(1, Above), "0[Tools],1Z,1Editor,1[Deep],2X,1Y,0Mail,0[Empty]",
       "Move shortcut \"Z\" before shortcut \"Editor\""},
      {7, At(3, Below), "0[Tools],1Editor,1[Deep],2X,1Z,1Y,0Mail,0[Empty]", "Move shortcut \"Z\" after shortcut \"X\""},
      {3, trowhit{}, "0[Tools],1Editor,1[Deep],1Y,0Mail,0[Empty],0Z,0X", "Move shortcut \"X\" to last position..."},
      // In place, one level up: after the group's end.
      {4, At(5, Above), "0[Tools],1Editor,1[Deep],2X,0Y,0Mail,0[Empty],0Z",
       "Move shortcut \"Y\" before shortcut \"Mail\""},
      // A group takes its entries along.
      {2, At(5, Below), "0[Tools],1Editor,1Y,0Mail,0[Deep],1X,0[Empty],0Z", "Move group \"Deep\" after shortcut \"Mail\""},
      {0, At(6, Onto), "0Mail,0[Empty],1[Tools],2Editor,2[Deep],3X,2Y,0Z", "Move group \"Tools\" into group \"Empty\""},
      // Into itself: refused, and the list stays.
      {0, At(2, Onto), NestedStructure, itself},
      {0, At(1, Below), NestedStructure, itself},
      {2, At(2, Onto), NestedStructure, itself},
  };
  for (const drag& d : drags) {
    editorrig rig;
    rig.Load(Nested());
    rig.Select({d.From}, d.From);
    const std::string moved = rig.Editor.worklist.GetItem(d.From)->Caption;
    ASSERT_TRUE(rig.Editor.shortcutslbStartDrag());
    const bool accepted = rig.Editor.shortcutslbDragOver(true, d.To);
    EXPECT_EQ(rig.Editor.StatusText(), d.Status) << d.From << "->" << d.To.Row;
    EXPECT_EQ(accepted, d.Status != itself) << d.From << "->" << d.To.Row;
    rig.Apply(rig.Editor.shortcutslbDragDrop(d.To));
    EXPECT_EQ(Structure(rig.Editor.worklist), d.Result) << d.From << "->" << d.To.Row;
    EXPECT_TRUE(LevelsFit(rig.Editor.worklist));
    EXPECT_EQ(rig.Rows, 8);
    // The dragged row stays the one selected row.
    EXPECT_EQ(rig.Editor.SelectedCount(), 1);
    ASSERT_GE(rig.Editor.FocusedRow(), 0);
    EXPECT_EQ(rig.Editor.worklist.GetItem(rig.Editor.FocusedRow())->Caption, moved);
    EXPECT_TRUE(rig.Editor.IsSelected(rig.Editor.FocusedRow()));
  }

  // Files dropped onto a group go in at its end.
  editorrig rig;
  rig.Load(Nested());
  rig.Apply(rig.Editor.shortcutslbDropFiles({"C:\\A", "C:\\B"}, At(2, Onto)));
  EXPECT_EQ(Structure(rig.Editor.worklist), "0[Tools],1Editor,1[Deep],2X,2A,2B,1Y,0Mail,0[Empty],0Z");
}

TEST(EditorGroups, AtTheLastLevelNothingGoesDeeper) {
  editorrig rig;
  std::vector<std::unique_ptr<tzvshortcut>> deep;
  for (int level = 0; level <= 255; ++level) deep.push_back(Group("G" + std::to_string(level), static_cast<std::uint8_t>(level)));
  deep.push_back(App("X", 255));
  deep.push_back(Group("Top"));
  deep.push_back(App("Inner", 1));
  rig.Load(std::move(deep));
  const std::string before = Structure(rig.Editor.worklist);
  rig.Select({256}, 256);
  rig.Apply(rig.Editor.FormKeyDown(vkTab, false));  // G255 holds nothing
  EXPECT_EQ(Structure(rig.Editor.worklist), before);
  EXPECT_FALSE(rig.Editor.shortcutslbDragOver(true, At(255, Onto)));
  rig.Apply(rig.Editor.shortcutslbDragDrop(At(255, Onto)));
  EXPECT_EQ(Structure(rig.Editor.worklist), before);
  // Top's entry would stand at 256.
  rig.Select({257}, 257);
  EXPECT_FALSE(rig.Editor.shortcutslbDragOver(true, At(254, Onto)));
  rig.Apply(rig.Editor.shortcutslbDragDrop(At(254, Onto)));
  EXPECT_EQ(Structure(rig.Editor.worklist), before);
}

TEST(EditorGroups, TabAndShiftTabMoveRowsIntoAndOutOfGroupsWithTheirEntries) {
  editorrig rig;
  rig.Load(Nested());
  const tzvshortcutlist& list = rig.Editor.worklist;
  // Shift+Tab at the top level, Tab with no group above: nothing.
  rig.Select({5}, 5);
  EXPECT_FALSE(rig.Apply(rig.Editor.FormKeyDown(vkTab, false, true)).RepaintAll);
  rig.Select({1}, 1);
  EXPECT_FALSE(rig.Apply(rig.Editor.FormKeyDown(vkTab, false)).RepaintAll);
  EXPECT_EQ(Structure(list), NestedStructure);

  // Out of Tools with X, after Tools' end: Y stays in Tools.
  rig.Select({2}, 2);
  auto out = rig.Apply(rig.Editor.FormKeyDown(vkTab, false, true));
  EXPECT_EQ(Structure(list), "0[Tools],1Editor,1Y,0[Deep],1X,0Mail,0[Empty],0Z");
  EXPECT_TRUE(out.RepaintAll);
  EXPECT_TRUE(rig.Editor.IsSelected(3));
  EXPECT_EQ(rig.Editor.FocusedRow(), 3);
  // Mail into Deep, the group just above it, then Deep with both into Tools.
  rig.Select({5}, 5);
  rig.Apply(rig.Editor.FormKeyDown(vkTab, false));
  EXPECT_EQ(Structure(list), "0[Tools],1Editor,1Y,0[Deep],1X,1Mail,0[Empty],0Z");
  rig.Select({3}, 3);
  rig.Apply(rig.Editor.FormKeyDown(vkTab, false));
  EXPECT_EQ(Structure(list), "0[Tools],1Editor,1Y,1[Deep],2X,2Mail,0[Empty],0Z");
  // Two rows at once, from the group above and after one another; a
  // selected row inside a selected group goes with it, once.
  rig.Select({6, 7}, 7);
  rig.Apply(rig.Editor.FormKeyDown(vkTab, false));
  EXPECT_EQ(Structure(list), "0[Tools],1Editor,1Y,1[Deep],2X,2Mail,1[Empty],1Z");
  rig.Select({1, 3, 4, 7}, 1);
  rig.Apply(rig.Editor.FormKeyDown(vkTab, false, true));
  EXPECT_EQ(Structure(list), "0[Tools],1Y,1[Empty],0Editor,0[Deep],1X,1Mail,0Z");
  EXPECT_TRUE(LevelsFit(list));
  for (int i = 0; i < 8; ++i) EXPECT_EQ(rig.Editor.IsSelected(i), i == 3 || i == 4 || i == 5 || i == 7) << i;
  EXPECT_EQ(rig.Rows, 8);
  // Ctrl+Tab is not the list's.
  EXPECT_FALSE(rig.Editor.FormKeyDown(vkTab, true).RepaintAll);
}

TEST(EditorGroups, DeleteAsksAndTakesTheEntriesDissolveKeepsThemDuplicateCopiesThem) {
  editorrig rig;
  rig.Load(Nested());
  const tzvshortcutlist& list = rig.Editor.worklist;
  for (int row : {0, 2, 6}) {
    rig.Select({row}, row);
    rig.Editor.deletelblClick();
  }
  ASSERT_EQ(rig.Prompts.Shown.size(), 3u);
  EXPECT_EQ(rig.Titles(), "Delete Group;Delete Group;Delete Group");
  EXPECT_EQ(rig.Prompts.Shown[0].Text, "Do you really want to delete the group \"Tools\" and the 4 entries in it?");
  EXPECT_EQ(rig.Prompts.Shown[1].Text, "Do you really want to delete the group \"Deep\" and the 1 entry in it?");
  EXPECT_EQ(rig.Prompts.Shown[2].Text, "Do you really want to delete the group \"Empty\"?");
  EXPECT_EQ(rig.Prompts.Shown[0].Flags, mbYesNo | mbIconQuestion);
  EXPECT_EQ(Structure(list), NestedStructure);  // every answer was No

  // Duplicated with its entries, right after them; X goes with Deep, once.
  rig.Select({2, 3}, 3);
  rig.Apply(rig.Editor.duplicatelblClick());
  EXPECT_EQ(Structure(list), "0[Tools],1Editor,1[Deep],2X,1[Deep],2X,1Y,0Mail,0[Empty],0Z");
  // Dissolved: the entries stay, one level up; Mail is no group.
  rig.Select({0, 2, 7}, 0);
  rig.Apply(rig.Editor.FormKeyDown(vkG, true, true));
  EXPECT_EQ(Structure(list), "0Editor,0X,0[Deep],1X,0Y,0Mail,0[Empty],0Z");
  EXPECT_EQ(rig.Rows, 8);
  // Deleted with its entries, and the rows with them.
  rig.Select({2}, 2);
  rig.Prompts.Answers = {idYes};
  rig.Apply(rig.Editor.FormKeyDown(vkDelete, false));
  EXPECT_EQ(Structure(list), "0Editor,0X,0Y,0Mail,0[Empty],0Z");
  EXPECT_EQ(rig.Rows, 6);
  EXPECT_EQ(rig.Editor.CountText(), "6 Shortcuts");
}

TEST(EditorGroups, NewEntriesTakeTheLevelOfTheirPlaceAndANewGroupIsNamedFirst) {
  editorrig rig;
  rig.Editor.Services().FolderIconIndex = [] { return 77; };
  rig.Load(Nested());
  const tzvshortcutlist& list = rig.Editor.worklist;
  EXPECT_EQ(list.GetItem(0)->ImageIndex, 77);
  // Cancelled: no group.
  rig.Select({3}, 3);
  rig.Apply(rig.Editor.FormKeyDown(vkG, true));
  EXPECT_EQ(rig.Log, (std::vector<std::string>{"new"}));
  EXPECT_EQ(Structure(list), NestedStructure);
  std::string named;
  rig.Dialog = [&named](tzvshortcut& s, bool) {
    named = s.Caption;
    s.Caption = s.IsGroup() ? "Work" : "Note";
    s.Path = s.IsGroup() ? "" : "C:\\note.txt";
    return true;
  };
  rig.Apply(rig.Editor.grouplblClick());
  EXPECT_EQ(named, "New Group");
  rig.Select({4}, 4);
  rig.Apply(rig.Editor.separatorlblClick());
  rig.Select({6}, 6);
  rig.Apply(rig.Editor.newlblClick());
  EXPECT_EQ(Structure(list), "0[Tools],1Editor,1[Deep],2[Work],2-,2X,1Note,1Y,0Mail,0[Empty],0Z");
  EXPECT_EQ(list.GetItem(3)->ImageIndex, 77);
  // A group's properties open like a shortcut's; a line's do not.
  rig.Dialog = [](tzvshortcut&, bool) { return false; };
  rig.Log.clear();
  rig.Select({0}, 0);
  rig.Editor.editlblClick();
  rig.Select({4}, 4);
  rig.Editor.editlblClick();
  EXPECT_EQ(rig.Log, (std::vector<std::string>{"edit Tools"}));
}

TEST(EditorGroups, AfterAMoveTheLaterOfTwoEqualHotkeysIsMarked) {
  const std::uint16_t ctrlQ = 0x4051;
  editorrig rig;
  std::vector<std::unique_ptr<tzvshortcut>> v;
  v.push_back(Group("Tools"));
  v.push_back(AtLevel(MakeShortcut(stApplication, "A", "C:\\a.exe", ctrlQ), 1));
  v.push_back(AtLevel(MakeShortcut(stApplication, "B", "C:\\b.exe", ctrlQ), 1));
  v.push_back(MakeShortcut(stApplication, "C", "C:\\c.exe"));
  rig.Load(std::move(v));
  const tzvshortcutlist& list = rig.Editor.worklist;
  ASSERT_EQ(list.GetItem(2)->HotkeyStatus, hsInvalid);
  // Shift+Tab takes A after Tools' end, behind B.
  rig.Select({1}, 1);
  rig.Apply(rig.Editor.FormKeyDown(vkTab, false, true));
  EXPECT_EQ(Structure(list), "0[Tools],1B,0A,0C");
  EXPECT_EQ(list.GetItem(1)->HotkeyStatus, hsNone);
  EXPECT_EQ(list.GetItem(2)->HotkeyStatus, hsInvalid);
  // Tools dragged below A takes B behind it.
  rig.Select({0}, 0);
  rig.Apply(rig.Editor.shortcutslbDragDrop(At(2, Below)));
  EXPECT_EQ(Structure(list), "0A,0[Tools],1B,0C");
  EXPECT_EQ(list.GetItem(0)->HotkeyStatus, hsNone);
  EXPECT_EQ(list.GetItem(2)->HotkeyStatus, hsInvalid);
  EXPECT_TRUE(rig.Editor.HotkeyWarningVisible());
}

TEST(EditorKeys, CommandKeysAndAltArrowsMoveTheSelectedRowAsADragWould) {
  editorrig rig;
  rig.Load(Nested());
  // Alt+Up: to the gap above the row before, taking the level found there.
  rig.Select({5}, 5);
  rig.Apply(rig.Editor.FormKeyDown(vkUp, false, false, true));
  EXPECT_EQ(Structure(rig.Editor.worklist), "0[Tools],1Editor,1[Deep],2X,1Mail,1Y,0[Empty],0Z");
  EXPECT_TRUE(rig.Editor.IsSelected(4));
  EXPECT_TRUE(LevelsFit(rig.Editor.worklist));
  // Alt+Down: below the row after it, back out at the top level.
  rig.Apply(rig.Editor.FormKeyDown(vkDown, false, false, true));
  EXPECT_EQ(Structure(rig.Editor.worklist), NestedStructure);
  // A group moves with its entries; nothing moves past the ends.
  rig.Select({0}, 0);
  EXPECT_TRUE(rig.Apply(rig.Editor.FormKeyDown(vkUp, false, false, true)).Rows.empty());
  rig.Select({7}, 7);
  EXPECT_TRUE(rig.Apply(rig.Editor.FormKeyDown(vkDown, false, false, true)).Rows.empty());
  rig.Select({0}, 0);
  rig.Apply(rig.Editor.FormKeyDown(vkDown, false, false, true));
  EXPECT_EQ(Structure(rig.Editor.worklist), "0Mail,0[Tools],1Editor,1[Deep],2X,1Y,0[Empty],0Z");
  EXPECT_TRUE(LevelsFit(rig.Editor.worklist));

  // Ctrl+D duplicates, Ctrl+L inserts a separator; Alt or Shift with them,
  // and Ctrl+S with Shift, are left to the system.
  rig.Select({7}, 7);
  rig.Apply(rig.Editor.FormKeyDown(vkD, true));
  EXPECT_EQ(rig.Editor.worklist.Count(), 9);
  rig.Apply(rig.Editor.FormKeyDown(vkL, true));
  EXPECT_EQ(rig.Editor.worklist.Count(), 10);
  EXPECT_FALSE(teditorcommands::IsEditorKey(vkD, true, true, false));
  EXPECT_FALSE(teditorcommands::IsEditorKey(vkS, false, false, false));
  EXPECT_FALSE(teditorcommands::IsEditorKey(vkInsert, false, false, true));
  EXPECT_TRUE(teditorcommands::IsEditorKey(vkO, true, false, false));
  EXPECT_TRUE(teditorcommands::IsEditorKey(vkDelete, true, true, false));
}
