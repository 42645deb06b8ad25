#pragma once
// The hidden main window's behaviour: start-up, the tray states and their
// gate, the context-menu commands, hotkeys, the second-instance request and
// shut-down. What it shows or asks goes through tmainwindowhost, so the
// order of events is the same natively under test and in the real window.
#include <cstdint>
#include <memory>
#include <string>

#include "core/userprompts.h"
#include "model/hotkeytable.h"
#include "model/tzvshortcutlist.h"

namespace zv {

struct tsettings;

inline constexpr std::uint32_t ShowMenuRequestId = 1001;

// The context menu's command identifiers; other programs post them as
// WM_COMMAND too (the installer closes a running copy with cmExit).
enum : std::uint32_t {
  cmEditor = 0x100,
  cmOptions = 0x101,
  cmAbout = 0x102,
  cmExit = 0x103,
  cmFind = 0x104,
};

// An item chosen from the shortcut menu: its list index (-1: none) and the
// modifier keys held when it was chosen.
struct tmenuchoice {
  int Index = -1;
  bool Ctrl = false;
  bool Shift = false;
};

// The screen side of the main window.
class tmainwindowhost {
 public:
  virtual ~tmainwindowhost() = default;

  // Tray icon.
  virtual void TraySetEnabled(bool enabled) = 0;
  virtual void TraySetPicture(bool active) = 0;  // normal or grey icon
  virtual void TraySetHint(const std::string& hint) = 0;
  virtual void TraySetVisible(bool visible) = 0;

  virtual std::string ApplicationTitle() = 0;
  virtual std::string FirstArgument() = 0;

  // The stores.
  virtual bool LoadShortcutList(tzvshortcutlist& list) = 0;
  virtual void LoadSettings(tsettings& settings) = 0;

  // The shortcut menu: built from the list; popping it up answers the list
  // index of the chosen item, or -1, and the keys held at the choice. Called
  // up by a key, it opens with its first item highlighted.
  virtual void SetLargeSystemImages(bool large) = 0;
  virtual void RebuildShortcutMenu(tzvshortcutlist& list) = 0;
  virtual int ShortcutMenuItemCount() = 0;
  virtual void BringToForeground() = 0;
  virtual tmenuchoice PopupShortcutMenu(bool highlightFirst) = 0;
  // Elevated: an application is started as administrator.
  virtual void LaunchShortcut(const tzvshortcut& shortcut, bool elevated) = 0;
  virtual void RebuildSendTo(tzvshortcutlist& list) = 0;

  // Global hotkeys of the main window. RegisterShortcutHotkeys answers the
  // number of hotkeys that could not be registered.
  virtual int RegisterListHotkeys(tzvshortcutlist& list) = 0;
  virtual void UnregisterListHotkeys(tzvshortcutlist& list) = 0;
  // The menu hotkey under MenuHotkeyId.
  virtual bool RegisterMenuHotkey(std::uint32_t modifiers, std::uint32_t virtualKey) = 0;
  virtual void UnregisterMenuHotkey() = 0;
  // The find hotkey under FindHotkeyId.
  virtual bool RegisterFindHotkey(std::uint32_t modifiers, std::uint32_t virtualKey) = 0;
  virtual void UnregisterFindHotkey() = 0;

  // The find window over the list, in front with the keyboard in it; it
  // reports a choice through OnFindChoice. Showing it again while it is
  // open brings it forward; closing it when it is closed does nothing.
  virtual void ShowFindWindow(tzvshortcutlist& list) = 0;
  virtual void CloseFindWindow() = 0;

  // Modal windows and boxes; all owned by the main window.
  virtual int ShowMessageBox(const std::string& title, const std::string& text, std::uint32_t flags) = 0;
  virtual bool EditShortcutList(tzvshortcutlist& list) = 0;
  virtual bool ShowOptions() = 0;  // may throw when the settings cannot be written
  virtual void ShowAboutWindow() = 0;
  // The framework's report of an error that escaped a command.
  virtual void ReportError(const std::string& message) = 0;

  virtual void CloseMainWindow() = 0;

  // Work the user does not wait for (the menu's icon lookups) may begin:
  // the tray is active.
  virtual void StartDeferredWork() {}
};

class tzorvanemaindialog {
 public:
  tzorvanemaindialog(tmainwindowhost& host, tsettings& settings);
  tzorvanemaindialog(const tzorvanemaindialog&) = delete;
  tzorvanemaindialog& operator=(const tzorvanemaindialog&) = delete;

  void FormCreate();
  void SetTrayActive(bool active);
  // byKey: called up by the menu hotkey or a second start, not a click.
  void ShowShortcutMenu(bool byKey = false);
  void ApplyOptions();
  void ShutDownMainWindow();
  void RegisterShortcutHotkeys();
  void RegisterMenuHotkey();
  void RegisterFindHotkey();
  // The find window, by its hotkey or "Find..."; only while the tray is
  // active, as the menu.
  void ShowFind();
  // The find window's choice: the entry at index, Ctrl and Shift as held.
  void OnFindChoice(const tmenuchoice& choice);

  void trayiconClick();
  void editoritemClick();
  void optionsitemClick();
  void aboutitemClick();
  void exititemClick();

  // A context-menu command, chosen in the menu or posted from outside; it
  // passes the same gate as a tray click.
  void OnContextMenuCommand(std::uint32_t command);
  // A request to close the main window from outside (taskkill): the program
  // shuts down as on Exit; the window may then be destroyed.
  void OnCloseMessage();
  void OnCopyDataMessage(std::uint32_t dataIdentifier);
  // Answers the message result: 1, the session may end.
  long OnQueryEndSessionMessage();
  // The session ends (ending) or goes on after all. A session can end
  // without the question having been asked here (a forced log-off): the
  // program then ends as on the question.
  void OnEndSessionMessage(bool ending);
  void OnHotkeyMessage(int identifier);

  bool TrayActive() const { return trayActive_; }
  bool ShutDown() const { return shutDown_; }
  bool MenuHotkeyRegistered() const { return menuhotkeyregistered_; }
  bool FindHotkeyRegistered() const { return findhotkeyregistered_; }
  // Null after shut-down.
  tzvshortcutlist* ShortcutList() const { return shortcutlist_.get(); }

 private:
  void LaunchListIndex(int index, bool elevated = false);
  void UnregisterKeyHotkeys();

  tmainwindowhost& host_;
  tsettings& settings_;
  std::unique_ptr<tzvshortcutlist> shortcutlist_;
  // A command whose modal window was open when the session ended resumes
  // after shut-down; it may still hold the list, so the list is retired here
  // instead of freed, and the command then does nothing more.
  std::unique_ptr<tzvshortcutlist> retiredlist_;
  bool menuhotkeyregistered_ = false;
  bool findhotkeyregistered_ = false;
  bool trayActive_ = false;
  bool shutDown_ = false;
};

}  // namespace zv
