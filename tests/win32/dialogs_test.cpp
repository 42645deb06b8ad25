// The real dialog windows under Wine, driven from inside their modal loops:
// what they show, what keys and clicks do, and what they write.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cctype>
#include <stdexcept>
#include <string>
#include <vector>

#include "editor/tzvshortcutdialog_win32.h"
#include "model/hotkeyvalue.h"
#include "platform/win32prompts.h"
#include "screenshot.h"
#include "settings/toptionsdialog_win32.h"
#include "ui/taboutdialog_win32.h"
#include "win32/keyboardaccess.h"
#include "win32/modalscript.h"

using namespace zv;

namespace {

HWND MessageBoxTitled(const char* title) { return FindWindowA("#32770", title); }

// The text of a message box (its Static children with text).
std::string BoxText(HWND box) {
  std::string text;
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    char cls[32] = {};
    GetClassNameA(c, cls, sizeof(cls));
    if (lstrcmpiA(cls, "Static") == 0 && GetWindowTextLengthA(c) > 0) text += TextOf(c);
  }
  return text;
}

// File dialogs answered from a list, each one recorded.
class tfilepicker : public tuserprompts {
 public:
  int ShowMessageBox(tpromptowner, const std::string&, const std::string&, std::uint32_t) override {
    return idOK;
  }
  void ErrorDialog(const std::string&) override {}
  bool FileDialog(tfiledialog& d) override {
    FileDialogs.push_back(d);
    const bool answer = !FileAnswers.empty() && FileAnswers.front();
    if (!FileAnswers.empty()) FileAnswers.erase(FileAnswers.begin());
    if (answer) d.FileName = ChosenFile;
    return answer;
  }
  std::vector<tfiledialog> FileDialogs;
  std::vector<bool> FileAnswers;
  std::string ChosenFile;
};

bool Visible(HWND wnd) { return IsWindowVisible(wnd) != FALSE; }
bool Enabled(HWND wnd) { return IsWindowEnabled(wnd) != FALSE; }

// Chooses an entry of a drop-down list as a user would: the list changes and
// tells its window.
void Choose(HWND form, HWND list, int index) {
  SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageA(form, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

// A picture of the window as it is now painted, to look at after the run.
void Shoot(HWND wnd, const char* file) {
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  SaveWindowScreenshot(wnd, file);
}

void Type(HWND edit, const std::string& text) { SetWindowTextA(edit, text.c_str()); }

class DialogWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    UseProgramPictures();
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&icc);
  }
  void TearDown() override { SetResourceModule(nullptr); }
};

tzvshortcut Application() {
  tzvshortcut s;
  s.Caption = "Editor";
  s.Path = "C:\\Tools\\edit.exe";
  s.Parameters = "/n";
  s.WorkingDir = "C:\\Work";
  s.ViewStyle = vsMaximized;
  s.Hotkey = 0x4045;
  return s;
}

}  // namespace

// ---- the shortcut properties dialog

TEST_F(DialogWindows, NewShortcutNeedsNameAndTargetAndGetsTheDriveRoot) {
  tzvshortcut shortcut;  // "New Shortcut", an application
  tzvshortcutdialog dialog(shortcut, false);
  ASSERT_TRUE(dialog.CreateForm());
  std::string caption, typed, boxText;
  bool appShown = false, fileShown = true, warningShown = true;
  tmodalscript script({
      [&] {
        caption = TextOf(dialog.Handle());
        appShown = Visible(dialog.executableeb);
        fileShown = Visible(dialog.filenameeb);
        warningShown = Visible(dialog.hotkeywarninglbl->Handle());
        Shoot(dialog.Handle(), "properties-application.bmp");
        // Each keystroke retitles the window, blanks kept.
        Type(dialog.captioneb, "  Notes ");
        typed = TextOf(dialog.Handle());
        SetFocus(dialog.captioneb);
        PostKey(dialog.captioneb, VK_RETURN, '\r');  // no executable yet
      },
      [&] {
        HWND box = MessageBoxTitled(MissingInformationTitle);
        if (!box) return;
        boxText = BoxText(box);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
      },
      [&] { Type(dialog.executableeb, "  D:\\x.exe "); },
      [&] {
        SetFocus(dialog.captioneb);
        PostKey(dialog.captioneb, VK_RETURN, '\r');
      },
  });
  EXPECT_EQ(script.Run(dialog), tmodalresult::OK);
  EXPECT_FALSE(script.TimedOut());
  EXPECT_EQ(caption, "New shortcut \"New Shortcut\"");
  EXPECT_EQ(typed, "New shortcut \"  Notes \"");
  EXPECT_TRUE(appShown);
  EXPECT_FALSE(fileShown);
  EXPECT_FALSE(warningShown);
  EXPECT_EQ(boxText, MissingInformationText);
  EXPECT_TRUE(dialog.accepted);
  EXPECT_EQ(shortcut.Caption, "  Notes ");
  EXPECT_EQ(shortcut.Path, "D:\\x.exe");
  EXPECT_EQ(shortcut.WorkingDir, "D:\\");
  EXPECT_EQ(shortcut.ShortcutType, stApplication);
  EXPECT_EQ(shortcut.ViewStyle, vsNormal);
}

TEST_F(DialogWindows, BlankNameIsRefusedAndEscapeLeavesTheShortcut) {
  tzvshortcut shortcut = Application();
  const tzvshortcut before = shortcut;
  tzvshortcutdialog dialog(shortcut, true);
  ASSERT_TRUE(dialog.CreateForm());
  bool asked = false, stillOpen = false;
  std::string caption;
  HWND focusAfter = nullptr;
  tmodalscript script({
      [&] {
        caption = TextOf(dialog.Handle());
        Type(dialog.captioneb, "   ");
        // Alt+O from the name: the question, and the focus back in the name.
        SetFocus(dialog.captioneb);
        PostMessageA(dialog.captioneb, WM_SYSCHAR, 'o', 1 | (1 << 29));
      },
      [&] {
        HWND box = MessageBoxTitled(MissingInformationTitle);
        asked = box != nullptr;
        if (box) PostMessageA(box, WM_COMMAND, IDOK, 0);
      },
      [&] {
        stillOpen = Visible(dialog.Handle());
        focusAfter = GetFocus();
        PostKey(dialog.captioneb, VK_ESCAPE, 27);
      },
  });
  EXPECT_EQ(script.Run(dialog), tmodalresult::Cancel);
  EXPECT_EQ(caption, "Edit shortcut \"Editor\"");
  EXPECT_TRUE(asked);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(focusAfter, dialog.captioneb);
  EXPECT_FALSE(dialog.accepted);
  EXPECT_EQ(shortcut.Caption, before.Caption);
  EXPECT_EQ(shortcut.Path, before.Path);
}

TEST_F(DialogWindows, ApplicationTurnedFileKeepsItsOtherFieldsAndViewStyle) {
  tzvshortcut shortcut = Application();
  tzvshortcutdialog dialog(shortcut, true);
  ASSERT_TRUE(dialog.CreateForm());
  bool fileShown = false, appHidden = false, viewDisabled = false;
  std::string executable, filename;
  tmodalscript script({
      [&] {
        executable = TextOf(dialog.executableeb);
        filename = TextOf(dialog.filenameeb);
        Choose(dialog.Handle(), dialog.shortcuttypecb, 1);
        fileShown = Visible(dialog.filenameeb) && Enabled(dialog.filepanel->Handle());
        appHidden = !Visible(dialog.executableeb) && !Enabled(dialog.applicationpanel->Handle());
        viewDisabled = !Enabled(dialog.viewstylecb);
        SendMessageA(dialog.viewstylecb, CB_SETCURSEL, 0, 0);
        Type(dialog.filenameeb, " C:\\Docs\\a.txt\t");
      },
      [&] {
        Shoot(dialog.Handle(), "properties-file.bmp");
        PostClick(dialog.oklbl->Handle());
      },
  });
  EXPECT_EQ(script.Run(dialog), tmodalresult::OK);
  EXPECT_EQ(executable, "C:\\Tools\\edit.exe");
  EXPECT_EQ(filename, "");
  EXPECT_TRUE(fileShown);
  EXPECT_TRUE(appHidden);
  EXPECT_TRUE(viewDisabled);
  EXPECT_EQ(shortcut.ShortcutType, stFile);
  EXPECT_EQ(shortcut.Path, "C:\\Docs\\a.txt");
  EXPECT_EQ(shortcut.Parameters, "/n");
  EXPECT_EQ(shortcut.WorkingDir, "C:\\Work");
  EXPECT_EQ(shortcut.ViewStyle, vsMaximized);
  EXPECT_EQ(shortcut.Hotkey, 0x4045);
}

TEST_F(DialogWindows, EnterInTheHotkeyControlDoesNothing) {
  tzvshortcut shortcut = Application();
  tzvshortcutdialog dialog(shortcut, true);
  ASSERT_TRUE(dialog.CreateForm());
  bool open = false;
  std::uint32_t hotkey = 0;
  tmodalscript script({
      [&] {
        SetFocus(dialog.hotkeyhk);
        PostKey(dialog.hotkeyhk, VK_RETURN, '\r');
      },
      [&] {},
      [&] {
        open = Visible(dialog.Handle());
        hotkey = static_cast<std::uint32_t>(SendMessageA(dialog.hotkeyhk, HKM_GETHOTKEY, 0, 0));
        PostKey(dialog.hotkeyhk, VK_ESCAPE, 27);
      },
  });
  EXPECT_EQ(script.Run(dialog), tmodalresult::Cancel);
  EXPECT_TRUE(open);
  EXPECT_EQ(HotkeyFromControlWord(hotkey), 0x4045);
  EXPECT_FALSE(dialog.accepted);
}

TEST_F(DialogWindows, FolderShortcutWithInvalidHotkeyShowsTheWarning) {
  tzvshortcut shortcut;
  shortcut.Caption = "Projects";
  shortcut.ShortcutType = stFolder;
  shortcut.Path = "C:\\Projects";
  shortcut.FullExplorer = true;
  shortcut.Hotkey = 0x4041;
  shortcut.HotkeyStatus = hsInvalid;
  tzvshortcutdialog dialog(shortcut, true);
  ASSERT_TRUE(dialog.CreateForm());
  bool warning = false, warningAfter = false, full = false, folderShown = false, viewEnabled = false;
  std::string text, folder;
  tmodalscript script({
      [&] {
        warning = Visible(dialog.hotkeywarninglbl->Handle());
        text = dialog.hotkeywarninglbl->Text();
        folder = TextOf(dialog.foldereb);
        folderShown = Visible(dialog.foldereb);
        viewEnabled = Enabled(dialog.viewstylecb);
        full = SendMessageA(dialog.fullexplorercb, BM_GETCHECK, 0, 0) == BST_CHECKED;
        Shoot(dialog.Handle(), "properties-folder.bmp");
        SendMessageA(dialog.hotkeyhk, HKM_SETHOTKEY, HotkeyToControl(0x4042).Word(), 0);
        Choose(dialog.Handle(), dialog.viewstylecb, 0);
      },
      [&] {
        warningAfter = Visible(dialog.hotkeywarninglbl->Handle());
        PostMessageA(dialog.fullexplorercb, BM_CLICK, 0, 0);
      },
      [&] { PostKey(dialog.foldereb, VK_RETURN, '\r'); },
  });
  EXPECT_EQ(script.Run(dialog), tmodalresult::OK);
  EXPECT_TRUE(warning);
  EXPECT_TRUE(warningAfter);
  EXPECT_EQ(text, "The assigned hotkey Strg+A is already in use by another shortcut or application. "
                  "Please choose another one.");
  EXPECT_EQ(folder, "C:\\Projects");
  EXPECT_TRUE(folderShown);
  EXPECT_TRUE(viewEnabled);
  EXPECT_TRUE(full);
  EXPECT_FALSE(shortcut.FullExplorer);
  EXPECT_EQ(shortcut.Hotkey, 0x4042);
  EXPECT_EQ(shortcut.ViewStyle, vsMinimized);
}

TEST_F(DialogWindows, BrowseButtonsAskWithTheirTitlesAndTakeOnlyAChoice) {
  tzvshortcut shortcut = Application();
  tzvshortcutdialog dialog(shortcut, true);
  tfilepicker prompts;
  dialog.Prompts = &prompts;
  std::vector<std::string> folderPrompts;
  bool chooseFolder = false;
  dialog.BrowseFolder = [&](HWND, const std::string& prompt, std::string& folder) {
    folderPrompts.push_back(prompt);
    if (chooseFolder) folder = "C:\\Chosen";
    return chooseFolder;
  };
  ASSERT_TRUE(dialog.CreateForm());
  std::string afterCancel, afterChoice, workdir, folder;
  tmodalscript script({
      [&] {
        prompts.FileAnswers = {false};
        PostClick(dialog.executablebtn->Handle());
      },
      [&] {
        afterCancel = TextOf(dialog.executableeb);
        prompts.FileAnswers = {true};
        prompts.ChosenFile = "C:\\Other\\run.bat";
        PostClick(dialog.executablebtn->Handle());
      },
      [&] {
        afterChoice = TextOf(dialog.executableeb);
        PostClick(dialog.workingdirectorybtn->Handle());
      },
      [&] {
        workdir = TextOf(dialog.workingdirectoryeb);
        chooseFolder = true;
        Choose(dialog.Handle(), dialog.shortcuttypecb, 2);
        PostClick(dialog.folderbtn->Handle());
      },
      [&] {
        folder = TextOf(dialog.foldereb);
        Choose(dialog.Handle(), dialog.shortcuttypecb, 1);
        prompts.FileAnswers = {false};
        PostClick(dialog.filenamebtn->Handle());
      },
      [&] { PostKey(dialog.Handle(), VK_ESCAPE, 27); },
  });
  EXPECT_EQ(script.Run(dialog), tmodalresult::Cancel);
  ASSERT_EQ(prompts.FileDialogs.size(), 3u);
  const tfiledialog& exe = prompts.FileDialogs[0];
  EXPECT_EQ(exe.Title, "Executable Selection");
  EXPECT_EQ(exe.Filter, "Executables (*.exe, *.com, *.bat)|*.exe;*.com;*.bat");
  EXPECT_EQ(exe.FileName, "C:\\Tools\\edit.exe");
  EXPECT_TRUE(exe.HideReadOnly && exe.PathMustExist && exe.FileMustExist && exe.EnableSizing);
  EXPECT_FALSE(exe.NoDereferenceLinks);
  EXPECT_FALSE(exe.Save);
  const tfiledialog& file = prompts.FileDialogs[2];
  EXPECT_EQ(file.Title, "File Selection");
  EXPECT_EQ(file.Filter, "All Files (*.*)|*.*");
  EXPECT_TRUE(file.NoDereferenceLinks && file.HideReadOnly && file.FileMustExist);
  EXPECT_EQ(afterCancel, "C:\\Tools\\edit.exe");
  EXPECT_EQ(afterChoice, "C:\\Other\\run.bat");
  EXPECT_EQ(workdir, "C:\\Work");  // the browser was cancelled
  EXPECT_EQ(folder, "C:\\Chosen");
  EXPECT_EQ(folderPrompts,
            (std::vector<std::string>{"Please select a working directory.", "Please select a folder."}));
  EXPECT_EQ(shortcut.Path, "C:\\Tools\\edit.exe");  // cancelled at the end
}

TEST_F(DialogWindows, TheIconIsPickedWhereTheProgramIsAndResetToTheDefault) {
  tzvshortcut shortcut = Application();
  shortcut.ImageIndex = 0;
  tzvshortcutdialog dialog(shortcut, true);
  std::vector<std::string> starts;
  dialog.PickIcon = [&](HWND, ticonlocation& location) {
    starts.push_back(IconLocationText(location));
    location = {"C:\\Icons\\pen.ico", 3};
    return ticonpick::Chosen;
  };
  ASSERT_TRUE(dialog.CreateForm());
  bool resetBefore = true, resetAfterPick = false, resetAfterReset = true;
  tmodalscript script({
      [&] {
        resetBefore = IsWindowVisible(dialog.defaulticonlbl->Handle()) || dialog.defaulticonimg->Visible;
        PostClick(dialog.iconlbl->Handle());
      },
      [&] {
        resetAfterPick = IsWindowVisible(dialog.defaulticonlbl->Handle()) && dialog.defaulticonimg->Visible;
        PostClick(dialog.defaulticonlbl->Handle());
      },
      [&] {
        resetAfterReset = IsWindowVisible(dialog.defaulticonlbl->Handle()) || dialog.defaulticonimg->Visible;
        PostClick(dialog.iconlbl->Handle());
      },
      [&] {
        SetFocus(dialog.captioneb);
        PostKey(dialog.captioneb, VK_RETURN, '\r');
      },
  });
  EXPECT_EQ(script.Run(dialog), tmodalresult::OK);
  EXPECT_FALSE(resetBefore) << "no reset, nor its picture, while the entry has the default";
  EXPECT_TRUE(resetAfterPick);
  EXPECT_FALSE(resetAfterReset);
  EXPECT_EQ(starts, (std::vector<std::string>{"C:\\Tools\\edit.exe,0", "C:\\Tools\\edit.exe,0"}));
  EXPECT_EQ(shortcut.Icon, "C:\\Icons\\pen.ico,3");

  // Opened again, the picker starts at the icon, and a cancel keeps it.
  // Without a picker of the system's a file dialog chooses a file's first.
  tzvshortcutdialog again(shortcut, true);
  tfilepicker prompts;
  again.Prompts = &prompts;
  ticonpick answer = ticonpick::Cancelled;
  again.PickIcon = [&](HWND, ticonlocation& location) {
    starts.push_back(IconLocationText(location));
    return answer;
  };
  ASSERT_TRUE(again.CreateForm());
  std::string afterCancel;
  tmodalscript cancelled({[&] { PostClick(again.iconlbl->Handle()); },
                          [&] {
                            afterCancel = again.FormValues().Icon;
                            answer = ticonpick::Unavailable;
                            prompts.FileAnswers = {true};
                            prompts.ChosenFile = "C:\\Icons\\set.dll";
                            PostClick(again.iconlbl->Handle());
                          },
                          [&] {
                            SetFocus(again.captioneb);
                            PostKey(again.captioneb, VK_RETURN, '\r');
                          }});
  EXPECT_EQ(cancelled.Run(again), tmodalresult::OK);
  EXPECT_EQ(starts.back(), "C:\\Icons\\pen.ico,3");
  EXPECT_EQ(afterCancel, "C:\\Icons\\pen.ico,3");
  ASSERT_EQ(prompts.FileDialogs.size(), 1u);
  EXPECT_EQ(prompts.FileDialogs[0].Title, "Icon Selection");
  EXPECT_EQ(prompts.FileDialogs[0].FileName, "C:\\Icons\\pen.ico");
  EXPECT_TRUE(prompts.FileDialogs[0].FileMustExist);
  EXPECT_EQ(shortcut.Icon, "C:\\Icons\\set.dll,0");
}

// ---- the options window

namespace {

HWND OptionsWindow() { return FindWindowA("toptionsdialog", "Options"); }

HWND InGroup(const char* group, const char* cls, const char* text) {
  HWND box = FindWindowExA(OptionsWindow(), nullptr, "TZvGroupBox", group);
  return box ? FindWindowExA(box, nullptr, cls, text) : nullptr;
}

HWND Box(const char* group, const char* caption) { return InGroup(group, "Button", caption); }
bool IsChecked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

const char* const Appearance = " Appearance ";
const char* const Integration = " Windows Integration ";

void CloseOptions() { PostMessageA(OptionsWindow(), WM_CLOSE, 0, 0); }

}  // namespace

TEST_F(DialogWindows, EveryOptionsBoxMapsToItsSettingBothWays) {
  // One switch at a time, so a crossed pair would show; then none and no
  // hotkey, which are stored as they are.
  for (int on = 0; on <= 7; ++on) {
    tsettings s;
    bool* fields[] = {&s.UseLargeIcons, &s.DisplayHotkeys, &s.UseLargeEditorIcons, &s.AutoLoad,
                      &s.UseSendToMenu, &s.UseMenuHotKey,  &s.UseFindHotKey};
    if (on < 7) *fields[on] = true;
    s.MenuHotKey = on < 7 ? static_cast<std::uint16_t>(0xC053 + on) : 0;
    s.FindHotKey = on < 7 ? static_cast<std::uint16_t>(0x2041 + on) : 0;
    toptionsdialog dialog(s);
    ASSERT_TRUE(dialog.CreateForm());
    const HWND boxes[] = {dialog.uselargeiconscb, dialog.displayhotkeyscb, dialog.uselargeeditoriconscb,
                          dialog.autoloadcb,      dialog.usesendtomenucb,  dialog.usemenuhotkeycb,
                          dialog.usefindhotkeycb};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(IsChecked(boxes[i]), i == on) << on << " " << i;
    const tsettings back = dialog.FormValues();
    const bool got[] = {back.UseLargeIcons, back.DisplayHotkeys, back.UseLargeEditorIcons, back.AutoLoad,
                        back.UseSendToMenu, back.UseMenuHotKey,  back.UseFindHotKey};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(got[i], i == on) << on << " " << i;
    EXPECT_EQ(back.MenuHotKey, s.MenuHotKey);
    EXPECT_EQ(back.FindHotKey, s.FindHotKey);
  }
}

TEST_F(DialogWindows, OptionsShowTheSettingsAndEnterStoresAndSaves) {
  tsettings settings;
  settings.DisplayHotkeys = true;
  settings.UseSendToMenu = true;
  settings.UseMenuHotKey = true;
  settings.MenuHotKey = 81;
  std::vector<tsettings> saves;
  bool large = true, hotkeys = false, sendto = false, menuhk = false;
  std::uint32_t hk = 0;
  std::string winplus;
  bool accepted = false;
  tmodalscript script({
      [&] {
        large = IsChecked(Box(Appearance, "&Display large icons in shortcut menu"));
        hotkeys = IsChecked(Box(Appearance, "Di&splay hotkeys in shortcut menu"));
        sendto = IsChecked(Box(Integration, "&Integrate into \"Send to\" menu"));
        menuhk = IsChecked(Box(Integration, "&Register shortcut menu hotkey"));
        HWND hotkey = InGroup(Integration, HOTKEY_CLASSA, nullptr);
        hk = static_cast<std::uint32_t>(SendMessageA(hotkey, HKM_GETHOTKEY, 0, 0));
        winplus = TextOf(InGroup(Integration, "TZvLabel", nullptr));
        Shoot(OptionsWindow(), "options.bmp");
        // Ctrl+Alt+S, with the menu hotkey switched off: still stored.
        SendMessageA(hotkey, HKM_SETHOTKEY, HotkeyToControl(0xC053).Word(), 0);
        PostMessageA(Box(Integration, "&Register shortcut menu hotkey"), BM_CLICK, 0, 0);
        PostMessageA(Box(Appearance, "Displa&y large icons in shortcut editor"), BM_CLICK, 0, 0);
      },
      [&] {
        HWND hotkey = InGroup(Integration, HOTKEY_CLASSA, nullptr);
        SetFocus(hotkey);
        PostKey(hotkey, VK_RETURN, '\r');
      },
  });
  script.Run([&] { accepted = ShowOptions(settings, [&](tsettings& s) { saves.push_back(s); }); },
             CloseOptions);
  EXPECT_FALSE(script.TimedOut());
  EXPECT_FALSE(large);
  EXPECT_TRUE(hotkeys);
  EXPECT_TRUE(sendto);
  EXPECT_TRUE(menuhk);
  EXPECT_EQ(HotkeyFromControlWord(hk), 81);
  EXPECT_EQ(winplus, "Win+");
  EXPECT_TRUE(accepted);
  ASSERT_EQ(saves.size(), 1u);
  EXPECT_EQ(settings.MenuHotKey, 0xC053);
  EXPECT_FALSE(settings.UseMenuHotKey);
  EXPECT_TRUE(settings.UseLargeEditorIcons);
  EXPECT_TRUE(settings.DisplayHotkeys);
  EXPECT_EQ(saves[0].MenuHotKey, 0xC053);
  EXPECT_FALSE(OptionsWindow()) << "the window outlived ShowOptions";
}

TEST_F(DialogWindows, OptionsCancelledEveryWayChangeNothing) {
  tsettings settings;
  settings.AutoLoad = true;
  settings.MenuHotKey = 0x2051;
  int saves = 0;
  const std::vector<std::function<void()>> endings = {
      [] { PostKey(OptionsWindow(), VK_ESCAPE, 27); },
      [] { PostMessageA(OptionsWindow(), WM_CLOSE, 0, 0); },
      [] {
        HWND cancel = FindWindowExA(OptionsWindow(), nullptr, "TZvLabel", "&Cancel");
        PostClick(cancel);
      },
  };
  for (const auto& end : endings) {
    bool accepted = true;
    tmodalscript script({
        [&] {
          PostMessageA(Box(Integration, "&Load on startup"), BM_CLICK, 0, 0);
          SendMessageA(InGroup(Integration, HOTKEY_CLASSA, nullptr), HKM_SETHOTKEY, 0, 0);
        },
        end,
    });
    script.Run([&] { accepted = ShowOptions(settings, [&](tsettings&) { ++saves; }); }, CloseOptions);
    EXPECT_FALSE(script.TimedOut());
    EXPECT_FALSE(accepted);
  }
  EXPECT_EQ(saves, 0);
  EXPECT_TRUE(settings.AutoLoad);
  EXPECT_EQ(settings.MenuHotKey, 0x2051);
}

TEST_F(DialogWindows, AFailedSaveReachesTheCallerAndTheWindowIsGone) {
  tsettings settings;
  tmodalscript script({[] { PostKey(OptionsWindow(), VK_RETURN, '\r'); }});
  bool thrown = false;
  script.Run(
      [&] {
        try {
          ShowOptions(settings, [](tsettings&) { throw std::runtime_error("settings not written"); });
        } catch (const std::runtime_error&) {
          thrown = true;
        }
      },
      CloseOptions);
  EXPECT_TRUE(thrown);
  EXPECT_FALSE(OptionsWindow());
}

// ---- the about window and the form base

TEST_F(DialogWindows, AboutLinkOpensTheAddressAndTheWindowStays) {
  taboutdialog dialog;
  std::vector<std::string> opened;
  dialog.OpenUrl = [&](const std::string& url) { opened.push_back(url); };
  ASSERT_TRUE(dialog.CreateForm());
  bool open = false;
  tmodalscript script({
      [&] {
        Shoot(dialog.Handle(), "about.bmp");
        PostClick(dialog.wwwlbl->Handle());
      },
      [&] {
        open = Visible(dialog.Handle());
        PostKey(dialog.Handle(), VK_ESCAPE, 27);
      },
  });
  script.Run(dialog);
  EXPECT_EQ(opened, std::vector<std::string>{"http://www.halvorix.example/?LinkID=Zorvane"});
  EXPECT_TRUE(open);
  EXPECT_EQ(dialog.versionlbl->Text(), "Version 2.3");
}

TEST_F(DialogWindows, AnErrorInAHandlerEndsTheLoopAndOtherWindowsComeBack) {
  HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  bool otherDisabled = false;
  taboutdialog dialog;
  dialog.OpenUrl = [](const std::string&) { throw std::runtime_error("no shell"); };
  ASSERT_TRUE(dialog.CreateForm());
  std::string error;
  tmodalscript script({[&] {
    otherDisabled = !Enabled(other);
    PostClick(dialog.wwwlbl->Handle());
  }});
  try {
    script.Run(dialog);
  } catch (const std::runtime_error& e) {
    error = e.what();
  }
  EXPECT_EQ(error, "no shell");
  EXPECT_TRUE(otherDisabled);
  EXPECT_TRUE(Enabled(other));
  EXPECT_FALSE(Visible(dialog.Handle()));
  DestroyWindow(other);
}

TEST_F(DialogWindows, QuitEndsTheDialogAndIsKeptForTheProgramLoop) {
  taboutdialog dialog;
  ASSERT_TRUE(dialog.CreateForm());
  tmodalscript script({[] { PostQuitMessage(7); }});
  EXPECT_EQ(script.Run(dialog), tmodalresult::Cancel);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

// ---- keyboard: access keys and tab order

TEST_F(DialogWindows, AccessKeysAndTabFollowTheLayout) {
  tzvshortcut shortcut = Application();
  tzvshortcutdialog dialog(shortcut, true);
  ASSERT_TRUE(dialog.CreateForm());
  std::vector<HWND> focus;
  auto note = [&] { focus.push_back(GetFocus()); };
  auto alt = [&](char c) { PostMessageA(GetFocus(), WM_SYSCHAR, static_cast<unsigned char>(c), 1 << 29); };
  tmodalscript script({
      note,  // the first control in tab order
      [&] { alt('e'); }, note,
      [&] { alt('S'); }, note,
      [&] { alt('v'); }, note,
      [&] { SetFocus(dialog.captioneb); PostKey(dialog.captioneb, VK_TAB, '\t'); }, note,
      [&] { PostKey(GetFocus(), VK_TAB, '\t'); }, note,
      [&] { PostKey(GetFocus(), VK_TAB, '\t'); }, note,
      [&] { PostKey(GetFocus(), VK_ESCAPE, 27); },
  });
  script.Run(dialog);
  const std::vector<HWND> expected = {dialog.captioneb,  dialog.executableeb, dialog.shortcuttypecb,
                                      dialog.viewstylecb, dialog.hotkeyhk,      dialog.viewstylecb,
                                      dialog.executableeb};
  EXPECT_EQ(focus, expected);
}

TEST_F(DialogWindows, OptionsTabOrderRunsThroughBothGroups) {
  tsettings settings;
  std::vector<std::string> order;
  auto note = [&] {
    HWND f = GetFocus();
    char cls[32] = {};
    GetClassNameA(f, cls, sizeof(cls));
    order.push_back(lstrcmpiA(cls, HOTKEY_CLASSA) == 0 ? std::string("hotkey") : TextOf(f));
  };
  std::vector<std::function<void()>> steps = {note};
  for (int i = 0; i < 11; ++i) {
    steps.push_back([] { PostKey(GetFocus(), VK_TAB, '\t'); });
    steps.push_back(note);
  }
  steps.push_back([] { PostKey(OptionsWindow(), VK_ESCAPE, 27); });
  tmodalscript script(steps);
  script.Run([&] { ShowOptions(settings, nullptr); }, CloseOptions);
  // The window opens on its first check box; the links come last, then
  // round to the start.
  const std::vector<std::string> expected = {
      "&Display large icons in shortcut menu", "Di&splay hotkeys in shortcut menu",
      "Displa&y large icons in shortcut editor", "&Load on startup",
      "&Integrate into \"Send to\" menu", "&Register shortcut menu hotkey", "hotkey",
      "Use &find hotkey", "hotkey", "&OK", "&Cancel", "&Display large icons in shortcut menu"};
  EXPECT_EQ(order, expected);
}

TEST_F(DialogWindows, AboutTabOrderRunsThroughItsLinksAndAltWOpensTheAddress) {
  taboutdialog dialog;
  std::vector<std::string> opened;
  dialog.OpenUrl = [&](const std::string& url) { opened.push_back(url); };
  ASSERT_TRUE(dialog.CreateForm());
  std::vector<std::string> order;
  auto note = [&] {
    HWND f = GetFocus();
    order.push_back(f && IsChild(dialog.Handle(), f) ? TextOf(f) : std::string("none"));
  };
  bool framed = false;
  tmodalscript script({
      note,  // a window of links alone: none in focus, Enter is still OK
      [] { PostKey(GetFocus(), VK_TAB, '\t'); }, note,
      [] { PostKey(GetFocus(), VK_TAB, '\t'); }, note,
      [&] {
        // The focused link's dotted frame.
        RECT r;
        GetClientRect(dialog.oklbl->Handle(), &r);
        HDC dc = GetDC(dialog.oklbl->Handle());
        int dots = 0;
        for (int x = 0; x < r.right; ++x) dots += (GetPixel(dc, x, 0) & 0xFFFFFF) != (GetPixel(dc, x, 1) & 0xFFFFFF);
        ReleaseDC(dialog.oklbl->Handle(), dc);
        framed = dots > 2;
        Shoot(dialog.Handle(), "about-tab-focus.bmp");
        PostKey(GetFocus(), VK_TAB, '\t');
      },
      note,
      [] { PostMessageA(GetFocus(), WM_SYSCHAR, 'w', 1 | (1 << 29)); },
      [&] { PostKey(GetFocus(), VK_ESCAPE, 27); },
  });
  script.Run(dialog);
  const std::vector<std::string> expected = {"none", "&www.halvorix.example", "&OK", "&www.halvorix.example"};
  EXPECT_EQ(order, expected);
  EXPECT_TRUE(framed) << "no focus cue on OK";
  EXPECT_EQ(opened, std::vector<std::string>{"http://www.halvorix.example/?LinkID=Zorvane"});
}

TEST_F(DialogWindows, ALinkWithTheFocusShowsItAndRunsOnSpaceOrEnter) {
  for (UINT key : {static_cast<UINT>(VK_SPACE), static_cast<UINT>(VK_RETURN)}) {
    tsettings settings;
    std::string focused;
    bool framed = false;
    std::vector<std::function<void()>> steps;
    for (int i = 0; i < 10; ++i) steps.push_back([] { PostKey(GetFocus(), VK_TAB, '\t'); });
    steps.push_back([&] {
      HWND link = GetFocus();
      focused = TextOf(link);
      // The focus rectangle's dotted pixels around the text.
      RECT r;
      GetClientRect(link, &r);
      HDC dc = GetDC(link);
      int dots = 0;
      for (int x = 0; x < r.right; ++x) dots += (GetPixel(dc, x, 0) & 0xFFFFFF) != RGB(255, 255, 255);
      ReleaseDC(link, dc);
      framed = dots > 2;
      if (key == VK_SPACE) SaveWindowScreenshot(OptionsWindow(), "options-link-focus.bmp");
    });
    steps.push_back([key] { PostKey(GetFocus(), key, key == VK_SPACE ? ' ' : '\r'); });
    tmodalscript script(steps);
    bool ok = false;
    script.Run([&] { ok = ShowOptions(settings, [](tsettings&) {}); }, CloseOptions);
    EXPECT_EQ(focused, "&Cancel");
    EXPECT_TRUE(framed) << "no focus cue on the link";
    EXPECT_FALSE(ok) << "the focused Cancel ran as OK";
  }
}

// ---- keyboard: the links' access keys, and what screen readers read

namespace {

// The pixels of a window's client area, row by row.
std::vector<COLORREF> Pixels(HWND wnd) {
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  RECT r;
  GetClientRect(wnd, &r);
  std::vector<COLORREF> out;
  HDC dc = GetDC(wnd);
  for (int y = 0; y < r.bottom; ++y)
    for (int x = 0; x < r.right; ++x) out.push_back(GetPixel(dc, x, y) & 0xFFFFFF);
  ReleaseDC(wnd, dc);
  return out;
}

void PostAlt(HWND wnd) { PostMessageA(wnd, WM_SYSKEYDOWN, VK_MENU, 1 | (1 << 29)); }
void PostAltKey(HWND wnd, char c) {
  PostMessageA(wnd, WM_SYSCHAR, static_cast<unsigned char>(c), 1 | (1 << 29));
}

}  // namespace

TEST_F(DialogWindows, EveryLinkHasAnAccessKeyOfItsOwnInItsWindow) {
  tsettings settings;
  toptionsdialog options(settings);
  taboutdialog about;
  ASSERT_TRUE(options.CreateForm());
  ASSERT_TRUE(about.CreateForm());
  EXPECT_EQ(AccessKeyClashes(options.Handle()), "");
  EXPECT_EQ(AccessKeyClashes(about.Handle()), "");
  EXPECT_EQ(TextOf(options.oklbl->Handle()), "&OK");
  EXPECT_EQ(TextOf(options.cancellbl->Handle()), "&Cancel");
  EXPECT_EQ(TextOf(about.wwwlbl->Handle()), "&www.halvorix.example");
  // Every kind of shortcut: the panels of the others are there, hidden.
  for (int type : {1, 2, 3}) {
    tzvshortcut shortcut = Application();
    shortcut.ShortcutType = type;
    tzvshortcutdialog properties(shortcut, true);
    ASSERT_TRUE(properties.CreateForm());
    EXPECT_EQ(AccessKeyClashes(properties.Handle()), "") << "shortcut type " << type;
  }
  tzvshortcut group;
  group.Group = true;
  group.Caption = "Tools";
  tzvshortcutdialog groupProperties(group, true);
  ASSERT_TRUE(groupProperties.CreateForm());
  EXPECT_EQ(AccessKeyClashes(groupProperties.Handle()), "");
  EXPECT_EQ(TextOf(groupProperties.oklbl->Handle()), "&OK");
}

TEST_F(DialogWindows, AccessKeysShowWithTheCuesAndRunTheirLinks) {
  // Alt shows the keys, marked under the links' own underline; Alt+C is
  // Cancel. Until then the links look as they always did.
  {
    tsettings settings;
    std::vector<COLORREF> before, after;
    RECT box = {};
    tmodalscript script({
        [&] {
          HWND ok = FindWindowExA(OptionsWindow(), nullptr, "TZvLabel", "&OK");
          GetClientRect(ok, &box);
          before = Pixels(ok);
          SaveWindowScreenshot(OptionsWindow(), "options-no-cues.bmp");
          PostAlt(GetFocus());
        },
        [&] {
          after = Pixels(FindWindowExA(OptionsWindow(), nullptr, "TZvLabel", "&OK"));
          SaveWindowScreenshot(OptionsWindow(), "options-access-keys.bmp");
          PostAltKey(GetFocus(), 'c');
        },
    });
    bool ok = true;
    script.Run([&] { ok = ShowOptions(settings, [](tsettings&) {}); }, CloseOptions);
    EXPECT_FALSE(script.TimedOut()) << "Alt+C did not close the options";
    EXPECT_FALSE(ok);
    ASSERT_EQ(before.size(), after.size());
    // The mark: under the "O" only, below the text.
    int changed = 0, elsewhere = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
      if (before[i] == after[i]) continue;
      ++changed;
      const LONG x = static_cast<LONG>(i) % box.right, y = static_cast<LONG>(i) / box.right;
      if (y < box.bottom - 3 || x > box.right / 2) ++elsewhere;
    }
    EXPECT_GT(changed, 3) << "no mark under the access key";
    EXPECT_EQ(elsewhere, 0);
  }
  // The plain letter where the focus is on a check box: O is OK.
  {
    tsettings settings;
    tmodalscript script({[&] { PostMessageA(GetFocus(), WM_CHAR, 'o', 1); }});
    bool ok = false;
    script.Run([&] { ok = ShowOptions(settings, [](tsettings&) {}); }, CloseOptions);
    EXPECT_FALSE(script.TimedOut());
    EXPECT_TRUE(ok) << "O did not run OK";
  }
  // In an edit box the letter is typed; Alt+O is OK there.
  tzvshortcut shortcut = Application();
  tzvshortcutdialog dialog(shortcut, true);
  ASSERT_TRUE(dialog.CreateForm());
  std::string typed;
  tmodalscript script({
      [&] {
        SetFocus(dialog.captioneb);
        SendMessageA(dialog.captioneb, EM_SETSEL, 0, -1);
        PostMessageA(dialog.captioneb, WM_CHAR, 'c', 1);
      },
      [&] {
        typed = TextOf(dialog.captioneb);
        PostAltKey(dialog.captioneb, 'o');
      },
  });
  EXPECT_EQ(script.Run(dialog), tmodalresult::OK);
  EXPECT_EQ(typed, "c");
  EXPECT_EQ(shortcut.Caption, "c");
}

TEST_F(DialogWindows, ScreenReadersReadTheLinksAsLinks) {
  // As the program's thread (and a screen reader's) runs: in COM.
  const bool com = SUCCEEDED(CoInitialize(nullptr));
  taboutdialog about;
  ASSERT_TRUE(about.CreateForm());
  const treading ok = ReadAloud(about.oklbl->Handle());
  EXPECT_EQ(ok.Role, ROLE_SYSTEM_LINK);
  EXPECT_EQ(ok.Name, "OK");
  EXPECT_EQ(ok.Shortcut, "Alt+O");
  const treading www = ReadAloud(about.wwwlbl->Handle());
  EXPECT_EQ(www.Role, ROLE_SYSTEM_LINK);
  EXPECT_EQ(www.Name, "www.halvorix.example");
  EXPECT_EQ(www.Shortcut, "Alt+W");
  // A plain label stays text; the default action of a link is its click.
  EXPECT_NE(ReadAloud(about.versionlbl->Handle()).Role, ROLE_SYSTEM_LINK);
  tmodalscript script({[&] { ReadAloud(about.oklbl->Handle(), true); }});
  EXPECT_EQ(script.Run(about), tmodalresult::OK);
  EXPECT_FALSE(script.TimedOut());
  if (com) CoUninitialize();
}

TEST_F(DialogWindows, FileDialogOpensEvenWhenTheFieldHoldsNoValidName) {
  tfiledialog d;
  d.Title = "Executable Selection";
  d.Filter = "Executables (*.exe, *.com, *.bat)|*.exe;*.com;*.bat";
  d.FileName = "\"C:\\Tools\\app.exe\" -x <in";
  d.FileMustExist = true;
  bool shown = false;
  tmodalscript script({[&] {
    HWND box = FindWindowA("#32770", "Executable Selection");
    shown = box != nullptr;
    if (box) PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
  }});
  bool chosen = true;
  script.Run([&] { chosen = ProcessPrompts().FileDialog(d); }, [] {});
  EXPECT_TRUE(shown);
  EXPECT_FALSE(chosen);
}

TEST_F(DialogWindows, ThePicturesBesideTheCommandsActLikeThem) {
  taboutdialog about;
  ASSERT_TRUE(about.CreateForm());
  tmodalscript closeAbout({[&] { PostClick(about.Handle(), 16, 128); }});
  EXPECT_EQ(closeAbout.Run(about), tmodalresult::OK);

  tsettings settings;
  int saves = 0;
  bool accepted = false;
  tmodalscript okOptions({[] { PostClick(OptionsWindow(), 16, 180); }});
  okOptions.Run([&] { accepted = ShowOptions(settings, [&](tsettings&) { ++saves; }); }, CloseOptions);
  EXPECT_TRUE(accepted);
  EXPECT_EQ(saves, 1);
  tmodalscript cancelOptions({[] { PostClick(OptionsWindow(), 16, 200); }});
  cancelOptions.Run([&] { accepted = ShowOptions(settings, [&](tsettings&) { ++saves; }); }, CloseOptions);
  EXPECT_FALSE(cancelOptions.TimedOut());
  EXPECT_FALSE(accepted);
  EXPECT_EQ(saves, 1);

  tzvshortcut shortcut = Application();
  tzvshortcutdialog properties(shortcut, true);
  ASSERT_TRUE(properties.CreateForm());
  tmodalscript cancelProperties({[&] { PostClick(properties.Handle(), 16, 316); }});
  EXPECT_EQ(cancelProperties.Run(properties), tmodalresult::Cancel);
  EXPECT_FALSE(cancelProperties.TimedOut());
}

// The tests run the common controls the program's manifest asks for:
// version 6, from the side-by-side store, not the version 5 a program
// without a manifest is given.
TEST(TestPrograms, RunTheCommonControlsVersion6) {
  INITCOMMONCONTROLSEX init = {sizeof(init), ICC_STANDARD_CLASSES};
  ASSERT_TRUE(InitCommonControlsEx(&init));
  char file[MAX_PATH] = {};
  ASSERT_GT(GetModuleFileNameA(GetModuleHandleA("comctl32.dll"), file, MAX_PATH), 0u);
  std::string lower(file);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_NE(lower.find("_microsoft.windows.common-controls_6595b64144ccf1df_6."), std::string::npos) << file;
}
