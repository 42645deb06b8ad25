#include "app/tmainwindow_win32.h"

#include <exception>

#include "app/launcher.h"
#include "app/listprefetch.h"
#include "app/sendto.h"
#include "app/sendtorebuilds_win32.h"
#include "app/shortcutmenuicons_win32.h"
#include "app/shortcutmenupopup_win32.h"
#include "app/startuptrace_win32.h"
#include "app/systemimageicons_win32.h"
#include "app/tfindwindow_win32.h"
#include "app/traycontextmenu_win32.h"
#include "components/shellimages.h"
#include "components/systemimagelist.h"
#include "components/tcooltrayicon_win32.h"
#include "editor/teditordialog_win32.h"
#include "model/hotkeytext.h"
#include "platform/win32appidentity.h"
#include "platform/win32environment.h"
#include "platform/win32filesystem.h"
#include "platform/win32keynames.h"
#include "platform/win32shell.h"
#include "toolkit/colourmode.h"
#include "ui/taboutdialog_win32.h"
#include "ui/tpopupmenu.h"
#include "platform/win32hotkeys.h"
#include "resources/resource.h"
#include "platform/win32prompts.h"
#include "platform/win32registry.h"
#include "settings/settings.h"
#include "settings/toptionsdialog_win32.h"
#include "toolkit/dpi.h"
#include "toolkit/resourcemodule.h"
#include "toolkit/tapplication.h"

namespace zv {

namespace {

// At the system's small-icon size: the taskbar shows them at the system DPI.
HICON LoadTrayIcon(int id) { return LoadIconResource(id, SystemMetricForDpi(SM_CXSMICON, SystemDpi())); }

}  // namespace

struct tmainwindow::parts {
  HICON normalIcon = nullptr;
  HICON grayedIcon = nullptr;
  std::unique_ptr<twin32hotkeys> hotkeys;
  TdfsSystemImageList systemil{ProcessShellImages()};
  tsystemimageicons shortcutIcons{systemil};
  tmenupainter shortcutPainter{shortcutIcons};
  tpopupmenu shortcutsmenu{shortcutPainter};
  std::unique_ptr<ttraycontextmenu> traymenu;
  std::unique_ptr<TCoolTrayIcon> trayicon;
  tshortcutmenupopup shortcutpopup{shortcutsmenu};
  std::unique_ptr<tshortcutmenuicons> shortcutIconLookups;
  std::unique_ptr<tlistprefetch> listPrefetch;
  std::unique_ptr<tsendtorebuilds> sendTo;
  // Made when first asked for, kept (hidden) between uses.
  std::unique_ptr<tfindwindow> find;
  // During start-up the links are only asked for.
  bool deferSendTo = false;
};

namespace {

constexpr UINT MeasureMenuMessage = WM_APP + 0x34;
// A second start's request, taken: the menu pops up from here.
constexpr UINT ShowMenuRequestMessage = WM_APP + 0x35;
// The find window made, hidden, once start-up is done: its hotkey then only
// fills and shows it.
constexpr UINT MakeFindWindowMessage = WM_APP + 0x36;

}  // namespace

tmainwindow::tmainwindow() : behaviour_(*this, Settings()), parts_(std::make_unique<parts>()) {}

tmainwindow::~tmainwindow() {
  parts_->find.reset();
  parts_->sendTo.reset();
  parts_->shortcutIconLookups.reset();
  parts_->trayicon.reset();
  if (parts_->normalIcon) DestroyIcon(parts_->normalIcon);
  if (parts_->grayedIcon) DestroyIcon(parts_->grayedIcon);
}

std::unique_ptr<tlistprefetch> tmainwindow::StartListRead() {
  return std::make_unique<tlistprefetch>([](tzvshortcutlist& list) {
    StartupMark("list read begun");
    const bool loaded = list.LoadFromRegistry(ProcessRegistry(), ShortcutListKey);
    StartupMark("list read");
    return loaded;
  });
}

bool tmainwindow::CreateAndStart(std::unique_ptr<tlistprefetch> listRead) {
  // Start-up takes the list where it always loaded it.
  parts_->listPrefetch = listRead ? std::move(listRead) : StartListRead();
  if (!RegisterWindowClass(WindowClass)) return false;
  if (!Create(WindowClass, WindowText, WS_POPUP, 0, 0, 0, 0, 0)) return false;
  StartupMark("window");
  HWND wnd = Handle();
  ProcessPrompts().SetMainWindow(wnd);
  UseKeyNames(&Win32KeyNames());
  RefreshColourMode();
  parts_->hotkeys = std::make_unique<twin32hotkeys>(wnd);
  parts_->normalIcon = LoadTrayIcon(IDI_TRAYACTIVE);
  parts_->grayedIcon = LoadTrayIcon(IDI_TRAYDISABLED);

  parts_->shortcutIconLookups = std::make_unique<tshortcutmenuicons>(wnd, parts_->shortcutsmenu);
  parts_->sendTo = std::make_unique<tsendtorebuilds>(wnd, [this](const std::string& m) { ReportError(m); });
  parts_->systemil.Transparent = true;
  parts_->shortcutsmenu.OnDpiChange = [this](int dpi) { parts_->systemil.SetDpi(dpi); };
  parts_->traymenu = std::make_unique<ttraycontextmenu>(
      wnd, [this](std::uint32_t command) { behaviour_.OnContextMenuCommand(command); });

  parts_->trayicon = std::make_unique<TCoolTrayIcon>(Win32TrayBackend(), wnd);
  TCoolTrayIcon& tray = *parts_->trayicon;
  tray.SetHint("Zorvane");
  tray.SetIcon(parts_->normalIcon);
  tray.SetPopupMenu(parts_->traymenu.get());
  tray.OnClick = [this](TCoolTrayIcon&) { behaviour_.trayiconClick(); };
  tray.Loaded();
  StartupMark("tray and menus made");
  parts_->deferSendTo = true;
  behaviour_.FormCreate();
  parts_->deferSendTo = false;
  WriteStartupMarks();
  return true;
}

void tmainwindow::TraySetEnabled(bool enabled) {
  if (parts_->trayicon) parts_->trayicon->SetEnabled(enabled);
}

void tmainwindow::TraySetPicture(bool active) {
  if (parts_->trayicon) parts_->trayicon->SetIcon(active ? parts_->normalIcon : parts_->grayedIcon);
}

void tmainwindow::TraySetHint(const std::string& hint) {
  if (parts_->trayicon) parts_->trayicon->SetHint(hint);
}

void tmainwindow::TraySetVisible(bool visible) {
  if (parts_->trayicon) parts_->trayicon->SetIconVisible(visible);
}

std::string tmainwindow::ApplicationTitle() { return Application().Title(); }

std::string tmainwindow::FirstArgument() { return FirstCommandLineArgument(); }

bool tmainwindow::LoadShortcutList(tzvshortcutlist& list) {
  bool loaded = false;
  if (parts_->listPrefetch) {
    loaded = parts_->listPrefetch->TakeInto(list);
    parts_->listPrefetch.reset();
  } else {
    loaded = list.LoadFromRegistry(ProcessRegistry(), ShortcutListKey);
  }
  StartupMark("list loaded");
  return loaded;
}

void tmainwindow::LoadSettings(tsettings& settings) {
  zv::LoadSettings(settings, ProcessRegistry(), ProcessIdentity());
  StartupMark("settings loaded");
}

void tmainwindow::SetLargeSystemImages(bool large) {
  parts_->systemil.SetImageSize(large ? isLarge : isSmall);
  StartupMark("image size set");
}

void tmainwindow::RebuildShortcutMenu(tzvshortcutlist& list) {
  tshortcutmenuicons& icons = *parts_->shortcutIconLookups;
  parts_->shortcutIcons.Forget();
  zv::RebuildShortcutMenu(
      parts_->shortcutsmenu, list, Settings().DisplayHotkeys,
      [&icons](const std::string& p) { return icons.IndexOf(p); },
      [](std::uint16_t hotkey) { return HotkeyToText(hotkey); },
      [] { return ProcessShellImages().FolderIconIndex(); });
  StartupMark("menu built");
  // Measured once the thread is free again (after start-up), before the
  // menu is first asked for.
  PostMessageA(Handle(), MeasureMenuMessage, 0, 0);
}

void tmainwindow::StartDeferredWork() {
  StartupMark("tray active");
  parts_->shortcutIconLookups->Start();
  parts_->sendTo->Start();
  PostMessageA(Handle(), MakeFindWindowMessage, 0, 0);
}

int tmainwindow::ShortcutMenuItemCount() { return parts_->shortcutsmenu.Count(); }

void tmainwindow::BringToForeground() { SetForegroundWindow(Handle()); }

tmenuchoice tmainwindow::PopupShortcutMenu(bool highlightFirst) {
  StartupMark("menu asked for");
  const tmenuchoice chosen = parts_->shortcutpopup.Popup(Handle(), highlightFirst);
  StartupMark("menu closed");
  WriteStartupMarks();
  return chosen;
}

void tmainwindow::LaunchShortcut(const tzvshortcut& shortcut, bool elevated) {
  // The monitor where the user is: the menu pops up at the pointer, and a
  // hotkey or the find window leaves it where the user works.
  POINT p = {};
  GetCursorPos(&p);
  const HMONITOR monitor = MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST);
  zv::LaunchShortcut(shortcut, ProcessFileSystem(), ProcessShell(), ProcessPrompts(),
                     ProcessEnvironment(), elevated, reinterpret_cast<std::uintptr_t>(monitor));
}

void tmainwindow::RebuildSendTo(tzvshortcutlist& list) {
  parts_->sendTo->Rebuild(list, Settings(), parts_->deferSendTo);
  StartupMark("Send To asked for");
}

int tmainwindow::RegisterListHotkeys(tzvshortcutlist& list) {
  const int failed = list.RegisterHotkeys(*parts_->hotkeys);
  StartupMark("shortcut hotkeys");
  return failed;
}

void tmainwindow::UnregisterListHotkeys(tzvshortcutlist& list) {
  list.UnregisterHotkeys(*parts_->hotkeys);
}

bool tmainwindow::RegisterMenuHotkey(std::uint32_t modifiers, std::uint32_t virtualKey) {
  const bool registered = parts_->hotkeys->Register(MenuHotkeyId, modifiers, virtualKey);
  StartupMark("menu hotkey");
  return registered;
}

void tmainwindow::UnregisterMenuHotkey() { parts_->hotkeys->Unregister(MenuHotkeyId); }

bool tmainwindow::RegisterFindHotkey(std::uint32_t modifiers, std::uint32_t virtualKey) {
  return parts_->hotkeys->Register(FindHotkeyId, modifiers, virtualKey);
}

void tmainwindow::UnregisterFindHotkey() { parts_->hotkeys->Unregister(FindHotkeyId); }

void tmainwindow::MakeFindWindow() {
  if (parts_->find) return;
  auto find = std::make_unique<tfindwindow>();
  tshortcutmenuicons* icons = parts_->shortcutIconLookups.get();
  find->IconIndex = [icons](const std::string& path) { return icons ? icons->IndexOf(path) : -1; };
  find->OnChoice = [this](const tmenuchoice& choice) { behaviour_.OnFindChoice(choice); };
  find->CreateForm();
  parts_->find = std::move(find);
}

void tmainwindow::ShowFindWindow(tzvshortcutlist& list) {
  MakeFindWindow();
  parts_->find->Show(list);
}

void tmainwindow::CloseFindWindow() {
  if (parts_->find) parts_->find->Hide();
}

int tmainwindow::ShowMessageBox(const std::string& title, const std::string& text, std::uint32_t flags) {
  return ProcessPrompts().ShowMessageBox(tpromptowner::MainWindow, title, text, flags);
}

bool tmainwindow::EditShortcutList(tzvshortcutlist& list) {
  return zv::ShowShortcutEditor(list, parts_->shortcutIconLookups.get());
}

bool tmainwindow::ShowOptions() { return zv::ShowOptions(); }

void tmainwindow::ShowAboutWindow() { zv::ShowAboutWindow(); }

void tmainwindow::ReportError(const std::string& message) {
  ::MessageBoxA(Handle(), message.c_str(), Application().Title().c_str(), MB_OK | MB_ICONERROR);
}

void tmainwindow::CloseMainWindow() {
  if (Handle()) PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

LRESULT tmainwindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT answered = 0;
  if (parts_->shortcutpopup.HandleMessage(Handle(), msg, wp, lp, answered)) return answered;
  if (parts_->shortcutIconLookups && parts_->shortcutIconLookups->HandleMessage(msg, behaviour_.ShortcutList())) {
    if (parts_->find) parts_->find->IconsArrived();
    return 0;
  }
  if (parts_->sendTo && parts_->sendTo->HandleMessage(msg)) return 0;
  switch (msg) {
    case MeasureMenuMessage:
      StartupMark("menu measuring begun");
      parts_->shortcutsmenu.MeasureAll();
      StartupMark("menu measured");
      return 0;
    case WM_INITMENUPOPUP:
      // Icons found since the last report are drawn from the first paint on.
      if (reinterpret_cast<HMENU>(wp) == parts_->shortcutsmenu.Handle() && parts_->shortcutIconLookups)
        parts_->shortcutIconLookups->TakeKnown(behaviour_.ShortcutList());
      return Default(msg, wp, lp);
    case WM_COPYDATA: {
      // Answered at once, and the menu popped up later from a posted
      // message: the second start waits for the answer, and inside a message
      // sent by another process no COM call (ShellExecuteEx makes them) may
      // be made.
      const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lp);
      if (!cds || cds->dwData != ShowMenuRequestId) return FALSE;
      PostMessageA(Handle(), ShowMenuRequestMessage, 0, 0);
      return TRUE;
    }
    case MakeFindWindowMessage:
      MakeFindWindow();
      return 0;
    case ShowMenuRequestMessage:
      behaviour_.OnCopyDataMessage(ShowMenuRequestId);
      return 0;
    case WM_QUERYENDSESSION:
      return behaviour_.OnQueryEndSessionMessage();
    case WM_ENDSESSION:
      // Once this returns the system may end the process at any time.
      if (wp && parts_->sendTo) parts_->sendTo->Finish();
      behaviour_.OnEndSessionMessage(wp != FALSE);
      return 0;
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
      // The next menu takes the new colours; open windows follow on their own.
      if (IsColourModeChange(msg, wp, lp)) RefreshColourMode();
      return Default(msg, wp, lp);
    case WM_HOTKEY:
      behaviour_.OnHotkeyMessage(static_cast<int>(wp));
      return 0;
    case WM_COMMAND:
      if (HIWORD(wp) == 0) behaviour_.OnContextMenuCommand(LOWORD(wp));
      return 0;
    case WM_MEASUREITEM: {
      auto& mis = *reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      if (parts_->shortcutsmenu.MeasureItem(mis) || (parts_->traymenu && parts_->traymenu->Menu().MeasureItem(mis)))
        return TRUE;
      return Default(msg, wp, lp);
    }
    case WM_DRAWITEM: {
      const auto& dis = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      if (parts_->shortcutsmenu.DrawItem(dis) || (parts_->traymenu && parts_->traymenu->Menu().DrawItem(dis)))
        return TRUE;
      return Default(msg, wp, lp);
    }
    case WM_CLOSE:
      behaviour_.OnCloseMessage();
      DestroyWindow(Handle());
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return Default(msg, wp, lp);
  }
}

}  // namespace zv
