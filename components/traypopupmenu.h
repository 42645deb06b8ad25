#pragma once
// A pop-up menu as the tray icon sees it. Tray icons that refer to a menu
// forget it when the menu is destroyed, so a later right click finds no menu
// instead of a dangling one.
#include <vector>

namespace zv {

class TCoolTrayIcon;

class ttraypopupmenu {
 public:
  ttraypopupmenu() = default;
  virtual ~ttraypopupmenu();
  ttraypopupmenu(const ttraypopupmenu&) = delete;
  ttraypopupmenu& operator=(const ttraypopupmenu&) = delete;

  // Shows the menu with its corner at the screen position; returns when the
  // menu has closed.
  virtual void Popup(int x, int y) = 0;
  // Carries out the menu's default item; false when it has none.
  virtual bool ClickDefaultItem() { return false; }

  // Off: the tray icon does not pop the menu up by itself.
  bool AutoPopup = true;
  // The tray icon whose right click popped the menu up last.
  TCoolTrayIcon* PopupComponent = nullptr;

 private:
  friend class TCoolTrayIcon;
  std::vector<TCoolTrayIcon*> users_;
};

}  // namespace zv
