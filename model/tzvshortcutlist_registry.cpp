// Registry store of the shortcut list: one subkey "Item<i>" per entry below
// the list key, which carries the class marker and the entry count.
#include <string>

#include "model/saferegistry.h"
#include "core/textutil.h"
#include "model/tzvshortcutlist.h"

namespace zv {

namespace {

std::string ItemKey(const std::string& keyPath, std::int32_t i) {
  return keyPath + "\\Item" + std::to_string(i);
}

// "Item<i>" with i in decimal without leading zeros, or -1.
std::int64_t ItemNumber(const std::string& name) {
  if (name.size() < 5 || !SameTextAscii(name.substr(0, 4), "Item")) return -1;
  std::string digits = name.substr(4);
  if (digits.size() > 10 || (digits.size() > 1 && digits[0] == '0')) return -1;
  std::int64_t n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

void WriteEntry(TSafeRegistry& reg, const tzvshortcut& s) {
  reg.WriteInteger("ShortcutType", s.ShortcutType);
  switch (s.ShortcutType) {
    case stApplication:
      reg.WriteString("Caption", s.Caption);
      reg.WriteString("Path", s.Path);
      reg.WriteString("Parameters", s.Parameters);
      reg.WriteString("WorkingDir", s.WorkingDir);
      reg.WriteInteger("Hotkey", s.Hotkey);
      reg.WriteInteger("ViewStyle", s.ViewStyle);
      break;
    case stFile:
      reg.WriteString("Caption", s.Caption);
      reg.WriteString("Path", s.Path);
      reg.WriteInteger("Hotkey", s.Hotkey);
      break;
    case stFolder:
      reg.WriteString("Caption", s.Caption);
      reg.WriteString("Path", s.Path);
      reg.WriteBool("FullExplorer", s.FullExplorer);
      reg.WriteInteger("Hotkey", s.Hotkey);
      reg.WriteInteger("ViewStyle", s.ViewStyle);
      break;
    default:
      if (s.Group) {
        reg.WriteInteger("Group", 1);
        reg.WriteString("Caption", s.Caption);
      }
      break;
  }
  // Only entries inside a group carry a level, and only entries with an
  // icon of their own an icon: a list without either is written as before.
  if (s.Level > 0) reg.WriteInteger("Level", s.Level);
  if (!s.Icon.empty() && (s.ShortcutType != stSeparator || s.Group)) reg.WriteString("Icon", s.Icon);
}

std::string LastComponent(const std::string& path) {
  size_t end = path.find_last_not_of('\\');
  if (end == std::string::npos) return std::string();
  size_t begin = path.find_last_of('\\', end);
  begin = (begin == std::string::npos) ? 0 : begin + 1;
  return path.substr(begin, end - begin + 1);
}

std::string WithoutTrailingSeparators(const std::string& path) {
  size_t end = path.find_last_not_of('\\');
  return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

// A key holds a stored list when it carries the class marker. A save writes
// the marker last and a deletion removes it first, so a key with the marker
// always holds a complete list.
bool IsStoredList(TSafeRegistry& reg, const std::string& path) {
  if (!reg.KeyExists(path) || !reg.OpenKey(path, false)) return false;
  const bool marked = reg.ReadStringDef("SavedByClass", "undefined") == tzvshortcutlist::ClassName;
  reg.CloseKey();
  return marked;
}

// Removes a stored list; the marker goes in a step of its own before the
// subkeys, so a deletion that stops half way leaves no half list behind.
bool DeleteList(TSafeRegistry& reg, const std::string& path) {
  if (!reg.KeyExists(path)) return true;
  if (reg.OpenKey(path, false) && reg.ValueExists("SavedByClass") && !reg.DeleteValue("SavedByClass")) {
    reg.CloseKey();
    return false;
  }
  reg.CloseKey();
  return reg.DeleteKey(path);
}

// Replaces the list at target by the complete one under staging. Once the
// old list has lost its marker, the staging key is the list that loads.
bool PutInPlace(TSafeRegistry& reg, const std::string& staging, const std::string& target,
                const std::string& leaf) {
  if (!DeleteList(reg, target)) {
    // The old list still stands: the staged one is of no use. Otherwise the
    // staged one is the user's list now and stays for the next save.
    if (IsStoredList(reg, target)) DeleteList(reg, staging);
    return false;
  }
  // A refused rename is tried once more; after that the list waits under the
  // staging key, where loading finds it and the next save puts it in place.
  return reg.RenameKey(staging, leaf) || reg.RenameKey(staging, leaf);
}

}  // namespace

std::string tzvshortcutlist::StagingKey(const std::string& keyPath) {
  return WithoutTrailingSeparators(keyPath) + ".saving";
}

bool tzvshortcutlist::LoadFromRegistry(tregistrybackend& registry, const std::string& keyPath) {
  TSafeRegistry reg(registry);
  if (!IsStoredList(reg, keyPath)) {
    // A save interrupted after the old list was taken away left the new list
    // complete under the staging key.
    const std::string staging = StagingKey(keyPath);
    if (staging == keyPath || !IsStoredList(reg, staging)) return false;
    return LoadFromRegistry(registry, staging);
  }
  if (!reg.OpenKey(keyPath, false)) return false;
  bool result = true;
  const std::int32_t count = reg.ReadIntegerDef("Count", 0);

  // A stored count may be far larger than what is there; walk only as far as
  // an Item subkey can exist.
  std::int64_t highest = -1;
  for (const std::string& name : reg.GetKeyNames()) {
    std::int64_t n = ItemNumber(name);
    if (n > highest && n < count) highest = n;
  }
  reg.CloseKey();
  if (count > 0 && highest < static_cast<std::int64_t>(count) - 1) result = false;

  for (std::int64_t i = 0; i <= highest; ++i) {
    if (!reg.OpenKey(ItemKey(keyPath, static_cast<std::int32_t>(i)), false)) {
      result = false;
      continue;
    }
    auto s = std::make_unique<tzvshortcut>();
    std::int32_t type = reg.ReadIntegerDef("ShortcutType", 0);
    if (type >= stSeparator && type <= stFolder) s->ShortcutType = static_cast<std::uint8_t>(type);
    if (s->ShortcutType == stApplication || s->ShortcutType == stFolder) {
      std::int32_t view = reg.ReadIntegerDef("ViewStyle", 1);
      if (view >= vsMinimized && view <= vsMaximized) s->ViewStyle = static_cast<std::uint8_t>(view);
    }
    s->Caption = reg.ReadStringDef("Caption", "");
    s->Path = reg.ReadStringDef("Path", "");
    s->Parameters = reg.ReadStringDef("Parameters", "");
    s->WorkingDir = reg.ReadStringDef("WorkingDir", "");
    s->FullExplorer = reg.ReadBoolDef("FullExplorer", false);
    s->Hotkey = static_cast<std::uint16_t>(reg.ReadIntegerDef("Hotkey", 0) & 0xFFFF);
    s->Group = s->ShortcutType == stSeparator && reg.ReadIntegerDef("Group", 0) != 0;
    s->Level = StoredLevel(reg.ReadIntegerDef("Level", 0));
    if (s->ShortcutType != stSeparator || s->Group) s->Icon = reg.ReadStringDef("Icon", "");
    reg.CloseKey();
    if (Add(s, true) == -1) result = false;
  }
  FitGroupLevels();
  return result;
}

// The new list is written completely under a sibling key and only then
// takes the place of the old one, so a failed registry operation never
// leaves the user with half a list: until the old list loses its marker it
// is the one that loads, from then on the complete new one.
bool tzvshortcutlist::SaveToRegistry(tregistrybackend& registry, const std::string& keyPath) {
  const std::string target = WithoutTrailingSeparators(keyPath);
  const std::string leaf = LastComponent(target);
  if (leaf.empty()) return false;
  const std::string staging = StagingKey(target);

  TSafeRegistry reg(registry);
  // A leftover of an earlier save is the user's list when the list key has
  // none: it is put in place first. Otherwise it is of no use any more.
  if (reg.KeyExists(staging)) {
    if (!IsStoredList(reg, target) && IsStoredList(reg, staging)) {
      if (!PutInPlace(reg, staging, target, leaf)) return false;
    } else if (!DeleteList(reg, staging)) {
      return false;
    }
  }

  try {
    for (std::int32_t i = 0; i < Count(); ++i) {
      if (!reg.OpenKey(ItemKey(staging, i), true))
        throw ERegistryException("Failed to create " + ItemKey(staging, i));
      WriteEntry(reg, *items_[static_cast<size_t>(i)]);
      reg.CloseKey();
    }
    if (!reg.OpenKey(staging, true)) throw ERegistryException("Failed to create " + staging);
    reg.WriteInteger("Count", Count());
    reg.WriteString("SavedByClass", ClassName);
    reg.CloseKey();
  } catch (const ERegistryException&) {
    reg.CloseKey();
    DeleteList(reg, staging);
    return false;
  }
  return PutInPlace(reg, staging, target, leaf);
}

}  // namespace zv
