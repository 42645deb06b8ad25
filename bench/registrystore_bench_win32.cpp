#include <windows.h>

#include <algorithm>
#include <string>

#include "bench.h"
#include "bench_win32.h"
#include "model/tzvshortcutlist.h"
#include "platform/runningunderwine.h"
#include "platform/win32registry.h"

namespace zvbench {
void FillList(zv::tzvshortcutlist& list, int count);
}

namespace {

const char* const BareKey = "Software\\Halvorix\\ZorvaneBench\\Shortcuts";

void SetString(HKEY k, const char* name, const std::string& v) {
  RegSetValueExA(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(v.c_str()),
                 static_cast<DWORD>(v.size() + 1));
}
void SetDword(HKEY k, const char* name, DWORD v) {
  RegSetValueExA(k, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof(v));
}

// What the store does at its core, without any of its safety: delete the old
// list, create each subkey and set its values.
void BareSave(const zv::tzvshortcutlist& list) {
  zv::ProcessRegistry().DeleteKey(BareKey);
  HKEY k;
  RegCreateKeyExA(HKEY_CURRENT_USER, BareKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr);
  SetString(k, "SavedByClass", "tzvshortcutlist");
  SetDword(k, "Count", static_cast<DWORD>(list.Count()));
  RegCloseKey(k);
  for (int i = 0; i < list.Count(); ++i) {
    const zv::tzvshortcut* s = list.GetItem(i);
    std::string sub = std::string(BareKey) + "\\Item" + std::to_string(i);
    RegCreateKeyExA(HKEY_CURRENT_USER, sub.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k,
                    nullptr);
    SetDword(k, "ShortcutType", s->ShortcutType);
    if (s->ShortcutType != zv::stSeparator) {
      SetString(k, "Caption", s->Caption);
      SetString(k, "Path", s->Path);
      if (s->ShortcutType == zv::stApplication) {
        SetString(k, "Parameters", s->Parameters);
        SetString(k, "WorkingDir", s->WorkingDir);
      }
      if (s->ShortcutType == zv::stFolder) SetDword(k, "FullExplorer", s->FullExplorer);
      SetDword(k, "Hotkey", s->Hotkey);
      if (s->ShortcutType != zv::stFile) SetDword(k, "ViewStyle", s->ViewStyle);
    }
    RegCloseKey(k);
  }
}

void BareLoad(int count) {
  static const char* names[] = {"ShortcutType", "ViewStyle", "Caption", "Path",
                                "Parameters",   "WorkingDir", "FullExplorer", "Hotkey"};
  for (int i = 0; i < count; ++i) {
    std::string sub = std::string(BareKey) + "\\Item" + std::to_string(i);
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, sub.c_str(), 0, KEY_ALL_ACCESS, &k) != ERROR_SUCCESS)
      continue;
    for (const char* name : names) {
      BYTE buffer[512];
      DWORD type, size = sizeof(buffer);
      RegQueryValueExA(k, name, nullptr, &type, buffer, &size);
    }
    RegCloseKey(k);
  }
}

}  // namespace

ZV_BENCHMARK(Win32RegistryStore, "shortcut list store, real registry vs. bare advapi32 loop") {
  for (int n : {1000, 10000}) {
    zv::tzvshortcutlist list;
    zvbench::FillList(list, n);
    zv::twin32registry& reg = zv::ProcessRegistry();
    reg.DeleteKey(zv::ShortcutListKey);
    list.SaveToRegistry(reg, zv::ShortcutListKey);  // so both saves replace an old list
    BareSave(list);
    double bareSave = zvbench::Millis([&] { BareSave(list); });
    double save = zvbench::Millis([&] { list.SaveToRegistry(reg, zv::ShortcutListKey); });
    double bareLoad = zvbench::Millis([&] { BareLoad(n); });
    zv::tzvshortcutlist back;
    double load = zvbench::Millis([&] { back.LoadFromRegistry(reg, zv::ShortcutListKey); });
    const std::string size = std::to_string(n) + " entries";
    zvbench::Row("save " + size + ", store", save);
    zvbench::Row("save " + size + ", bare loop", bareSave);
    zvbench::Ratio("save " + size + ", ratio", save, bareSave);
    zvbench::Row("load " + size + ", store", load);
    zvbench::Row("load " + size + ", bare loop", bareLoad);
    zvbench::Ratio("load " + size + ", ratio", load, bareLoad);
    reg.DeleteKey("Software\\Halvorix\\ZorvaneBench");
    reg.DeleteKey(zv::ShortcutListKey);
  }
}

ZV_TABLE(RegistryTable, 20, "registry store vs. bare advapi32 loop") {
  const int n = zvbench::Count(1000, 20);
  const int rounds = zvbench::Count(5, 1);
  zvbench::tkeptlist kept;
  zv::tzvshortcutlist list;
  zvbench::FillList(list, n);
  zv::twin32registry& reg = zv::ProcessRegistry();
  // Both saves replace a list that is there already, as every save but the
  // first does.
  list.SaveToRegistry(reg, zv::ShortcutListKey);
  BareSave(list);
  // Taken in turns, so that a busy moment of the machine hits both alike.
  double save = 1e30, bareSave = 1e30, load = 1e30, bareLoad = 1e30;
  bool ok = true;
  for (int r = 0; r < rounds; ++r) {
    bareSave = std::min(bareSave, zvbench::Millis([&] { BareSave(list); }));
    save = std::min(save, zvbench::Millis([&] { ok = list.SaveToRegistry(reg, zv::ShortcutListKey) && ok; }));
    bareLoad = std::min(bareLoad, zvbench::Millis([&] { BareLoad(n); }));
    zv::tzvshortcutlist back;
    load = std::min(load, zvbench::Millis([&] { ok = back.LoadFromRegistry(reg, zv::ShortcutListKey) && ok; }));
    ok = ok && back.Count() == n;
  }
  reg.DeleteKey("Software\\Halvorix\\ZorvaneBench");
  const std::string size = std::to_string(n) + " entries";
  if (!ok) {
    zvbench::AddFailure("registry save and load, " + size, "the store failed or lost entries");
    return;
  }
  const std::string best = ", best of " + std::to_string(rounds);
  zvbench::AddRow("registry save, " + size + best, zvbench::Ms(save),
                  "bare loop " + zvbench::Ms(bareSave) + ": " + zvbench::Times(save / bareSave) + ", target <= 1.30x",
                  zvbench::AtMost(save / bareSave, 1.3));
  zvbench::AddRow("registry load, " + size + best, zvbench::Ms(load),
                  "bare loop " + zvbench::Ms(bareLoad) + ": " + zvbench::Times(load / bareLoad) + ", target <= 1.30x",
                  zvbench::AtMost(load / bareLoad, 1.3));
  if (zv::RunningUnderWine())
    zvbench::Note("Registry save under Wine: the store writes the new list beside the old one and copies\n"
                  "it into place, since Wine's RegRenameKey cannot be trusted; Windows renames it.");
}
