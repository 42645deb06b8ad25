// Any registry contents under the list and settings keys, built from the
// input bytes: the loaders end with a defined result, never walk further
// than the subkeys present, and what loaded saves and loads back the same.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/memoryregistry.h"
#include "model/tzvshortcutlist.h"
#include "settings/settings.h"

#define ZV_CHECK(cond, what)            \
  do {                                  \
    if (!(cond)) {                      \
      std::fprintf(stderr, "%s\n", what); \
      std::abort();                     \
    }                                   \
  } while (0)

namespace {

const char* const Names[] = {"SavedByClass", "Count",      "ShortcutType", "Caption",
                             "Path",         "Parameters", "WorkingDir",   "Hotkey",
                             "ViewStyle",    "FullExplorer", "UseLargeIcons", "MenuHotkey",
                             "MenuHotKey",   "UseMenuHotKey", "DisplayHotkeys", "zorvane"};

class fuzzidentity : public zv::tappidentity {
 public:
  std::string ApplicationTitle() const override { return "zorvane"; }
  std::string ExecutablePath() const override { return "C:\\zorvane.exe"; }
};

struct reader {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t at = 0;
  bool More() const { return at < size; }
  std::uint8_t Byte() { return at < size ? data[at++] : 0; }
  std::string Bytes(std::size_t n) {
    std::string s;
    while (n-- && at < size) s.push_back(static_cast<char>(data[at++]));
    return s;
  }
};

// The fields the store writes for each type; the load reads every field
// whatever the type, so only these must come back.
std::string Describe(const zv::tzvshortcutlist& list) {
  std::string out;
  for (int i = 0; i < list.Count(); ++i) {
    const zv::tzvshortcut* s = list.GetItem(i);
    out += std::to_string(s->ShortcutType) + "|";
    if (s->ShortcutType != zv::stSeparator)
      out += s->Caption + "|" + s->Path + "|" + std::to_string(s->Hotkey) + "|";
    if (s->ShortcutType == zv::stApplication) out += s->Parameters + "|" + s->WorkingDir + "|";
    if (s->ShortcutType == zv::stFolder) out += std::to_string(s->FullExplorer) + "|";
    if (s->ShortcutType == zv::stApplication || s->ShortcutType == zv::stFolder)
      out += std::to_string(s->ViewStyle) + "|";
    out += "\n";
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zv::tmemoryregistry reg;
  reader in{data, size};
  std::string key = zv::ShortcutListKey;
  int subkeys = 0;
  while (in.More()) {
    const std::uint8_t op = in.Byte();
    switch (op % 4) {
      case 0: {  // choose the key the next values go to
        const std::uint8_t n = in.Byte();
        if (n == 255) key = zv::SettingsKey;
        else if (n == 254) key = zv::RunKey;
        else if (n == 253) key = zv::ShortcutListKey;
        else {
          key = std::string(zv::ShortcutListKey) + "\\Item" + std::to_string(n % 64);
          ++subkeys;
        }
        reg.OpenKey(key, true);
        break;
      }
      default: {  // a value of any type and content
        auto k = reg.OpenKey(key, true);
        const std::string name = Names[in.Byte() % 16];
        const std::uint32_t type = (op % 4 == 1) ? zv::rtDWord : (op % 4 == 2) ? zv::rtString
                                                                               : in.Byte() % 8;
        std::string bytes = in.Bytes(in.Byte() % 40);
        if (name == "SavedByClass" && op & 0x80) bytes = std::string("tzvshortcutlist") + '\0';
        if (k) reg.SetValue(*k, name, type, bytes);
        break;
      }
    }
  }
  zv::tzvshortcutlist list;
  list.LoadFromRegistry(reg, zv::ShortcutListKey);
  // A missing subkey in the middle is a separator, but the walk never goes
  // past the highest Item subkey there is.
  ZV_CHECK(list.Count() <= 64, "walked past the subkeys");
  ZV_CHECK(list.SaveToRegistry(reg, "\\Software\\FuzzCopy"), "save failed");
  zv::tzvshortcutlist back;
  ZV_CHECK(back.LoadFromRegistry(reg, "\\Software\\FuzzCopy"), "saved list does not load");
  ZV_CHECK(Describe(back) == Describe(list), "saved list loads differently");

  zv::tsettings settings;
  fuzzidentity app;
  zv::LoadSettings(settings, reg, app);
  (void)subkeys;
  return 0;
}
