#include "app/tmainwindow_win32.h"

#include <shellapi.h>

#include <exception>

#include "platform/win32appidentity.h"
#include "platform/win32hotkeys.h"
#include "resources/resource.h"
#include "platform/win32prompts.h"
#include "platform/win32registry.h"
#include "settings/settings.h"
#include "toolkit/tapplication.h"

namespace zv {

namespace {
constexpr UINT TrayCallbackMessage = WM_USER + 0x0400;
}

struct tmainwindow::parts {
  NOTIFYICONDATAA tray = {};
  bool trayEnabled = true;
  bool trayVisible = false;
  bool clickStarted = false;
  HICON normalIcon = nullptr;
  HICON grayedIcon = nullptr;
  std::unique_ptr<twin32hotkeys> hotkeys;
};

tmainwindow::tmainwindow() : behaviour_(*this, Settings()), parts_(std::make_unique<parts>()) {}

tmainwindow::~tmainwindow() {
  if (parts_->trayVisible) TraySetVisible(false);
  if (shortcutsmenu_) DestroyMenu(shortcutsmenu_);
  if (contextmenu_) DestroyMenu(contextmenu_);
}

bool tmainwindow::CreateAndStart() {
  if (!RegisterWindowClass(WindowClass)) return false;
  if (!Create(WindowClass, WindowText, WS_POPUP, 0, 0, 0, 0, 0)) return false;
  ProcessPrompts().SetMainWindow(Handle());
  parts_->hotkeys = std::make_unique<twin32hotkeys>(Handle());
  HINSTANCE instance = GetModuleHandleA(nullptr);
  parts_->normalIcon = static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(IDI_TRAYACTIVE), IMAGE_ICON, 16, 16, 0));
  parts_->grayedIcon = static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(IDI_TRAYDISABLED), IMAGE_ICON, 16, 16, 0));
  NOTIFYICONDATAA& t = parts_->tray;
  t.cbSize = 488;
  t.hWnd = Handle();
  t.uID = 1;
  t.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  t.uCallbackMessage = TrayCallbackMessage;
  BuildContextMenu();
  shortcutsmenu_ = CreatePopupMenu();
  behaviour_.FormCreate();
  return true;
}

void tmainwindow::BuildContextMenu() {
  contextmenu_ = CreatePopupMenu();
  AppendMenuA(contextmenu_, MF_STRING, cmEditor, "Shortcut Editor...");
  AppendMenuA(contextmenu_, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(contextmenu_, MF_STRING, cmOptions, "Options...");
  AppendMenuA(contextmenu_, MF_STRING, cmAbout, "About...");
  AppendMenuA(contextmenu_, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(contextmenu_, MF_STRING, cmExit, "Exit");
}

void tmainwindow::TraySetEnabled(bool enabled) { parts_->trayEnabled = enabled; }

void tmainwindow::TraySetPicture(bool active) {
  parts_->tray.hIcon = active ? parts_->normalIcon : parts_->grayedIcon;
  Shell_NotifyIconA(NIM_MODIFY, &parts_->tray);
}

void tmainwindow::TraySetHint(const std::string& hint) {
  NOTIFYICONDATAA& t = parts_->tray;
  ZeroMemory(t.szTip, sizeof t.szTip);
  hint.copy(t.szTip, sizeof t.szTip - 1);
  Shell_NotifyIconA(NIM_MODIFY, &t);
}

void tmainwindow::TraySetVisible(bool visible) {
  parts_->trayVisible = visible;
  Shell_NotifyIconA(visible ? NIM_ADD : NIM_DELETE, &parts_->tray);
}

std::string tmainwindow::ApplicationTitle() { return Application().Title(); }

std::string tmainwindow::FirstArgument() {
  return (__argc > 1 && __argv) ? std::string(__argv[1]) : std::string();
}

bool tmainwindow::LoadShortcutList(tzvshortcutlist& list) {
  return list.LoadFromRegistry(ProcessRegistry(), ShortcutListKey);
}

void tmainwindow::LoadSettings(tsettings& settings) {
  zv::LoadSettings(settings, ProcessRegistry(), ProcessIdentity());
}

void tmainwindow::SetLargeSystemImages(bool) {}

void tmainwindow::RebuildShortcutMenu(tzvshortcutlist& list) {
  while (GetMenuItemCount(shortcutsmenu_) > 0) DeleteMenu(shortcutsmenu_, 0, MF_BYPOSITION);
  for (int i = 0; i < list.Count(); ++i) {
    const tzvshortcut* s = list.GetItem(i);
    if (s->ShortcutType == stSeparator)
      AppendMenuA(shortcutsmenu_, MF_SEPARATOR, cmShortcutBase + i, nullptr);
    else
      AppendMenuA(shortcutsmenu_, MF_STRING, cmShortcutBase + i, s->Caption.c_str());
  }
}

int tmainwindow::ShortcutMenuItemCount() { return GetMenuItemCount(shortcutsmenu_); }

void tmainwindow::BringToForeground() { SetForegroundWindow(Handle()); }

int tmainwindow::PopupShortcutMenu() {
  POINT p = {};
  GetCursorPos(&p);
  const UINT id = static_cast<UINT>(TrackPopupMenu(
      shortcutsmenu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
      p.x, p.y, 0, Handle(), nullptr));
  PostMessageA(Handle(), WM_NULL, 0, 0);
  return id >= cmShortcutBase ? static_cast<int>(id - cmShortcutBase) : -1;
}

void tmainwindow::LaunchShortcut(const tzvshortcut&) {}

void tmainwindow::RebuildSendTo(tzvshortcutlist&) {}

int tmainwindow::RegisterListHotkeys(tzvshortcutlist& list) {
  return list.RegisterHotkeys(*parts_->hotkeys);
}

void tmainwindow::UnregisterListHotkeys(tzvshortcutlist& list) {
  list.UnregisterHotkeys(*parts_->hotkeys);
}

bool tmainwindow::RegisterMenuHotkey(std::uint32_t modifiers, std::uint32_t virtualKey) {
  return parts_->hotkeys->Register(MenuHotkeyId, modifiers, virtualKey);
}

void tmainwindow::UnregisterMenuHotkey() { parts_->hotkeys->Unregister(MenuHotkeyId); }

int tmainwindow::ShowMessageBox(const std::string& title, const std::string& text, std::uint32_t flags) {
  return ProcessPrompts().ShowMessageBox(tpromptowner::MainWindow, title, text, flags);
}

bool tmainwindow::EditShortcutList(tzvshortcutlist&) { return false; }

bool tmainwindow::ShowOptions() { return false; }

void tmainwindow::ShowAboutWindow() {}

void tmainwindow::ReportError(const std::string& message) {
  ::MessageBoxA(Handle(), message.c_str(), Application().Title().c_str(), MB_OK | MB_ICONERROR);
}

void tmainwindow::CloseMainWindow() {
  if (Handle()) PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

void tmainwindow::ContextMenuCommand(UINT id) {
  switch (id) {
    case cmEditor: behaviour_.editoritemClick(); break;
    case cmOptions: behaviour_.optionsitemClick(); break;
    case cmAbout: behaviour_.aboutitemClick(); break;
    case cmExit: behaviour_.exititemClick(); break;
    default: break;
  }
}

LRESULT tmainwindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COPYDATA: {
      const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lp);
      if (cds) behaviour_.OnCopyDataMessage(static_cast<std::uint32_t>(cds->dwData));
      return 0;
    }
    case WM_QUERYENDSESSION:
      return behaviour_.OnQueryEndSessionMessage();
    case WM_HOTKEY:
      behaviour_.OnHotkeyMessage(static_cast<int>(wp));
      return 0;
    case WM_COMMAND:
      if (HIWORD(wp) == 0) ContextMenuCommand(LOWORD(wp));
      return 0;
    case TrayCallbackMessage:
      if (!parts_->trayEnabled) return 0;
      if (lp == WM_LBUTTONDOWN) parts_->clickStarted = true;
      if (lp == WM_LBUTTONUP) {
        const bool fire = parts_->clickStarted;
        parts_->clickStarted = false;
        if (fire) behaviour_.trayiconClick();
      }
      if (lp == WM_RBUTTONDOWN) {
        POINT p = {};
        if (GetCursorPos(&p)) {
          SetForegroundWindow(Handle());
          TrackPopupMenu(contextmenu_, TPM_LEFTALIGN | TPM_RIGHTBUTTON, p.x, p.y, 0, Handle(), nullptr);
          PostMessageA(Handle(), WM_NULL, 0, 0);
        }
      }
      return 0;
    case WM_CLOSE:
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
