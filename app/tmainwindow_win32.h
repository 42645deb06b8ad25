#pragma once
// The hidden main window on screen: class "tzorvanemaindialog", text
// "zorvanemaindialog". It turns window messages into calls of the main
// window's behaviour and carries out what that decides.
#include <windows.h>

#include <memory>

#include "app/listprefetch.h"
#include "app/tzorvanemaindialog.h"
#include "toolkit/twindow.h"

namespace zv {

class twin32prompts;


class tmainwindow : public twindow, public tmainwindowhost {
 public:
  static constexpr const char* WindowClass = "tzorvanemaindialog";
  static constexpr const char* WindowText = "zorvanemaindialog";

  tmainwindow();
  ~tmainwindow() override;

  // The stored list read on a thread of its own, begun as early as may be.
  static std::unique_ptr<tlistprefetch> StartListRead();
  // Creates the window; start-up (FormCreate) runs right after and takes the
  // list from listRead (begun here when none is given).
  bool CreateAndStart(std::unique_ptr<tlistprefetch> listRead = nullptr);

  // tmainwindowhost
  void TraySetEnabled(bool enabled) override;
  void TraySetPicture(bool active) override;
  void TraySetHint(const std::string& hint) override;
  void TraySetVisible(bool visible) override;
  std::string ApplicationTitle() override;
  std::string FirstArgument() override;
  bool LoadShortcutList(tzvshortcutlist& list) override;
  void LoadSettings(tsettings& settings) override;
  void SetLargeSystemImages(bool large) override;
  void RebuildShortcutMenu(tzvshortcutlist& list) override;
  int ShortcutMenuItemCount() override;
  void BringToForeground() override;
  tmenuchoice PopupShortcutMenu(bool highlightFirst) override;
  void LaunchShortcut(const tzvshortcut& shortcut, bool elevated) override;
  void RebuildSendTo(tzvshortcutlist& list) override;
  int RegisterListHotkeys(tzvshortcutlist& list) override;
  void UnregisterListHotkeys(tzvshortcutlist& list) override;
  bool RegisterMenuHotkey(std::uint32_t modifiers, std::uint32_t virtualKey) override;
  void UnregisterMenuHotkey() override;
  bool RegisterFindHotkey(std::uint32_t modifiers, std::uint32_t virtualKey) override;
  void UnregisterFindHotkey() override;
  void ShowFindWindow(tzvshortcutlist& list) override;
  void CloseFindWindow() override;
  int ShowMessageBox(const std::string& title, const std::string& text, std::uint32_t flags) override;
  bool EditShortcutList(tzvshortcutlist& list) override;
  bool ShowOptions() override;
  void ShowAboutWindow() override;
  void ReportError(const std::string& message) override;
  void CloseMainWindow() override;
  void StartDeferredWork() override;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  struct parts;

  void MakeFindWindow();

  tzorvanemaindialog behaviour_;
  std::unique_ptr<parts> parts_;
};

}  // namespace zv
