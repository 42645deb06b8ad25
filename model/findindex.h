#pragma once
// What finding by typing searches: the list's applications, files and
// folders with their captions, the names of their groups and the file names
// of their paths folded for comparing without regard to case. Built once
// per change of the list, so that a keystroke only compares.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/codepage.h"
#include "core/searchtext.h"
#include "model/tzvshortcutlist.h"

namespace zv {

// Only the start of a longer text is searched: enough for any name a menu
// can show, and a bound on the work of a keystroke.
inline constexpr std::size_t MaxSearchedChars = 512;

struct tfindgroup {
  std::string Caption;       // as the list holds it
  std::string FoldedCaption;
  std::int32_t Parent = -1;  // in the index's groups; -1 at the top
};

struct tfindentry {
  std::int32_t Index = 0;    // in the list
  std::string Caption;       // as the list holds it
  std::uint16_t Hotkey = 0;
  std::int32_t Group = -1;   // the innermost group, in the index's groups
  tsearchtext FoldedCaption;
  std::string FoldedFileName;
};

// The row of one entry in the find window.
struct tfindrow {
  std::string Caption;
  std::string GroupPath;  // "Tools › Web"; "" at the top of the list
  std::uint16_t Hotkey = 0;
};

// The file name of a path: after its last backslash or slash, extension
// included; a trailing separator is passed over ("C:\Tools\" gives "Tools").
std::string_view FileNameOfPath(std::string_view path);
// " › " where page holds the sign, else " > ".
std::string GroupPathSeparator(const tcodepage& page);

class tfindindex {
 public:
  // The list's texts are in page, which must outlive the index.
  void Build(const tzvshortcutlist& list, const tcodepage& page);

  const tcodepage& Page() const { return *page_; }
  // In list order.
  const std::vector<tfindentry>& Entries() const { return entries_; }
  // In list order, so a group's parent comes before it.
  const std::vector<tfindgroup>& Groups() const { return groups_; }
  // The candidate at that list index; null for separators, groups and
  // indexes off the list.
  const tfindentry* EntryAt(std::int32_t listIndex) const;
  // Made on request, for the rows shown: a path over deep groups with long
  // names is never held for every entry.
  tfindrow Row(const tfindentry& entry) const;
  // What a screen reader reads for the row: "Caption, Tools › Web, hotkey",
  // held for every result. The outer groups are left off where the path
  // would pass MaxSearchedChars bytes; the innermost one is always named.
  std::string Name(const tfindentry& entry, std::string_view hotkeyText) const;

 private:
  const tcodepage* page_ = &Utf8CodePage();
  std::string separator_ = GroupPathSeparator(Utf8CodePage());
  std::vector<tfindentry> entries_;
  std::vector<tfindgroup> groups_;
  std::vector<std::int32_t> slotOf_;  // list index to entry, -1 for none
};

}  // namespace zv
