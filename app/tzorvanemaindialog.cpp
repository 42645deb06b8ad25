#include "app/tzorvanemaindialog.h"

#include <exception>

#include "model/hotkeyvalue.h"
#include "settings/settings.h"

namespace zv {

namespace {

const char* const LoadShortcutsText =
    "An error occured while loading the shortcuts.\r\r"
    "Please ignore this error if you are running Zorvane for the first time.";
const char* const NoShortcutsText =
    "You haven't defined any shortcuts yet. To do so, right-click on the tray icon and select "
    "\"Shortcut Editor\".\r\rWould you like to open the shortcut editor now?";
const char* const MenuHotkeyErrorText =
    "Zorvane was unable to register the shortcut menu hotkey. Maybe it is already in use by "
    "another application.\rYou may change the hotkey in the program's options.";
const char* const FindHotkeyErrorText =
    "Zorvane was unable to register the find hotkey. Maybe it is already in use by "
    "another application.\rYou may change the hotkey in the program's options.";

}  // namespace

tzorvanemaindialog::tzorvanemaindialog(tmainwindowhost& host, tsettings& settings)
    : host_(host), settings_(settings) {}

void tzorvanemaindialog::FormCreate() {
  SetTrayActive(false);
  host_.TraySetVisible(true);
  shortcutlist_ = std::make_unique<tzvshortcutlist>();
  if (!host_.LoadShortcutList(*shortcutlist_) && host_.FirstArgument() != "/justinstalled") {
    host_.ShowMessageBox("Load Shortcuts", LoadShortcutsText, mbOK | mbIconWarning);
  }
  host_.LoadSettings(settings_);
  ApplyOptions();
  RegisterShortcutHotkeys();
  if (shutDown_) return;
  SetTrayActive(true);
  host_.StartDeferredWork();
}

void tzorvanemaindialog::SetTrayActive(bool active) {
  if (shutDown_) return;
  // What opens now (a window of the program, a question) works on the list
  // the find window shows.
  if (!active) host_.CloseFindWindow();
  trayActive_ = active;
  host_.TraySetEnabled(active);
  host_.TraySetPicture(active);
  host_.TraySetHint(host_.ApplicationTitle() + (active ? " (Active)" : " (Disabled)"));
}

void tzorvanemaindialog::ShowShortcutMenu(bool byKey) {
  if (shutDown_) return;
  host_.CloseFindWindow();
  host_.BringToForeground();
  if (host_.ShortcutMenuItemCount() > 0) {
    const tmenuchoice choice = host_.PopupShortcutMenu(byKey);
    // Ctrl+Shift with the choice starts as administrator, as on the taskbar.
    LaunchListIndex(choice.Index, choice.Ctrl && choice.Shift);
    return;
  }
  // One question at a time: the tray stays deaf while it is asked.
  SetTrayActive(false);
  const bool open = host_.ShowMessageBox("No Shortcuts", NoShortcutsText, mbYesNo | mbIconQuestion) == idYes;
  if (open)
    editoritemClick();  // activates the tray again when it is done
  else
    SetTrayActive(true);
}

void tzorvanemaindialog::LaunchListIndex(int index, bool elevated) {
  // The list may have gone while the menu was open (end of session).
  if (shutDown_ || !shortcutlist_ || index < 0) return;
  if (const tzvshortcut* item = shortcutlist_->GetItem(index)) host_.LaunchShortcut(*item, elevated);
}

void tzorvanemaindialog::ApplyOptions() {
  if (shutDown_) return;
  host_.SetLargeSystemImages(settings_.UseLargeIcons);
  host_.RebuildSendTo(*shortcutlist_);
  host_.RebuildShortcutMenu(*shortcutlist_);
  UnregisterKeyHotkeys();
  if (settings_.UseMenuHotKey) RegisterMenuHotkey();
  if (settings_.UseFindHotKey) RegisterFindHotkey();
}

void tzorvanemaindialog::UnregisterKeyHotkeys() {
  if (menuhotkeyregistered_) host_.UnregisterMenuHotkey();
  if (findhotkeyregistered_) host_.UnregisterFindHotkey();
  menuhotkeyregistered_ = findhotkeyregistered_ = false;
}

void tzorvanemaindialog::RegisterShortcutHotkeys() {
  if (shutDown_) return;
  const int failed = host_.RegisterListHotkeys(*shortcutlist_);
  if (failed <= 0) return;
  const std::string text = std::to_string(failed) +
                           " hotkey(s) could not be registered.\r"
                           "The shortcuts in question will be displayed highlighted in the "
                           "shortcut editor.\r\rWould you like to open the shortcut editor now?";
  if (host_.ShowMessageBox("Hotkey Error", text, mbYesNo | mbIconWarning) == idYes) editoritemClick();
}

void tzorvanemaindialog::RegisterMenuHotkey() {
  if (shutDown_) return;
  // 0 is no hotkey at all, not the Windows key alone.
  if (settings_.MenuHotKey == 0) return;
  // The user picks the key and Shift/Ctrl/Alt; the Windows key is always added.
  const thotkeyregistration r = HotkeyToRegistration(settings_.MenuHotKey);
  menuhotkeyregistered_ = host_.RegisterMenuHotkey(r.Modifiers | modWin, r.VirtualKey);
  if (!menuhotkeyregistered_) host_.ShowMessageBox("Hotkey Error", MenuHotkeyErrorText, mbOK | mbIconWarning);
}

void tzorvanemaindialog::RegisterFindHotkey() {
  if (shutDown_ || settings_.FindHotKey == 0) return;
  // As the menu hotkey: the Windows key is always added.
  const thotkeyregistration r = HotkeyToRegistration(settings_.FindHotKey);
  findhotkeyregistered_ = host_.RegisterFindHotkey(r.Modifiers | modWin, r.VirtualKey);
  if (!findhotkeyregistered_) host_.ShowMessageBox("Hotkey Error", FindHotkeyErrorText, mbOK | mbIconWarning);
}

void tzorvanemaindialog::ShowFind() {
  if (shutDown_ || !trayActive_ || !shortcutlist_) return;
  host_.ShowFindWindow(*shortcutlist_);
}

void tzorvanemaindialog::OnFindChoice(const tmenuchoice& choice) {
  LaunchListIndex(choice.Index, choice.Ctrl && choice.Shift);
}

void tzorvanemaindialog::trayiconClick() { ShowShortcutMenu(); }

void tzorvanemaindialog::editoritemClick() {
  if (shutDown_) return;
  SetTrayActive(false);
  host_.UnregisterListHotkeys(*shortcutlist_);
  bool accepted = false;
  try {
    accepted = host_.EditShortcutList(*shortcutlist_);
  } catch (const std::exception& e) {
    host_.ReportError(e.what());
  }
  if (shutDown_) return;
  if (accepted) {
    host_.RebuildShortcutMenu(*shortcutlist_);
    host_.RebuildSendTo(*shortcutlist_);
  }
  RegisterShortcutHotkeys();
  SetTrayActive(true);
}

void tzorvanemaindialog::optionsitemClick() {
  if (shutDown_) return;
  SetTrayActive(false);
  try {
    if (host_.ShowOptions() && !shutDown_) ApplyOptions();
  } catch (const std::exception& e) {
    // A settings write failed: report it and skip the rest, but never leave
    // the tray grey and deaf.
    if (!shutDown_) host_.ReportError(e.what());
  }
  SetTrayActive(true);
}

void tzorvanemaindialog::aboutitemClick() {
  if (shutDown_) return;
  SetTrayActive(false);
  try {
    host_.ShowAboutWindow();
  } catch (const std::exception& e) {
    if (!shutDown_) host_.ReportError(e.what());
  }
  SetTrayActive(true);
}

void tzorvanemaindialog::exititemClick() {
  if (shutDown_) return;
  ShutDownMainWindow();
  host_.CloseMainWindow();
}

void tzorvanemaindialog::ShutDownMainWindow() {
  if (shutDown_) return;
  if (shortcutlist_) host_.UnregisterListHotkeys(*shortcutlist_);
  host_.CloseFindWindow();
  retiredlist_ = std::move(shortcutlist_);
  UnregisterKeyHotkeys();
  host_.TraySetVisible(false);
  trayActive_ = false;
  shutDown_ = true;
}

void tzorvanemaindialog::OnContextMenuCommand(std::uint32_t command) {
  if (shutDown_ || !trayActive_) return;
  switch (command) {
    case cmEditor: editoritemClick(); break;
    case cmFind: ShowFind(); break;
    case cmOptions: optionsitemClick(); break;
    case cmAbout: aboutitemClick(); break;
    case cmExit: exititemClick(); break;
    default: break;
  }
}

void tzorvanemaindialog::OnCloseMessage() { ShutDownMainWindow(); }

void tzorvanemaindialog::OnCopyDataMessage(std::uint32_t dataIdentifier) {
  if (dataIdentifier == ShowMenuRequestId && trayActive_ && !shutDown_) ShowShortcutMenu(true);
}

long tzorvanemaindialog::OnQueryEndSessionMessage() {
  const bool wasRunning = !shutDown_;
  ShutDownMainWindow();
  if (wasRunning) host_.CloseMainWindow();
  return 1;
}

void tzorvanemaindialog::OnEndSessionMessage(bool ending) {
  if (ending) OnQueryEndSessionMessage();
}

void tzorvanemaindialog::OnHotkeyMessage(int identifier) {
  if (shutDown_ || !shortcutlist_) return;
  if (identifier == MenuHotkeyId) {
    if (trayActive_) ShowShortcutMenu(true);
    return;
  }
  if (identifier == FindHotkeyId) {
    ShowFind();
    return;
  }
  if (identifier < 0 || identifier >= shortcutlist_->Count()) return;
  const tzvshortcut* item = shortcutlist_->GetItem(identifier);
  if (item && item->ShortcutType != stSeparator) LaunchListIndex(identifier);
}

}  // namespace zv
