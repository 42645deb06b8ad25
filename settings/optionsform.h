#pragma once
// The options window's controls as values, and how they map onto the
// settings record.
#include <cstdint>

#include "settings/settings.h"

namespace zv {

struct toptionsformvalues {
  bool UseLargeIcons = false;
  bool DisplayHotkeys = false;
  bool UseLargeEditorIcons = false;
  bool AutoLoad = false;
  bool UseSendToMenu = false;
  bool UseMenuHotKey = false;
  std::uint16_t MenuHotKey = 0;
};

toptionsformvalues SettingsToOptionsForm(const tsettings& settings);
// Every value is taken as it is: any combination, any hotkey (also none).
void OptionsFormToSettings(const toptionsformvalues& form, tsettings& settings);

}  // namespace zv
