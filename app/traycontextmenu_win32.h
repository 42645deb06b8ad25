#pragma once
// The tray icon's right-button menu: "Shortcut Editor...", "Options...",
// "About..." and "Exit", owner-drawn with their icons at the small-icon size
// for the menu's DPI. The chosen item's command goes to a function.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>

#include "components/traypopupmenu.h"
#include "ui/tmenupainter.h"
#include "ui/tpopupmenu.h"

namespace zv {

class ttraycontextmenu : public ttraypopupmenu {
 public:
  // owner gets the menu's measuring and drawing messages and forwards them
  // to Menu(); run gets the chosen item's command (cmEditor ... cmExit).
  ttraycontextmenu(HWND owner, std::function<void(std::uint32_t)> run);
  ~ttraycontextmenu() override;
  ttraycontextmenu(const ttraycontextmenu&) = delete;
  ttraycontextmenu& operator=(const ttraycontextmenu&) = delete;

  void Popup(int x, int y) override;
  const tpopupmenu& Menu() const { return menu_; }

 private:
  void MakeIcons(int dpi);

  HWND owner_;
  std::function<void(std::uint32_t)> run_;
  HIMAGELIST list_ = nullptr;
  timagelisticons icons_;
  tmenupainter painter_{icons_};
  // It comes up on a right click, and a right click chooses.
  tpopupmenu menu_{painter_, tmenubuttons::LeftAndRight};
};

}  // namespace zv
