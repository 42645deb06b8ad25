// What the shortcut properties dialog decides: caption, the check of name
// and target, trimming, the working-directory default and which fields the
// confirmed form writes.
#include <gtest/gtest.h>

#include "editor/shortcutdialoglogic.h"
#include "ui/dialogkeys.h"

using namespace zv;

namespace {

tzvshortcut AnApplication() {
  tzvshortcut s;
  s.Caption = "Editor";
  s.Path = "C:\\Tools\\edit.exe";
  s.Parameters = "/n";
  s.WorkingDir = "C:\\Work";
  s.ViewStyle = vsMaximized;
  s.FullExplorer = true;  // left over from an earlier folder
  s.Hotkey = 0x4045;
  return s;
}

}  // namespace

TEST(ShortcutDialogCaption, NamesTheShortcutAsTyped) {
  EXPECT_EQ(ShortcutDialogCaption(false, "New Shortcut"), "New shortcut \"New Shortcut\"");
  EXPECT_EQ(ShortcutDialogCaption(true, "  Mail "), "Edit shortcut \"  Mail \"");
  EXPECT_EQ(ShortcutDialogCaption(true, ""), "Edit shortcut \"\"");
  EXPECT_EQ(ShortcutDialogCaption(false, "M\xFCller"), "New shortcut \"M\xFCller\"");
}

TEST(ShortcutDialogTrim, RemovesBlanksAndControlCharactersOnlyAtTheEnds) {
  EXPECT_EQ(TrimBlanks("  a b \t\r\n"), "a b");
  EXPECT_EQ(TrimBlanks("\x01\x1F"), "");
  EXPECT_EQ(TrimBlanks(""), "");
  // Bytes above 127, the no-break space among them, are text.
  EXPECT_EQ(TrimBlanks("\xA0x\xA0"), "\xA0x\xA0");
}

TEST(ShortcutDialogWorkingDirectory, IsTheFolderOfThePath) {
  EXPECT_EQ(WorkingDirectoryOf("C:\\Tools\\app.exe"), "C:\\Tools");
  EXPECT_EQ(WorkingDirectoryOf("C:\\app.exe"), "C:\\");
  EXPECT_EQ(WorkingDirectoryOf("D:x.exe"), "D:");
  EXPECT_EQ(WorkingDirectoryOf("app.exe"), "");
  EXPECT_EQ(WorkingDirectoryOf("\\\\server\\share\\run.exe"), "\\\\server\\share");
  EXPECT_EQ(WorkingDirectoryOf("\\\\run.exe"), "\\\\");
  EXPECT_EQ(WorkingDirectoryOf(""), "");
}

TEST(ShortcutDialogForm, ShowsOnlyTheFieldsOfTheShortcutsType) {
  tzvshortcut file;
  file.ShortcutType = stFile;
  file.Path = "C:\\a.txt";
  file.Parameters = "kept";
  const tshortcutformvalues f = ShortcutToForm(file);
  EXPECT_EQ(f.TypeIndex, 1);
  EXPECT_EQ(f.FileName, "C:\\a.txt");
  EXPECT_EQ(f.Executable, "");
  EXPECT_EQ(f.Parameters, "");
  tzvshortcut folder;
  folder.ShortcutType = stFolder;
  folder.Path = "C:\\P";
  folder.FullExplorer = true;
  const tshortcutformvalues g = ShortcutToForm(folder);
  EXPECT_EQ(g.TypeIndex, 2);
  EXPECT_EQ(g.Folder, "C:\\P");
  EXPECT_TRUE(g.FullExplorer);
  const tshortcutformvalues a = ShortcutToForm(AnApplication());
  EXPECT_EQ(a.TypeIndex, 0);
  EXPECT_EQ(a.ViewIndex, 2);
  EXPECT_EQ(a.WorkingDirectory, "C:\\Work");
  EXPECT_EQ(a.Hotkey, 0x4045);
}

TEST(ShortcutDialogForm, NeedsATrimmedNameAndTheChosenTypesTarget) {
  tshortcutformvalues f = ShortcutToForm(AnApplication());
  EXPECT_TRUE(FormIsComplete(f));
  f.Caption = " \t ";
  EXPECT_FALSE(FormIsComplete(f));
  f.Caption = "  Mail  ";
  EXPECT_TRUE(FormIsComplete(f));
  // The executable does not count for a file shortcut.
  f.TypeIndex = 1;
  EXPECT_FALSE(FormIsComplete(f));
  f.FileName = "   ";
  EXPECT_FALSE(FormIsComplete(f));
  f.FileName = "x";
  EXPECT_TRUE(FormIsComplete(f));
  f.TypeIndex = 2;
  EXPECT_FALSE(FormIsComplete(f));
}

TEST(ShortcutDialogForm, ApplicationTakesTrimmedFieldsAndTheFolderAsWorkingDirectory) {
  tzvshortcut s;
  tshortcutformvalues f = ShortcutToForm(s);
  f.Caption = "  Notes ";
  f.Executable = " D:\\x.exe\t";
  f.Parameters = "  -a  ";
  f.Hotkey = 0xC053;
  f.ViewIndex = 0;
  FormToShortcut(f, s);
  EXPECT_EQ(s.Caption, "  Notes ");
  EXPECT_EQ(s.Path, "D:\\x.exe");
  EXPECT_EQ(s.Parameters, "-a");
  EXPECT_EQ(s.WorkingDir, "D:\\");
  EXPECT_EQ(s.Hotkey, 0xC053);
  EXPECT_EQ(s.ViewStyle, vsMinimized);
  EXPECT_EQ(s.ShortcutType, stApplication);
  // A working directory given stays, trimmed.
  f.WorkingDirectory = " E:\\Data ";
  FormToShortcut(f, s);
  EXPECT_EQ(s.WorkingDir, "E:\\Data");
  f.WorkingDirectory = "";
  f.Executable = "x.exe";
  FormToShortcut(f, s);
  EXPECT_EQ(s.WorkingDir, "");
}

TEST(ShortcutDialogForm, OtherTypesKeepTheFieldsTheyDoNotShow) {
  tzvshortcut s = AnApplication();
  tshortcutformvalues f = ShortcutToForm(s);
  f.TypeIndex = 1;
  f.FileName = " C:\\Docs\\a.txt ";
  f.ViewIndex = 0;  // disabled and covered for files
  FormToShortcut(f, s);
  EXPECT_EQ(s.ShortcutType, stFile);
  EXPECT_EQ(s.Path, "C:\\Docs\\a.txt");
  EXPECT_EQ(s.Parameters, "/n");
  EXPECT_EQ(s.WorkingDir, "C:\\Work");
  EXPECT_EQ(s.ViewStyle, vsMaximized);
  EXPECT_TRUE(s.FullExplorer);

  f.TypeIndex = 2;
  f.Folder = "C:\\Projects ";
  f.FullExplorer = false;
  f.ViewIndex = 1;
  FormToShortcut(f, s);
  EXPECT_EQ(s.ShortcutType, stFolder);
  EXPECT_EQ(s.Path, "C:\\Projects");
  EXPECT_FALSE(s.FullExplorer);
  EXPECT_EQ(s.ViewStyle, vsNormal);
  EXPECT_EQ(s.Parameters, "/n");

  // An application keeps a folder's explorer choice.
  f.TypeIndex = 0;
  s.FullExplorer = true;
  FormToShortcut(f, s);
  EXPECT_TRUE(s.FullExplorer);
}

TEST(ShortcutDialogForm, AViewStyleOutOfRangeShowsNoChoiceAndStays) {
  tzvshortcut s = AnApplication();
  s.ViewStyle = 7;  // damaged data
  tshortcutformvalues f = ShortcutToForm(s);
  EXPECT_EQ(f.ViewIndex, -1);
  FormToShortcut(f, s);
  EXPECT_EQ(s.ViewStyle, 7);
}

TEST(ShortcutDialogTexts, WarningNamesTheHotkey) {
  EXPECT_EQ(HotkeyWarningText("Strg+Alt+S"),
            "The assigned hotkey Strg+Alt+S is already in use by another shortcut or application. "
            "Please choose another one.");
  EXPECT_STREQ(MissingInformationText,
               "You have to specify at least a name and a target (executable, file or folder) for "
               "the shortcut.");
}

TEST(DialogKeys, EnterAndEscapeByDialog) {
  EXPECT_EQ(OptionsDialogKey('\r'), tdialogkey::Confirm);
  EXPECT_EQ(OptionsDialogKey(27), tdialogkey::Cancel);
  EXPECT_EQ(OptionsDialogKey('a'), tdialogkey::PassOn);
  EXPECT_EQ(OptionsDialogKey('\n'), tdialogkey::PassOn);  // Ctrl+Enter
  EXPECT_EQ(ShortcutDialogKey('\r', false), tdialogkey::Confirm);
  EXPECT_EQ(ShortcutDialogKey('\r', true), tdialogkey::Swallow);
  EXPECT_EQ(ShortcutDialogKey(27, true), tdialogkey::Cancel);
  EXPECT_EQ(ShortcutDialogKey(' ', true), tdialogkey::PassOn);
}

TEST(ShortcutDialogForm, AGroupHasItsNameOnly) {
  tzvshortcut group;
  group.ShortcutType = stSeparator;
  group.Group = true;
  group.Caption = "Tools";
  group.Level = 2;
  tshortcutformvalues f = ShortcutToForm(group);
  EXPECT_TRUE(f.Group);
  EXPECT_TRUE(FormIsComplete(f));  // no target asked for
  f.Caption = "  ";
  EXPECT_FALSE(FormIsComplete(f));
  f.Caption = "Work";
  f.TypeIndex = 0;
  f.Executable = "C:\\x.exe";
  f.Hotkey = 0x4045;
  FormToShortcut(f, group);
  EXPECT_TRUE(group.IsGroup());
  EXPECT_EQ(group.Caption, "Work");
  EXPECT_EQ(group.Level, 2);
  EXPECT_EQ(group.Path, "");
  EXPECT_EQ(group.Hotkey, 0);
  EXPECT_EQ(ShortcutDialogCaption(false, "New Group", true), "New group \"New Group\"");
  EXPECT_EQ(ShortcutDialogCaption(true, "Work", true), "Edit group \"Work\"");
}

TEST(ShortcutDialogForm, TheIconGoesWithTheEntryAndThePickerOpensWhereItsIconsAre) {
  tzvshortcut s;
  s.ShortcutType = stFile;
  s.Path = "C:\\Docs\\a.txt";
  tshortcutformvalues f = ShortcutToForm(s);
  EXPECT_EQ(f.Icon, "");
  EXPECT_EQ(FormIconSource(f), "C:\\Docs\\a.txt");
  // Nothing to pick from in a text file: the system's library.
  EXPECT_EQ(IconPickerStart(f).File, SystemIconLibrary);
  f.TypeIndex = 0;
  f.Executable = " C:\\Tools\\Tool.EXE ";
  EXPECT_EQ(IconPickerStart(f).File, "C:\\Tools\\Tool.EXE");
  f.Icon = "C:\\Icons\\set.dll,-7";
  const ticonlocation chosen = IconPickerStart(f);
  EXPECT_EQ(chosen.File, "C:\\Icons\\set.dll");
  EXPECT_EQ(chosen.Index, -7);
  EXPECT_EQ(FormIconSource(f), IconSourceText(f.Icon, "C:\\Tools\\Tool.EXE"));
  FormToShortcut(f, s);
  EXPECT_EQ(s.Icon, "C:\\Icons\\set.dll,-7");
  EXPECT_EQ(ShortcutToForm(s).Icon, s.Icon);
  // The default again, and a group keeps its icon like its name.
  f.Icon.clear();
  FormToShortcut(f, s);
  EXPECT_EQ(s.Icon, "");
  tzvshortcut group;
  group.ShortcutType = stSeparator;
  group.Group = true;
  tshortcutformvalues g = ShortcutToForm(group);
  g.Caption = "Tools";
  g.Icon = "C:\\tools.ico";
  EXPECT_EQ(FormIconSource(g), IconSourceText("C:\\tools.ico", ""));
  FormToShortcut(g, group);
  EXPECT_EQ(group.Icon, "C:\\tools.ico");
}
