#include "app/setupextensions.h"

#include <exception>

#include "model/registrybackend.h"
#include "model/tzvshortcutlist.h"
#include "settings/settings.h"

namespace zv {

void SetAutorunFromSetup(tsetupservices& s) {
  LoadSettings(*s.Settings, *s.Registry, *s.Identity);
  s.Settings->AutoLoad = true;
  SaveSettings(*s.Settings, *s.Registry, *s.Identity);
}

void OfferExportBeforeUninstall(tsetupservices& s) {
  tzvshortcutlist list;
  list.LoadFromRegistry(*s.Registry, ShortcutListKey);
  if (list.Count() < 1) return;
  const std::string text = "You have defined " + std::to_string(list.Count()) +
                           " shortcut(s). Would you like to export these shortcuts to a file "
                           "before uninstalling Zorvane?";
  if (s.Prompts->ShowMessageBox(tpromptowner::Desktop, "Export Shortcuts", text,
                            mbYesNo | mbIconQuestion) != idYes) {
    return;
  }
  tfiledialog dialog = ListFileDialog("Export List", true);
  if (!s.Prompts->FileDialog(dialog)) return;
  const bool exported = s.ExportToFile && s.ExportToFile(list, dialog.FileName);
  if (!exported) {
    s.Prompts->ShowMessageBox(tpromptowner::Desktop, "Error", "The shortcut list could not be exported.",
                          mbOK | mbIconError);
  }
}

namespace {

// The maker's key goes only when it holds nothing at all: another product's
// subkey or a value of its own keeps it.
bool RemoveMakerKeyIfEmpty(tregistrybackend& registry, bool& attempted) {
  attempted = false;
  if (!registry.KeyExists(MakerKey)) return true;
  {
    std::unique_ptr<tregkeyhandle> key = registry.OpenKey(MakerKey, false);
    if (!key) return true;
    if (!registry.SubKeyNames(*key).empty() || !registry.ValueNames(*key).empty()) return true;
  }
  attempted = true;
  return registry.DeleteKey(MakerKey);
}

}  // namespace

bool UninstallCleanup(tsetupservices& s) {
  // Nothing here may stop the removal: a failed step is passed over.
  try {
    OfferExportBeforeUninstall(s);
  } catch (const std::exception&) {
  }
  s.Settings->AutoLoad = false;
  try {
    SaveSettings(*s.Settings, *s.Registry, *s.Identity);
  } catch (const std::exception&) {
  }
  if (s.ClearSendToFolder) {
    try {
      s.ClearSendToFolder();
    } catch (const std::exception&) {
    }
  }
  // A key that is already gone counts as removed.
  bool ok = s.Registry->DeleteKey(SettingsKey) || !s.Registry->KeyExists(SettingsKey);
  if (ok) {
    bool attempted = false;
    const bool second = RemoveMakerKeyIfEmpty(*s.Registry, attempted);
    if (attempted) ok = second;
  }
  if (!ok) {
    s.Prompts->ShowMessageBox(tpromptowner::Desktop, "Setup Extensions Error",
                          "Zorvane Setup Extensions were unable to remove all registry entries.",
                          mbOK | mbIconError);
  }
  return ok;
}

}  // namespace zv
