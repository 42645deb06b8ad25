// The hidden main window's behaviour over a recording screen side.
#include <gtest/gtest.h>

#include <deque>
#include <utility>
#include <stdexcept>

#include "app/tzorvanemaindialog.h"
#include "list_helpers.h"
#include "settings/settings.h"

using namespace zv;

namespace {

class recordinghost : public tmainwindowhost {
 public:
  std::vector<std::string> Log;
  std::deque<int> Answers;  // message boxes; idNo/idOK when run out
  std::vector<std::string> Boxes;
  std::string Argument;
  bool LoadResult = true;
  std::vector<std::unique_ptr<tzvshortcut>> Stored;
  // What a first start loads: the menu hotkey Q.
  tsettings Loaded = [] {
    tsettings s;
    s.MenuHotKey = DefaultMenuHotKey;
    return s;
  }();
  int MenuChoice = -1;
  bool ChoiceCtrl = false, ChoiceShift = false;
  std::vector<bool> PopupsByKey, LaunchesElevated;
  std::deque<int> HotkeyFailures;
  bool MenuHotkeyResult = true;
  bool EditorResult = false;
  bool ThrowFromOptions = false;
  bool OptionsResult = true;
  std::function<void()> DuringEditor, DuringOptions, DuringMenu, DuringBox;
  int MenuItems = 0;
  bool TrayEnabled = false, TrayVisible = false, TrayActivePicture = false;
  std::string TrayHint;

  void TraySetEnabled(bool e) override { TrayEnabled = e; }
  void TraySetPicture(bool a) override { TrayActivePicture = a; }
  void TraySetHint(const std::string& h) override {
    TrayHint = h;
    Log.push_back("hint " + h);
  }
  void TraySetVisible(bool v) override {
    TrayVisible = v;
    Log.push_back(v ? "tray shown" : "tray removed");
  }
  std::string ApplicationTitle() override { return "Zorvane"; }
  std::string FirstArgument() override { return Argument; }
  bool LoadShortcutList(tzvshortcutlist& list) override {
    Log.push_back("load list");
    for (auto& s : Stored) {
      auto copy = std::make_unique<tzvshortcut>();
      copy->Assign(s.get());
      list.Add(copy, true);
    }
    return LoadResult;
  }
  void LoadSettings(tsettings& s) override {
    Log.push_back("load settings");
    s = Loaded;
  }
  void SetLargeSystemImages(bool large) override { Log.push_back(large ? "large images" : "small images"); }
  void RebuildShortcutMenu(tzvshortcutlist& list) override {
    MenuItems = list.Count();
    Log.push_back("menu " + std::to_string(list.Count()));
  }
  int ShortcutMenuItemCount() override { return MenuItems; }
  void BringToForeground() override { Log.push_back("foreground"); }
  tmenuchoice PopupShortcutMenu(bool highlightFirst) override {
    Log.push_back("popup");
    PopupsByKey.push_back(highlightFirst);
    if (DuringMenu) DuringMenu();
    return {MenuChoice, ChoiceCtrl, ChoiceShift};
  }
  void LaunchShortcut(const tzvshortcut& s, bool elevated) override {
    Log.push_back("launch " + s.Caption);
    LaunchesElevated.push_back(elevated);
  }
  void RebuildSendTo(tzvshortcutlist&) override { Log.push_back("sendto"); }
  int RegisterListHotkeys(tzvshortcutlist&) override {
    Log.push_back("register hotkeys");
    if (HotkeyFailures.empty()) return 0;
    int n = HotkeyFailures.front();
    HotkeyFailures.pop_front();
    return n;
  }
  void UnregisterListHotkeys(tzvshortcutlist&) override { Log.push_back("unregister hotkeys"); }
  bool RegisterMenuHotkey(std::uint32_t mods, std::uint32_t vk) override {
    Log.push_back("register menu hotkey " + std::to_string(mods) + "+" + std::to_string(vk));
    return MenuHotkeyResult;
  }
  void UnregisterMenuHotkey() override { Log.push_back("unregister menu hotkey"); }
  bool FindHotkeyResult = true;
  bool RegisterFindHotkey(std::uint32_t mods, std::uint32_t vk) override {
    Log.push_back("register find hotkey " + std::to_string(mods) + "+" + std::to_string(vk));
    return FindHotkeyResult;
  }
  void UnregisterFindHotkey() override { Log.push_back("unregister find hotkey"); }
  int FindShown = 0, FindClosed = 0;
  void ShowFindWindow(tzvshortcutlist&) override {
    Log.push_back("find");
    ++FindShown;
  }
  // Counted apart: every menu, window and question closes it first.
  void CloseFindWindow() override { ++FindClosed; }
  int ShowMessageBox(const std::string& title, const std::string& text, std::uint32_t flags) override {
    Boxes.push_back(title + "|" + text + "|" + std::to_string(flags));
    Log.push_back("box " + title);
    if (DuringBox) std::exchange(DuringBox, nullptr)();
    if (!Answers.empty()) {
      int a = Answers.front();
      Answers.pop_front();
      return a;
    }
    return (flags & mbYesNo) ? idNo : idOK;
  }
  bool EditShortcutList(tzvshortcutlist&) override {
    Log.push_back("editor");
    if (DuringEditor) DuringEditor();
    return EditorResult;
  }
  bool ShowOptions() override {
    Log.push_back("options");
    if (DuringOptions) DuringOptions();
    if (ThrowFromOptions) throw std::runtime_error("Failed to set data for 'UseLargeIcons'");
    return OptionsResult;
  }
  void ShowAboutWindow() override { Log.push_back("about"); }
  void ReportError(const std::string& m) override { Log.push_back("error " + m); }
  void CloseMainWindow() override { Log.push_back("close"); }
  void StartDeferredWork() override { Log.push_back("deferred work"); }
};

struct maindialogtest : testing::Test {
  recordinghost host;
  tsettings settings;
  tzorvanemaindialog dialog{host, settings};

  void StoreThree() {
    host.Stored.push_back(MakeShortcut(stApplication, "Mail", "C:\\mail.exe", 0x4041));
    host.Stored.push_back(Separator());
    host.Stored.push_back(MakeShortcut(stFolder, "Docs", "C:\\Docs"));
  }
  void Start() {
    dialog.FormCreate();
    host.Log.clear();
  }
};

std::string Joined(const std::vector<std::string>& v) {
  std::string s;
  for (auto& x : v) s += x + "\n";
  return s;
}

}  // namespace

TEST_F(maindialogtest, StartUpRunsInOrderAndEndsActive) {
  StoreThree();
  host.Loaded.UseMenuHotKey = true;
  host.Loaded.MenuHotKey = 0x6051;  // Ctrl+Shift+Q
  host.Loaded.UseLargeIcons = true;
  dialog.FormCreate();
  EXPECT_EQ(Joined(host.Log),
            "hint Zorvane (Disabled)\ntray shown\nload list\nload settings\nlarge images\nsendto\n"
            "menu 3\nregister menu hotkey 14+81\nregister hotkeys\nhint Zorvane (Active)\n"
            // The icon lookups begin only once the tray is active.
            "deferred work\n");
  EXPECT_TRUE(host.TrayEnabled && host.TrayActivePicture && host.TrayVisible);
  EXPECT_TRUE(dialog.MenuHotkeyRegistered());
  EXPECT_EQ(dialog.ShortcutList()->Count(), 3);
}

TEST_F(maindialogtest, FailedLoadWarnsUnlessJustInstalled) {
  host.LoadResult = false;
  dialog.FormCreate();
  ASSERT_EQ(host.Boxes.size(), 1u);
  EXPECT_EQ(host.Boxes[0],
            "Load Shortcuts|An error occured while loading the shortcuts.\r\rPlease ignore this "
            "error if you are running Zorvane for the first time.|48");
  EXPECT_TRUE(dialog.TrayActive());

  recordinghost quiet;
  quiet.LoadResult = false;
  quiet.Argument = "/justinstalled";
  tzorvanemaindialog second(quiet, settings);
  second.FormCreate();
  EXPECT_TRUE(quiet.Boxes.empty());
  quiet.Argument = "/JUSTINSTALLED";
  tzorvanemaindialog third(quiet, settings);
  third.FormCreate();
  EXPECT_EQ(quiet.Boxes.size(), 1u);
}

TEST_F(maindialogtest, EmptyListClickOffersTheEditorAndNoLeavesAllAsItWas) {
  Start();
  dialog.trayiconClick();
  ASSERT_EQ(host.Boxes.size(), 1u);
  EXPECT_EQ(host.Boxes[0],
            "No Shortcuts|You haven't defined any shortcuts yet. To do so, right-click on the tray "
            "icon and select \"Shortcut Editor\".\r\rWould you like to open the shortcut editor "
            "now?|36");
  EXPECT_EQ(Joined(host.Log),
            "foreground\nhint Zorvane (Disabled)\nbox No Shortcuts\nhint Zorvane (Active)\n");
  host.Answers = {idYes};
  host.Log.clear();
  dialog.trayiconClick();
  EXPECT_EQ(Joined(host.Log),
            "foreground\nhint Zorvane (Disabled)\nbox No Shortcuts\nhint Zorvane (Disabled)\n"
            "unregister hotkeys\neditor\nregister hotkeys\nhint Zorvane (Active)\n");
}

TEST_F(maindialogtest, NoShortcutsQuestionIsAskedOnceAtATime) {
  host.Loaded.UseMenuHotKey = true;
  Start();
  bool enabledDuring = true;
  host.DuringBox = [&] {
    enabledDuring = host.TrayEnabled;
    // The second start, the menu hotkey and the context menu meanwhile.
    dialog.OnCopyDataMessage(ShowMenuRequestId);
    dialog.OnHotkeyMessage(MenuHotkeyId);
    dialog.OnContextMenuCommand(cmAbout);
  };
  dialog.trayiconClick();
  EXPECT_FALSE(enabledDuring);
  EXPECT_EQ(host.Boxes.size(), 1u);
  EXPECT_EQ(std::count(host.Log.begin(), host.Log.end(), "about"), 0);
  EXPECT_TRUE(dialog.TrayActive());
  EXPECT_EQ(host.TrayHint, "Zorvane (Active)");
}

TEST_F(maindialogtest, ChosenMenuItemLaunchesItsShortcut) {
  StoreThree();
  Start();
  host.MenuChoice = 2;
  dialog.trayiconClick();
  EXPECT_EQ(Joined(host.Log), "foreground\npopup\nlaunch Docs\n");
  host.Log.clear();
  host.MenuChoice = -1;
  dialog.trayiconClick();
  EXPECT_EQ(Joined(host.Log), "foreground\npopup\n");
}

TEST_F(maindialogtest, MenuCalledUpByAKeyOpensHighlightedAClickDoesNot) {
  StoreThree();
  host.Loaded.UseMenuHotKey = true;
  Start();
  dialog.trayiconClick();
  dialog.OnHotkeyMessage(MenuHotkeyId);
  dialog.OnCopyDataMessage(ShowMenuRequestId);
  EXPECT_EQ(host.PopupsByKey, (std::vector<bool>{false, true, true}));
}

TEST_F(maindialogtest, CtrlAndShiftTogetherAtTheChoiceLaunchElevated) {
  StoreThree();
  Start();
  host.MenuChoice = 0;
  const bool held[][2] = {{false, false}, {true, false}, {false, true}, {true, true}};
  for (const auto& keys : held) {
    host.ChoiceCtrl = keys[0];
    host.ChoiceShift = keys[1];
    dialog.trayiconClick();
  }
  host.ChoiceCtrl = host.ChoiceShift = true;
  dialog.OnHotkeyMessage(MenuHotkeyId);
  dialog.OnHotkeyMessage(0);  // a shortcut's own hotkey never elevates
  EXPECT_EQ(host.LaunchesElevated, (std::vector<bool>{false, false, false, true, true, false}));
}

TEST_F(maindialogtest, EditorConfirmedRebuildsCancelledOnlyRegistersAgain) {
  StoreThree();
  Start();
  host.EditorResult = true;
  dialog.editoritemClick();
  EXPECT_EQ(Joined(host.Log),
            "hint Zorvane (Disabled)\nunregister hotkeys\neditor\nmenu 3\nsendto\nregister "
            "hotkeys\nhint Zorvane (Active)\n");
  host.Log.clear();
  host.EditorResult = false;
  dialog.editoritemClick();
  EXPECT_EQ(Joined(host.Log),
            "hint Zorvane (Disabled)\nunregister hotkeys\neditor\nregister hotkeys\nhint Zorvane "
            "(Active)\n");
}

TEST_F(maindialogtest, HotkeyErrorQuestionComesBackWhileFailuresRemainAndYes) {
  StoreThree();
  host.HotkeyFailures = {2, 1, 0};
  host.Answers = {idYes, idYes};
  dialog.FormCreate();
  ASSERT_EQ(host.Boxes.size(), 2u);
  EXPECT_EQ(host.Boxes[0],
            "Hotkey Error|2 hotkey(s) could not be registered.\rThe shortcuts in question will be "
            "displayed highlighted in the shortcut editor.\r\rWould you like to open the shortcut "
            "editor now?|52");
  EXPECT_EQ(host.Boxes[1].substr(0, 47), "Hotkey Error|1 hotkey(s) could not be registere");
  EXPECT_EQ(std::count(host.Log.begin(), host.Log.end(), "editor"), 2);
  EXPECT_TRUE(dialog.TrayActive());
  EXPECT_EQ(host.TrayHint, "Zorvane (Active)");
}

TEST_F(maindialogtest, MenuHotkeyFailureWarnsEveryTimeOptionsAreApplied) {
  host.Loaded.UseMenuHotKey = true;
  host.Loaded.MenuHotKey = 81;
  host.MenuHotkeyResult = false;
  dialog.FormCreate();
  ASSERT_EQ(host.Boxes.size(), 1u);
  EXPECT_EQ(host.Boxes[0],
            "Hotkey Error|Zorvane was unable to register the shortcut menu hotkey. Maybe it is "
            "already in use by another application.\rYou may change the hotkey in the program's "
            "options.|48");
  EXPECT_FALSE(dialog.MenuHotkeyRegistered());
  dialog.optionsitemClick();
  EXPECT_EQ(host.Boxes.size(), 2u);
  // Turning the option off releases a registered hotkey at once.
  host.MenuHotkeyResult = true;
  dialog.ApplyOptions();
  ASSERT_TRUE(dialog.MenuHotkeyRegistered());
  settings.UseMenuHotKey = false;
  host.Log.clear();
  dialog.ApplyOptions();
  EXPECT_EQ(host.Log.back(), "unregister menu hotkey");
  EXPECT_FALSE(dialog.MenuHotkeyRegistered());
}

TEST_F(maindialogtest, TrayIsDisabledWhileOptionsAreOpenAndGatesMenuRequests) {
  StoreThree();
  Start();
  std::string hintDuring;
  host.DuringOptions = [&] {
    hintDuring = host.TrayHint;
    EXPECT_FALSE(host.TrayEnabled);
    dialog.OnHotkeyMessage(MenuHotkeyId);  // menu hotkey: ignored
    dialog.OnCopyDataMessage(ShowMenuRequestId);   // second start: ignored
    dialog.OnHotkeyMessage(0);                     // shortcut hotkey still launches
  };
  host.OptionsResult = false;
  dialog.optionsitemClick();
  EXPECT_EQ(hintDuring, "Zorvane (Disabled)");
  EXPECT_EQ(host.TrayHint, "Zorvane (Active)");
  EXPECT_EQ(std::count(host.Log.begin(), host.Log.end(), "popup"), 0);
  EXPECT_EQ(std::count(host.Log.begin(), host.Log.end(), "launch Mail"), 1);
  host.Log.clear();
  dialog.OnCopyDataMessage(ShowMenuRequestId);
  dialog.OnCopyDataMessage(1002);
  EXPECT_EQ(Joined(host.Log), "foreground\npopup\n");
}

TEST_F(maindialogtest, HotkeyMessagesLaunchByPositionAndSkipSeparatorsAndStrangers) {
  StoreThree();
  Start();
  dialog.OnHotkeyMessage(1);   // separator
  dialog.OnHotkeyMessage(3);   // beyond the list
  dialog.OnHotkeyMessage(-1);
  EXPECT_TRUE(host.Log.empty());
  dialog.OnHotkeyMessage(2);
  EXPECT_EQ(Joined(host.Log), "launch Docs\n");
}

TEST_F(maindialogtest, FailedSettingsWriteIsReportedAndTheTrayComesBack) {
  Start();
  host.ThrowFromOptions = true;
  dialog.optionsitemClick();
  EXPECT_EQ(Joined(host.Log),
            "hint Zorvane (Disabled)\noptions\nerror Failed to set data for 'UseLargeIcons'\n"
            "hint Zorvane (Active)\n");
  EXPECT_TRUE(host.TrayEnabled);
}

TEST_F(maindialogtest, ExitReleasesEverythingOnceAndLateMessagesAreHarmless) {
  StoreThree();
  host.Loaded.UseMenuHotKey = true;
  Start();
  dialog.exititemClick();
  EXPECT_EQ(Joined(host.Log), "unregister hotkeys\nunregister menu hotkey\ntray removed\nclose\n");
  EXPECT_EQ(dialog.ShortcutList(), nullptr);
  host.Log.clear();
  dialog.OnHotkeyMessage(0);
  dialog.OnHotkeyMessage(MenuHotkeyId);
  dialog.OnCopyDataMessage(ShowMenuRequestId);
  dialog.trayiconClick();
  dialog.editoritemClick();
  dialog.exititemClick();
  EXPECT_EQ(dialog.OnQueryEndSessionMessage(), 1);
  EXPECT_TRUE(host.Log.empty()) << Joined(host.Log);
}

TEST_F(maindialogtest, SessionEndWhileTheEditorIsOpenLeavesNoHotkeyBehind) {
  StoreThree();
  Start();
  host.EditorResult = true;
  long answer = 0;
  host.DuringEditor = [&] { answer = dialog.OnQueryEndSessionMessage(); };
  dialog.editoritemClick();
  EXPECT_EQ(answer, 1);
  // After the shut-down nothing registers hotkeys or shows the tray again.
  EXPECT_EQ(Joined(host.Log),
            "hint Zorvane (Disabled)\nunregister hotkeys\neditor\nunregister hotkeys\ntray "
            "removed\nclose\n");
  EXPECT_FALSE(host.TrayVisible);
}

TEST_F(maindialogtest, SessionEndWithoutTheQuestionEndsTheProgramOnce) {
  StoreThree();
  host.Loaded.UseMenuHotKey = true;
  Start();
  dialog.OnEndSessionMessage(false);  // the session goes on: nothing happens
  EXPECT_TRUE(host.Log.empty()) << Joined(host.Log);
  dialog.OnEndSessionMessage(true);
  EXPECT_EQ(Joined(host.Log), "unregister hotkeys\nunregister menu hotkey\ntray removed\nclose\n");
  EXPECT_EQ(dialog.ShortcutList(), nullptr);
  // As the system sends them: the question, then the end.
  host.Log.clear();
  EXPECT_EQ(dialog.OnQueryEndSessionMessage(), 1);
  dialog.OnEndSessionMessage(true);
  EXPECT_TRUE(host.Log.empty()) << Joined(host.Log);
}

TEST_F(maindialogtest, SessionEndWhileTheMenuIsOpenLaunchesNothing) {
  StoreThree();
  Start();
  host.MenuChoice = 0;
  host.DuringMenu = [&] { dialog.OnQueryEndSessionMessage(); };
  dialog.trayiconClick();
  EXPECT_EQ(std::count(host.Log.begin(), host.Log.end(), "launch Mail"), 0);
}

TEST_F(maindialogtest, PostedMenuCommandsPassTheTrayGate) {
  StoreThree();
  Start();
  bool nested = false;
  host.DuringOptions = [&] {
    if (std::exchange(nested, true)) return;  // a nested options window
    dialog.OnContextMenuCommand(cmAbout);
    dialog.OnContextMenuCommand(cmEditor);
    dialog.OnContextMenuCommand(cmOptions);
    dialog.OnContextMenuCommand(cmExit);
  };
  host.OptionsResult = false;
  dialog.OnContextMenuCommand(cmOptions);
  EXPECT_EQ(Joined(host.Log), "hint Zorvane (Disabled)\noptions\nhint Zorvane (Active)\n");
  host.Log.clear();
  dialog.OnContextMenuCommand(0x1234);  // not a command of the menu
  dialog.OnContextMenuCommand(cmAbout);
  EXPECT_EQ(Joined(host.Log), "hint Zorvane (Disabled)\nabout\nhint Zorvane (Active)\n");
  host.Log.clear();
  dialog.OnContextMenuCommand(cmExit);  // the installer's way to close a running copy
  EXPECT_EQ(Joined(host.Log), "unregister hotkeys\ntray removed\nclose\n");
}

TEST_F(maindialogtest, CloseFromOutsideShutsDownAndTheResumedEditorDoesNothing) {
  StoreThree();
  host.Loaded.UseMenuHotKey = true;
  Start();
  host.EditorResult = true;
  host.HotkeyFailures = {3};  // registering on a destroyed window would fail
  host.DuringEditor = [&] { dialog.OnCloseMessage(); };
  dialog.editoritemClick();
  EXPECT_EQ(Joined(host.Log),
            "hint Zorvane (Disabled)\nunregister hotkeys\neditor\nunregister hotkeys\n"
            "unregister menu hotkey\ntray removed\n");
  EXPECT_TRUE(host.Boxes.empty());
  EXPECT_TRUE(dialog.ShutDown());
  host.Log.clear();
  dialog.OnCloseMessage();  // the close that follows Exit
  EXPECT_TRUE(host.Log.empty()) << Joined(host.Log);
}

TEST_F(maindialogtest, MenuHotkeyOfZeroIsNoHotkey) {
  host.Loaded.UseMenuHotKey = true;
  host.Loaded.MenuHotKey = 0;  // an emptied hotkey box with the option on
  dialog.FormCreate();
  EXPECT_EQ(std::count_if(host.Log.begin(), host.Log.end(),
                          [](const std::string& l) { return l.rfind("register menu", 0) == 0; }),
            0);
  EXPECT_TRUE(host.Boxes.empty());
  EXPECT_FALSE(dialog.MenuHotkeyRegistered());
  // A real hotkey later registers as usual.
  settings.MenuHotKey = 0x51;
  dialog.ApplyOptions();
  EXPECT_TRUE(dialog.MenuHotkeyRegistered());
}

TEST_F(maindialogtest, FindOpensWhileTheTrayIsActiveAndGivesWayToTheMenuAndEveryWindow) {
  StoreThree();
  host.Loaded.UseFindHotKey = true;
  host.Loaded.FindHotKey = DefaultFindHotKey;
  host.FindHotkeyResult = false;
  dialog.FormCreate();
  // Win+Shift+Q; taken, so the warning of the menu hotkey's kind.
  EXPECT_NE(Joined(host.Log).find("register find hotkey 12+81\n"), std::string::npos);
  ASSERT_EQ(host.Boxes.size(), 1u);
  EXPECT_EQ(host.Boxes[0].substr(0, host.Boxes[0].find('|', 13)),
            "Hotkey Error|Zorvane was unable to register the find hotkey. Maybe it is already in use "
            "by another application.\rYou may change the hotkey in the program's options.");
  EXPECT_FALSE(dialog.FindHotkeyRegistered());
  host.FindHotkeyResult = true;
  dialog.ApplyOptions();
  EXPECT_TRUE(dialog.FindHotkeyRegistered());

  dialog.OnHotkeyMessage(FindHotkeyId);
  dialog.OnContextMenuCommand(cmFind);
  EXPECT_EQ(host.FindShown, 2);
  int closed = host.FindClosed;
  dialog.trayiconClick();  // the menu closes it
  EXPECT_EQ(host.FindClosed, ++closed);
  host.DuringOptions = [&] { dialog.OnHotkeyMessage(FindHotkeyId); };
  dialog.optionsitemClick();
  EXPECT_EQ(host.FindShown, 2) << "ignored while the options are open";
  EXPECT_GT(host.FindClosed, closed);

  host.Log.clear();
  dialog.OnFindChoice({2, false, false});
  dialog.OnFindChoice({0, true, true});
  dialog.OnFindChoice({-1, false, false});
  EXPECT_EQ(Joined(host.Log), "launch Docs\nlaunch Mail\n");
  EXPECT_EQ(host.LaunchesElevated, (std::vector<bool>{false, true}));

  host.Log.clear();
  closed = host.FindClosed;
  dialog.exititemClick();
  EXPECT_NE(Joined(host.Log).find("unregister find hotkey\n"), std::string::npos);
  EXPECT_GT(host.FindClosed, closed);
  dialog.OnHotkeyMessage(FindHotkeyId);
  dialog.OnFindChoice({2, false, false});
  EXPECT_EQ(host.FindShown, 2);
  EXPECT_EQ(host.LaunchesElevated.size(), 2u);
}
