#pragma once
// The process-wide settings record and its registry store. AutoLoad is not
// kept with the others: it is the program's value in the user's Run key.
#include <cstdint>
#include <string>

#include "core/appidentity.h"

namespace zv {

class tregistrybackend;

struct tsettings {
  bool UseLargeIcons = false;
  bool DisplayHotkeys = false;
  bool UseLargeEditorIcons = false;
  bool AutoLoad = false;
  bool UseSendToMenu = false;
  bool UseMenuHotKey = false;
  std::uint16_t MenuHotKey = 0;
  bool UseFindHotKey = false;
  std::uint16_t FindHotKey = 0;
};

tsettings& Settings();

inline constexpr const char* SettingsKey = "\\Software\\Halvorix\\Zorvane";
inline constexpr const char* RunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::uint16_t DefaultMenuHotKey = 81;  // Q; the Windows key is always added
inline constexpr std::uint16_t DefaultFindHotKey = 8273;  // Shift+Q, with the Windows key too

void LoadSettings(tsettings& settings, tregistrybackend& registry, const tappidentity& app);
// Throws ERegistryException when a value under the settings key cannot be
// written; a failed Run-key update only clears AutoLoad.
void SaveSettings(tsettings& settings, tregistrybackend& registry, const tappidentity& app);

}  // namespace zv
