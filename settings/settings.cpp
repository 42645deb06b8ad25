#include "settings/settings.h"

#include "model/saferegistry.h"
#include "core/textutil.h"

namespace zv {

tsettings& Settings() {
  static tsettings settings;
  return settings;
}

void LoadSettings(tsettings& s, tregistrybackend& registry, const tappidentity& app) {
  TSafeRegistry reg(registry);
  reg.OpenKey(SettingsKey, true);
  s.UseLargeIcons = reg.ReadBoolDef("UseLargeIcons", false);
  s.DisplayHotkeys = reg.ReadBoolDef("DisplayHotkeys", true);
  s.UseLargeEditorIcons = reg.ReadBoolDef("UseLargeEditorIcons", true);
  s.UseSendToMenu = reg.ReadBoolDef("UseSendToMenu", true);
  s.UseMenuHotKey = reg.ReadBoolDef("UseMenuHotKey", true);
  // Hotkey values are 16 bits wide: only the low 16 bits of the stored value count.
  std::int32_t raw = reg.ReadIntegerDef("MenuHotkey", DefaultMenuHotKey);
  s.MenuHotKey = static_cast<std::uint16_t>(raw & 0xFFFF);
  s.UseFindHotKey = reg.ReadBoolDef("UseFindHotKey", true);
  s.FindHotKey = static_cast<std::uint16_t>(reg.ReadIntegerDef("FindHotKey", DefaultFindHotKey) & 0xFFFF);
  reg.CloseKey();

  try {
    s.AutoLoad = false;
    if (reg.OpenKey(RunKey, true)) {
      const std::string title = app.ApplicationTitle();
      s.AutoLoad = reg.ValueExists(title) &&
                   SameTextAscii(reg.ReadStringDef(title, ""), app.ExecutablePath());
      reg.CloseKey();
    }
  } catch (...) {
    s.AutoLoad = false;
  }
}

void SaveSettings(tsettings& s, tregistrybackend& registry, const tappidentity& app) {
  TSafeRegistry reg(registry);
  reg.OpenKey(SettingsKey, true);
  reg.WriteBool("UseLargeIcons", s.UseLargeIcons);
  reg.WriteBool("DisplayHotkeys", s.DisplayHotkeys);
  reg.WriteBool("UseLargeEditorIcons", s.UseLargeEditorIcons);
  reg.WriteBool("UseSendToMenu", s.UseSendToMenu);
  reg.WriteBool("UseMenuHotKey", s.UseMenuHotKey);
  reg.WriteInteger("MenuHotKey", s.MenuHotKey);
  reg.WriteBool("UseFindHotKey", s.UseFindHotKey);
  reg.WriteInteger("FindHotKey", s.FindHotKey);
  reg.CloseKey();

  try {
    if (!reg.OpenKey(RunKey, true)) throw ERegistryException("Run key not available");
    const std::string title = app.ApplicationTitle();
    if (s.AutoLoad) {
      reg.WriteString(title, app.ExecutablePath());
    } else if (reg.ValueExists(title)) {
      if (!reg.DeleteValue(title)) throw ERegistryException("Run value not deleted");
    }
    reg.CloseKey();
  } catch (...) {
    s.AutoLoad = false;
  }
}

}  // namespace zv
