// The shortcut editor's commands, keys and questions over recording seams.
#include <gtest/gtest.h>

#include "editor/editorrows.h"
#include "editor_rig.h"

using namespace zv;

namespace {

const std::uint16_t CtrlQ = 0x4000 | 'Q';

auto Names(const std::string& caption, const std::string& path = "") {
  return [caption, path](tzvshortcut& s, bool) {
    s.Caption = caption;
    s.Path = path;
    return true;
  };
}

}  // namespace

TEST(EditorNew, GoesToTheTopWithoutSelectionAndAboveTheFocusedRow) {
  editorrig rig;
  rig.Load(Entries("A,B,C"));
  rig.Dialog = Names("N1", "C:\\n1.exe");
  auto out = rig.Apply(rig.Editor.newlblClick());
  EXPECT_EQ(Captions(rig.Editor.worklist), "N1,A,B,C");
  EXPECT_EQ(out.Rows, (std::vector<trowchange>{{trowchange::Insert, 0, 0}}));
  EXPECT_EQ(rig.Editor.worklist.GetItem(0)->ImageIndex, 9);  // icon looked up from the new path

  rig.Select({3}, 3);  // C
  rig.Dialog = Names("N2");
  rig.Apply(rig.Editor.FormKeyDown(vkInsert, false));
  EXPECT_EQ(Captions(rig.Editor.worklist), "N1,A,B,N2,C");
  EXPECT_EQ(rig.Rows, 5);
  EXPECT_EQ(rig.Editor.CountText(), "5 Shortcuts");
  // The selection stays with C.
  EXPECT_TRUE(rig.Editor.IsSelected(4));
  EXPECT_FALSE(rig.Editor.IsSelected(3));
  EXPECT_EQ(rig.Log.back(), "check");
}

TEST(EditorNew, CancelledOrEqualToAnExistingShortcutAddsNothingAndSaysNothing) {
  editorrig rig;
  rig.Load(Entries("A,B"));
  auto out = rig.Apply(rig.Editor.newlblClick());  // the dialog is cancelled
  EXPECT_TRUE(out.Rows.empty());
  EXPECT_EQ(rig.Editor.CountText(), "2 Shortcuts");

  // Same fields as A, caption and path in other letter case.
  rig.Dialog = Names("a", "c:\\A.EXE");
  out = rig.Apply(rig.Editor.newlblClick());
  EXPECT_TRUE(out.Rows.empty());
  EXPECT_EQ(Captions(rig.Editor.worklist), "A,B");
  EXPECT_EQ(rig.Rows, 2);
  EXPECT_TRUE(rig.Prompts.Shown.empty());
}

TEST(EditorEdit, TwoRowsWarnASeparatorDoesNothingOneShortcutIsEditedInPlace) {
  editorrig rig;
  rig.Load(Entries("A,-,B"));
  rig.Select({0, 2}, 2);
  rig.Editor.editlblClick();
  ASSERT_EQ(rig.Prompts.Shown.size(), 1u);
  EXPECT_EQ(rig.Prompts.Shown[0].Title, "Edit Shortcuts");
  EXPECT_EQ(rig.Prompts.Shown[0].Text, "You can't edit more than one shortcut at the same time.");
  EXPECT_EQ(rig.Prompts.Shown[0].Flags, mbOK | mbIconWarning);
  EXPECT_TRUE(rig.Log.empty());

  rig.Select({1}, 1);
  EXPECT_FALSE(rig.Editor.editlblClick().RepaintAll);
  EXPECT_TRUE(rig.Log.empty());

  rig.Select({}, -1);
  rig.Editor.editlblClick();
  EXPECT_TRUE(rig.Log.empty());

  // The caret sits on A while B alone is selected: B is the one edited.
  rig.Select({2}, 0);
  rig.Dialog = [](tzvshortcut& s, bool editing) {
    EXPECT_TRUE(editing);
    s.Path = "D:\\longer\\b.exe";
    s.Hotkey = CtrlQ;
    return true;
  };
  rig.Editor.worklist.GetItem(0)->Hotkey = CtrlQ;
  auto out = rig.Editor.editlblClick();
  EXPECT_TRUE(out.RepaintAll);
  EXPECT_EQ(rig.Log.front(), "edit B");
  const tzvshortcut* b = rig.Editor.worklist.GetItem(2);
  EXPECT_EQ(b->ImageIndex, 15);
  EXPECT_EQ(b->HotkeyStatus, hsInvalid);
  EXPECT_TRUE(rig.Editor.HotkeyWarningVisible());
  EXPECT_EQ(Captions(rig.Editor.worklist), "A,-,B");
}

TEST(EditorDuplicate, CopiesFollowTheirRowsAreNotSelectedAndAreNotCopiedAgain) {
  editorrig rig;
  rig.Load(Entries("R0,R1,R2,R3"));
  rig.Editor.worklist.GetItem(1)->Hotkey = CtrlQ;
  rig.Apply(rig.Editor.FillShortcutList());
  rig.Select({1, 3}, 3);
  auto out = rig.Apply(rig.Editor.duplicatelblClick());
  EXPECT_EQ(Captions(rig.Editor.worklist), "R0,R1,R1,R2,R3,R3");
  EXPECT_EQ(out.Rows, (std::vector<trowchange>{{trowchange::Insert, 2, 0}, {trowchange::Insert, 5, 0}}));
  EXPECT_EQ(rig.Rows, 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(rig.Editor.IsSelected(i), i == 1 || i == 4) << i;
  // The copy shares the hotkey of the row above it: the copy is the clash.
  EXPECT_NE(rig.Editor.worklist.GetItem(1)->HotkeyStatus, hsInvalid);
  EXPECT_EQ(rig.Editor.worklist.GetItem(2)->HotkeyStatus, hsInvalid);
  EXPECT_TRUE(rig.Editor.HotkeyWarningVisible());
}

TEST(EditorDuplicate, SeparatorsAreCopiedAndNothingSelectedDoesNothing) {
  editorrig rig;
  rig.Load(Entries("A,-"));
  EXPECT_TRUE(rig.Editor.duplicatelblClick().Rows.empty());
  rig.Select({0, 1}, 1);
  rig.Editor.duplicatelblClick();
  EXPECT_EQ(Captions(rig.Editor.worklist), "A,A,-,-");
}

TEST(EditorDelete, AsksTheQuestionThatFitsTheSelection) {
  editorrig rig;
  rig.Load(Entries("Notes,-,B"));
  rig.Select({0}, 0);
  rig.Editor.deletelblClick();
  rig.Select({1}, 1);
  rig.Editor.deletelblClick();
  rig.Select({0, 1}, 1);
  rig.Editor.deletelblClick();
  ASSERT_EQ(rig.Prompts.Shown.size(), 3u);
  EXPECT_EQ(rig.Prompts.Shown[0].Title, "Delete Shortcut");
  EXPECT_EQ(rig.Prompts.Shown[0].Text, "Do you really want to delete the shortcut \"Notes\"?");
  EXPECT_EQ(rig.Prompts.Shown[0].Flags, mbYesNo | mbIconQuestion);
  EXPECT_EQ(rig.Prompts.Shown[1].Title, "Delete Separator");
  EXPECT_EQ(rig.Prompts.Shown[1].Text, "Do you really want to delete this separator?");
  EXPECT_EQ(rig.Prompts.Shown[2].Title, "Delete Shortcuts");
  EXPECT_EQ(rig.Prompts.Shown[2].Text, "Do you really want to delete the selected shortcuts?");
  // Every answer was No.
  EXPECT_EQ(Captions(rig.Editor.worklist), "Notes,-,B");
}

TEST(EditorDelete, YesRemovesEverySelectedRowAndTheWarningFollows) {
  editorrig rig;
  rig.Load(Entries("A,B,C,D,E"));
  rig.Editor.worklist.GetItem(1)->Hotkey = CtrlQ;
  rig.Editor.worklist.GetItem(3)->Hotkey = CtrlQ;
  rig.Apply(rig.Editor.FillShortcutList());
  ASSERT_TRUE(rig.Editor.HotkeyWarningVisible());
  rig.Select({1, 2, 4}, 4);
  rig.Prompts.Answers = {idYes};
  auto out = rig.Apply(rig.Editor.FormKeyDown(vkDelete, false));
  EXPECT_EQ(Captions(rig.Editor.worklist), "A,D");
  EXPECT_EQ(rig.Rows, 2);
  EXPECT_EQ(out.Rows.size(), 3u);
  EXPECT_EQ(rig.Editor.SelectedCount(), 0);
  EXPECT_EQ(rig.Editor.FocusedRow(), 1);
  EXPECT_FALSE(rig.Editor.HotkeyWarningVisible());
  EXPECT_EQ(rig.Editor.worklist.GetItem(1)->HotkeyStatus, hsNone);
}

TEST(EditorSeparator, InsertedAtTheInsertionPositionWithoutACheck) {
  editorrig rig;
  rig.Load(Entries("A,B"));
  rig.Select({1}, 1);
  rig.Log.clear();
  rig.Apply(rig.Editor.separatorlblClick());
  rig.Apply(rig.Editor.separatorlblClick());
  EXPECT_EQ(Captions(rig.Editor.worklist), "A,-,-,B");
  EXPECT_EQ(rig.Rows, 4);
  EXPECT_TRUE(rig.Log.empty());
}

TEST(EditorClear, EmptyListAsksNothingAndAClearedListReadsZero) {
  editorrig rig;
  rig.Load({});
  EXPECT_EQ(rig.Editor.CountText(), "0 Shortcuts");
  rig.Editor.clearlblClick();
  EXPECT_TRUE(rig.Prompts.Shown.empty());

  rig.Load(Entries("A,A"));
  rig.Editor.worklist.GetItem(0)->Hotkey = CtrlQ;
  rig.Editor.worklist.GetItem(1)->Hotkey = CtrlQ;
  rig.Apply(rig.Editor.FillShortcutList());
  ASSERT_TRUE(rig.Editor.HotkeyWarningVisible());
  rig.Editor.clearlblClick();  // No
  EXPECT_EQ(rig.Editor.worklist.Count(), 2);
  rig.Prompts.Answers = {idYes};
  rig.Apply(rig.Editor.clearlblClick());
  EXPECT_EQ(rig.Titles(), "Clear List;Clear List");
  EXPECT_EQ(rig.Prompts.Shown[1].Text, "Do you really want to delete all shortcuts?");
  EXPECT_EQ(rig.Editor.CountText(), "0 Shortcuts");
  EXPECT_EQ(rig.Rows, 0);
  EXPECT_FALSE(rig.Editor.HotkeyWarningVisible());
}

TEST(EditorCount, CountsSeparatorsAndUsesTheSingularForOne) {
  EXPECT_EQ(CountLabelText(0), "0 Shortcuts");
  EXPECT_EQ(CountLabelText(1), "1 Shortcut");
  EXPECT_EQ(CountLabelText(12), "12 Shortcuts");
  editorrig rig;
  rig.Load(Entries("-"));
  EXPECT_EQ(rig.Editor.CountText(), "1 Shortcut");
  EXPECT_FALSE(rig.Editor.HotkeyWarningVisible());
}

TEST(EditorFill, MarksTheLaterOfTwoEqualHotkeysAndOnesTakenElsewhere) {
  editorrig rig;
  rig.TakenElsewhere = {static_cast<std::uint16_t>(0x4000 | 'W')};
  auto items = Entries("A,B,C");
  items[0]->Hotkey = CtrlQ;
  items[1]->Hotkey = CtrlQ;
  items[2]->Hotkey = 0x4000 | 'W';
  rig.Load(std::move(items));
  EXPECT_NE(rig.Editor.worklist.GetItem(0)->HotkeyStatus, hsInvalid);
  EXPECT_EQ(rig.Editor.worklist.GetItem(1)->HotkeyStatus, hsInvalid);
  EXPECT_EQ(rig.Editor.worklist.GetItem(2)->HotkeyStatus, hsInvalid);
  EXPECT_TRUE(rig.Editor.HotkeyWarningVisible());
  EXPECT_EQ(rig.Editor.worklist.GetItem(1)->ImageIndex, 8);  // "C:\B.exe"
  EXPECT_EQ(rig.Editor.StatusText(), "Drag a shortcut to move it; Tab/Shift+Tab: into/out of a group.");
}

TEST(EditorClosing, EveryExitButOkAsksAndNoKeepsTheEditorOpen) {
  editorrig rig;
  rig.Load(Entries("A"));
  // The close box right after opening.
  EXPECT_FALSE(rig.Editor.FormClose());
  ASSERT_EQ(rig.Prompts.Shown.size(), 1u);
  EXPECT_EQ(rig.Prompts.Shown[0].Title, "Warning");
  EXPECT_EQ(rig.Prompts.Shown[0].Text,
            "All your changes will be lost.\r\nAre you sure you want to close this window without saving?");
  EXPECT_EQ(rig.Prompts.Shown[0].Flags, mbYesNo | mbIconWarning);

  // Escape, even while a row has the focus.
  rig.Select({0}, 0);
  auto out = rig.Editor.FormKeyPress(27);
  EXPECT_TRUE(out.Handled);
  EXPECT_TRUE(out.Close);
  rig.Prompts.Answers = {idYes};
  EXPECT_TRUE(rig.Editor.FormClose());
  EXPECT_FALSE(rig.Editor.accepted);

  EXPECT_TRUE(rig.Editor.cancellblClick().Close);
  EXPECT_FALSE(rig.Editor.FormClose());
  EXPECT_EQ(rig.Prompts.Shown.size(), 3u);
}

TEST(EditorClosing, EnterConfirmsWithoutAQuestion) {
  editorrig rig;
  rig.Load(Entries("A"));
  auto out = rig.Editor.FormKeyPress(13);
  EXPECT_TRUE(out.Handled && out.Close);
  EXPECT_TRUE(rig.Editor.accepted);
  EXPECT_TRUE(rig.Editor.FormClose());
  EXPECT_TRUE(rig.Prompts.Shown.empty());
  EXPECT_FALSE(rig.Editor.FormKeyPress('a').Handled);
}

TEST(EditorKeys, CtrlASelectsEveryRowAndOtherKeysAreLeftAlone) {
  editorrig rig;
  rig.Load(Entries("A,B,C"));
  EXPECT_FALSE(rig.Editor.FormKeyDown(vkA, false).SelectionChanged);
  EXPECT_EQ(rig.Editor.SelectedCount(), 0);
  auto out = rig.Editor.FormKeyDown(vkA, true);
  EXPECT_TRUE(out.SelectionChanged);
  EXPECT_FALSE(out.Handled);  // the list still gets the key
  EXPECT_EQ(rig.Editor.SelectedCount(), 3);
  EXPECT_FALSE(rig.Editor.FormKeyDown(0x42, true).SelectionChanged);
}

TEST(EditorRightClick, SelectsTheRowUnderItOrTheLastAndEditsIt) {
  editorrig rig;
  rig.Load(Entries("A,B,-"));
  rig.Select({0, 1}, 0);
  auto out = rig.Editor.shortcutslbContextPopup(1);
  EXPECT_TRUE(out.Handled && out.SelectionChanged);
  EXPECT_EQ(rig.Editor.SelectedCount(), 1);
  EXPECT_TRUE(rig.Editor.IsSelected(1));
  EXPECT_EQ(rig.Log, std::vector<std::string>{"edit B"});
  EXPECT_TRUE(rig.Prompts.Shown.empty());

  // Below the last row: the last row, a separator, is only selected.
  rig.Log.clear();
  rig.Editor.shortcutslbContextPopup(-1);
  EXPECT_TRUE(rig.Editor.IsSelected(2));
  EXPECT_EQ(rig.Editor.FocusedRow(), 2);
  EXPECT_TRUE(rig.Log.empty());

  editorrig empty;
  empty.Load({});
  EXPECT_TRUE(empty.Editor.shortcutslbContextPopup(-1).Handled);
  EXPECT_EQ(empty.Editor.SelectedCount(), 0);
}

TEST(EditorRightClick, BelowTheLastRowEditsTheLastShortcut) {
  editorrig rig;
  rig.Load(Entries("A,B"));
  rig.Editor.shortcutslbContextPopup(7);
  EXPECT_EQ(rig.Log, std::vector<std::string>{"edit B"});
}

TEST(EditorRightClick, TheChosenRowShowsSelectedBeforeItsPropertiesOpen) {
  editorrig rig;
  rig.Load(Entries("A,B,C"));
  rig.Select({0}, 0);
  rig.Editor.Services().ShowOutcome = [&](const teditoroutcome& shown) {
    const bool onlyLast = rig.Editor.SelectedCount() == 1 && rig.Editor.IsSelected(2);
    rig.Log.push_back(std::string("shown ") + (shown.SelectionChanged && onlyLast ? "C" : "?") + " row " +
                      std::to_string(shown.ShowRow));
  };
  // Below the last row, or the context-menu key (no row).
  auto out = rig.Editor.shortcutslbContextPopup(-1);
  EXPECT_EQ(rig.Log, (std::vector<std::string>{"shown C row 2", "edit C"}));
  EXPECT_EQ(out.ShowRow, 2);
}

TEST(EditorImport, ResolvesClashesWithThePresentEntriesAndTellsSo) {
  editorrig rig;
  auto items = Entries("A");
  items[0]->Hotkey = CtrlQ;
  rig.Load(std::move(items));
  rig.Prompts.ChosenFiles = {"C:\\lists\\more.shl"};
  rig.ImportAdds = [](tzvshortcutlist& list) {
    Append(list, Separator());
    Append(list, MakeShortcut(stApplication, "B", "C:\\B.exe", CtrlQ));
    Append(list, Separator());
  };
  rig.Log.clear();
  auto out = rig.Apply(rig.Editor.importlblClick());
  EXPECT_TRUE(out.Refill);
  EXPECT_EQ(Captions(rig.Editor.worklist), "A,-,B");  // tidied
  EXPECT_EQ(rig.Rows, 3);
  EXPECT_EQ(rig.Editor.worklist.GetItem(0)->Hotkey, CtrlQ);
  EXPECT_EQ(rig.Editor.worklist.GetItem(2)->Hotkey, 0x8000 | CtrlQ);
  ASSERT_EQ(rig.Prompts.Shown.size(), 1u);
  EXPECT_EQ(rig.Prompts.Shown[0].Title, "Double Hotkeys");
  EXPECT_EQ(rig.Prompts.Shown[0].Text,
            "Zorvane detected that some shortcuts were using the same hotkeys. These problems have been solved.");
  EXPECT_EQ(rig.Prompts.Shown[0].Flags, mbOK | mbIconInformation);
  EXPECT_EQ(rig.Log, (std::vector<std::string>{"disabled", "import C:\\lists\\more.shl", "resolve", "check",
                                               "enabled"}));
  ASSERT_EQ(rig.Prompts.Dialogs.size(), 1u);
  const tfiledialog& d = rig.Prompts.Dialogs[0];
  EXPECT_EQ(d.Title, "Import List");
  EXPECT_EQ(d.Filter, "Shortcut Lists (*.shl)|*.shl");
  EXPECT_EQ(d.DefaultExt, "shl");
  EXPECT_FALSE(d.Save);
  EXPECT_TRUE(d.HideReadOnly && d.PathMustExist && d.FileMustExist && d.EnableSizing);
}

TEST(EditorImport, AFailureIsReportedOnceAndThePartialResultStays) {
  editorrig rig;
  rig.Load(Entries("A"));
  rig.TakenElsewhere = {CtrlQ, static_cast<std::uint16_t>(0x8000 | CtrlQ)};
  rig.Prompts.ChosenFiles = {"broken.shl"};
  rig.ImportResult = false;
  rig.ImportAdds = [](tzvshortcutlist& list) { Append(list, MakeShortcut(stFile, "Half", "h.txt", CtrlQ)); };
  rig.Apply(rig.Editor.importlblClick());
  EXPECT_EQ(Captions(rig.Editor.worklist), "A,Half");
  EXPECT_EQ(rig.Titles(), "Import Shortcuts;Double Hotkeys");
  EXPECT_EQ(rig.Prompts.Shown[0].Text, "An error occured while importing the shortcut list.");
  EXPECT_EQ(rig.Prompts.Shown[0].Flags, mbOK | mbIconError);
  EXPECT_EQ(rig.Prompts.Shown[1].Text,
            "Zorvane detected that some shortcuts were using the same hotkeys. Some problems could not be solved.");
  EXPECT_EQ(rig.Prompts.Shown[1].Flags, mbOK | mbIconWarning);
  EXPECT_TRUE(rig.Editor.HotkeyWarningVisible());
  EXPECT_EQ(rig.Editor.worklist.GetItem(1)->ImageIndex, 5);
}

TEST(EditorImport, CancelledDialogChangesNothingButEnablesTheWindowAgain) {
  editorrig rig;
  rig.Load(Entries("A"));
  rig.Log.clear();
  auto out = rig.Editor.importlblClick();
  EXPECT_FALSE(out.Refill);
  EXPECT_EQ(rig.Log, (std::vector<std::string>{"disabled", "enabled"}));
  EXPECT_TRUE(rig.Prompts.Shown.empty());
}

TEST(EditorExport, EmptyListIsReportedWithoutAFileDialog) {
  editorrig rig;
  rig.Load({});
  rig.Editor.exportlblClick();
  ASSERT_EQ(rig.Prompts.Shown.size(), 1u);
  EXPECT_EQ(rig.Prompts.Shown[0].Title, "Export List");
  EXPECT_EQ(rig.Prompts.Shown[0].Text, "The shortcut list is empty.");
  EXPECT_EQ(rig.Prompts.Shown[0].Flags, mbOK | mbIconInformation);
  EXPECT_TRUE(rig.Prompts.Dialogs.empty());
  EXPECT_EQ(rig.Log, (std::vector<std::string>{"disabled", "enabled"}));
}

TEST(EditorExport, WritesThePresentListUntidiedAndReportsAFailure) {
  editorrig rig;
  rig.Load(Entries("-,A,-,-"));
  rig.Prompts.ChosenFiles = {"C:\\out.shl", "C:\\ro.shl"};
  rig.Editor.exportlblClick();
  EXPECT_EQ(rig.Exported, std::vector<std::string>{"C:\\out.shl:-,A,-,-"});
  EXPECT_TRUE(rig.Prompts.Shown.empty());
  const tfiledialog& d = rig.Prompts.Dialogs[0];
  EXPECT_EQ(d.Title, "Export List");
  EXPECT_TRUE(d.Save && d.OverwritePrompt && d.HideReadOnly && d.PathMustExist && d.NoReadOnlyReturn &&
              d.EnableSizing);
  EXPECT_FALSE(d.FileMustExist);

  rig.ExportResult = false;
  rig.Editor.exportlblClick();
  ASSERT_EQ(rig.Prompts.Shown.size(), 1u);
  EXPECT_EQ(rig.Prompts.Shown[0].Title, "Error");
  EXPECT_EQ(rig.Prompts.Shown[0].Text, "The shortcut list could not be exported.");
  EXPECT_EQ(rig.Prompts.Shown[0].Flags, mbOK | mbIconError);
  EXPECT_EQ(rig.Editor.worklist.Count(), 4);
}
