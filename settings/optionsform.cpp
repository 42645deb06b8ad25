#include "settings/optionsform.h"

namespace zv {

toptionsformvalues SettingsToOptionsForm(const tsettings& s) {
  toptionsformvalues f;
  f.UseLargeIcons = s.UseLargeIcons;
  f.DisplayHotkeys = s.DisplayHotkeys;
  f.UseLargeEditorIcons = s.UseLargeEditorIcons;
  f.AutoLoad = s.AutoLoad;
  f.UseSendToMenu = s.UseSendToMenu;
  f.UseMenuHotKey = s.UseMenuHotKey;
  f.MenuHotKey = s.MenuHotKey;
  return f;
}

void OptionsFormToSettings(const toptionsformvalues& f, tsettings& s) {
  s.UseLargeIcons = f.UseLargeIcons;
  s.DisplayHotkeys = f.DisplayHotkeys;
  s.UseLargeEditorIcons = f.UseLargeEditorIcons;
  s.AutoLoad = f.AutoLoad;
  s.UseSendToMenu = f.UseSendToMenu;
  s.UseMenuHotKey = f.UseMenuHotKey;
  s.MenuHotKey = f.MenuHotKey;
}

}  // namespace zv
