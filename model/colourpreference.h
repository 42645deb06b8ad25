#pragma once
// The user's colour mode as Windows stores it under HKEY_CURRENT_USER:
// "AppsUseLightTheme" for the programs' windows and menus,
// "SystemUsesLightTheme" for the taskbar and its notification area. Missing,
// unreadable or mistyped values count as light, as on Windows before the
// dark mode.
#include "model/saferegistry.h"

namespace zv {

inline constexpr const char* PersonalizeKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

struct tcolourpreference {
  bool AppsUseLightTheme = true;
  bool SystemUsesLightTheme = true;
};

tcolourpreference ReadColourPreference(tregistrybackend& registry);

}  // namespace zv
