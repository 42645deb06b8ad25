#include "editor/editorgroups.h"

namespace zv {

std::int32_t BlockEnd(const tzvshortcutlist& list, std::int32_t row) {
  const tzvshortcut* head = list.GetItem(row);
  if (row < 0 || !head) return row;
  std::int32_t end = row + 1;
  if (!head->IsGroup()) return end;
  while (end < list.Count() && list.GetItem(end)->Level > head->Level) ++end;
  return end;
}

std::int32_t EntriesIn(const tzvshortcutlist& list, std::int32_t row) {
  if (row < 0 || row >= list.Count()) return 0;
  return BlockEnd(list, row) - row - 1;
}

std::vector<std::int32_t> SelectedBlocks(const tzvshortcutlist& list, const std::vector<bool>& selected) {
  std::vector<std::int32_t> heads;
  std::int32_t row = 0;
  while (row < list.Count()) {
    if (static_cast<std::size_t>(row) < selected.size() && selected[static_cast<std::size_t>(row)]) {
      heads.push_back(row);
      row = BlockEnd(list, row);
    } else {
      ++row;
    }
  }
  return heads;
}

std::int32_t ParentGroup(const tzvshortcutlist& list, std::int32_t row) {
  const tzvshortcut* entry = list.GetItem(row);
  if (row < 0 || !entry) return -1;
  for (std::int32_t i = row - 1; i >= 0; --i) {
    const tzvshortcut* above = list.GetItem(i);
    if (above->Level < entry->Level) return above->IsGroup() && above->Level + 1 == entry->Level ? i : -1;
  }
  return -1;
}

std::int32_t GroupAbove(const tzvshortcutlist& list, std::int32_t row) {
  const tzvshortcut* entry = list.GetItem(row);
  if (row < 0 || !entry) return -1;
  for (std::int32_t i = row - 1; i >= 0; --i) {
    const tzvshortcut* above = list.GetItem(i);
    if (above->Level > entry->Level) continue;
    // A group at the last level holds nothing deeper.
    return above->Level == entry->Level && above->IsGroup() && above->Level < 255 ? i : -1;
  }
  return -1;
}

bool ShiftBlockLevels(tzvshortcutlist& list, std::int32_t row, int delta) {
  const std::int32_t end = BlockEnd(list, row);
  for (std::int32_t i = row; i < end; ++i) {
    const int level = list.GetItem(i)->Level + delta;
    if (level < 0 || level > 255) return false;
  }
  for (std::int32_t i = row; i < end; ++i)
    list.GetItem(i)->Level = static_cast<std::uint8_t>(list.GetItem(i)->Level + delta);
  return true;
}

void LiftMembers(tzvshortcutlist& list, std::int32_t row) {
  const std::int32_t end = BlockEnd(list, row);
  for (std::int32_t i = row + 1; i < end; ++i) --list.GetItem(i)->Level;  // deeper than the group: >= 1
}

std::uint8_t LevelAt(const tzvshortcutlist& list, std::int32_t row) {
  const tzvshortcut* entry = list.GetItem(row);
  return row >= 0 && entry ? entry->Level : 0;
}

std::string DeleteGroupQuestion(const std::string& caption, std::int32_t entries) {
  std::string text = "Do you really want to delete the group \"" + caption + "\"";
  if (entries == 1) return text + " and the 1 entry in it?";
  if (entries > 1) return text + " and the " + std::to_string(entries) + " entries in it?";
  return text + "?";
}

}  // namespace zv
