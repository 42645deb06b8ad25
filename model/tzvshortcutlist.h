#pragma once
// The ordered shortcut list. It owns its entries; an entry's index is also
// the identifier of its global hotkey.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/tzvshortcut.h"

namespace zv {

class tregistrybackend;
// ---- list files (.shl) ----
class tlistprogress;
class tlistfileio;
// ---- end list files ----

class tzvshortcutlist {
 public:
  static constexpr const char* ClassName = "tzvshortcutlist";

  tzvshortcutlist() = default;
  tzvshortcutlist(const tzvshortcutlist&) = delete;
  tzvshortcutlist& operator=(const tzvshortcutlist&) = delete;

  std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }
  // Lends the entry; null at or beyond the end.
  tzvshortcut* GetItem(std::int32_t index) const;

  // On success the list takes the item (the pointer is left empty); on a
  // refusal the item stays with the caller. Add answers the new index, -1 for
  // a null item or a failed append, -2 for a refused duplicate.
  std::int32_t Add(std::unique_ptr<tzvshortcut>& item, bool allowDuplicates);
  bool Insert(std::int32_t index, std::unique_ptr<tzvshortcut>& item, bool allowDuplicates);
  void Move(std::int32_t fromIndex, std::int32_t toIndex);
  void Delete(std::int32_t index);
  void Clear();
  void Assign(const tzvshortcutlist& source);
  // Moves every entry of source to the end of this list; source is left empty.
  void TakeEntriesOf(tzvshortcutlist& source);
  void TidySeparators();
  // Every level from index from on fitted to the groups before it (counted
  // from from): at most one deeper than the deepest group still open, which
  // is where an entry with a greater level, or a member with no group
  // before it, then stands.
  void FitGroupLevels(std::int32_t from = 0);

  // Registry store under HKEY_CURRENT_USER\keyPath.
  bool LoadFromRegistry(tregistrybackend& registry, const std::string& keyPath);
  bool SaveToRegistry(tregistrybackend& registry, const std::string& keyPath);

  // Where a save writes the new list before it replaces the old one.
  static std::string StagingKey(const std::string& keyPath);

  // ---- Hotkeys (tzvshortcutlist_hotkeys.cpp) ----
  // The table is the hotkey table of the window the probes and registrations
  // are made for. CheckHotkeys marks hotkeys taken by an earlier entry or
  // refused by the system as hsInvalid, or, resolving, moves them to a free
  // modifier combination of the same key; 0 all usable, 1 some moved and none
  // left invalid, -1 some invalid. RegisterHotkeys registers every non-zero
  // hotkey under its entry's index and answers the number of failures.
  std::int32_t CheckHotkeys(class thotkeytable& window, bool resolve);
  std::int32_t RegisterHotkeys(class thotkeytable& window);
  void UnregisterHotkeys(class thotkeytable& window);
  // ---- end of hotkeys ----
  // ---- list files (.shl) ----
  // Writes the whole list; an existing file is replaced only once the new
  // one is complete. The progress runs from 0 to Count() - 1.
  bool ExportToFile(const std::string& fileName, tlistprogress& progress, tlistfileio& io);
  bool ExportToFile(const std::string& fileName, tlistprogress& progress);
  // Appends the file's entries, skipping those equal to one already present;
  // false when it is no list file of this program or an entry was not taken.
  bool ImportFromFile(const std::string& fileName, tlistprogress& progress, tlistfileio& io);
  bool ImportFromFile(const std::string& fileName, tlistprogress& progress);
  // Win32 build: the same with the "Please wait..." window.
  bool ExportToFile(const std::string& fileName);
  bool ImportFromFile(const std::string& fileName);
  // Larger files are refused on import.
  static constexpr std::size_t MaxListFileSize = 64u << 20;
  // ---- end list files ----

  std::size_t Capacity() const { return items_.capacity(); }

 private:
  bool HasEqual(const tzvshortcut& item) const;
  void GiveBackStorage() { items_.shrink_to_fit(); }
  std::vector<std::unique_ptr<tzvshortcut>> items_;
};

// ---- list files (.shl) ----
// Every double quotation mark as backslash and mark, and back; exact inverses.
std::string EscapeQuotes(const std::string& text);
std::string UnescapeQuotes(const std::string& text);
// ---- end list files ----

// The key every caller stores the live list under.
inline constexpr const char* ShortcutListKey = "\\Software\\Halvorix\\Zorvane\\Shortcuts";

}  // namespace zv
