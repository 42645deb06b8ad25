#pragma once
// What groups mean to the editor's rows: the block a group makes with its
// entries, the group above or around a row, and the level changes of Tab,
// Shift+Tab and dissolving.
#include <cstdint>
#include <string>
#include <vector>

#include "model/tzvshortcutlist.h"

namespace zv {

// One past the last row of the block at row: the row and, for a group,
// every entry after it deeper than it. row itself when there is no row.
std::int32_t BlockEnd(const tzvshortcutlist& list, std::int32_t row);

// The entries a group holds, at every depth; 0 for other rows.
std::int32_t EntriesIn(const tzvshortcutlist& list, std::int32_t row);

// The selected rows that start a block, top to bottom; a selected row
// inside the block of an earlier one goes with that block.
std::vector<std::int32_t> SelectedBlocks(const tzvshortcutlist& list, const std::vector<bool>& selected);

// The group that holds row; -1 at the top level and for no row.
std::int32_t ParentGroup(const tzvshortcutlist& list, std::int32_t row);

// The group Tab puts row into: the sibling just before it, when that is a
// group that can hold one more level; -1 otherwise.
std::int32_t GroupAbove(const tzvshortcutlist& list, std::int32_t row);

// Every level of the block at row changed by delta; false, with nothing
// changed, when one would leave 0 to 255.
bool ShiftBlockLevels(tzvshortcutlist& list, std::int32_t row, int delta);

// The entries of the group at row one level up, as they stand once the
// group is gone.
void LiftMembers(tzvshortcutlist& list, std::int32_t row);

// The level of an entry put before row: that row's, 0 at the end.
std::uint8_t LevelAt(const tzvshortcutlist& list, std::int32_t row);

// The question before a group goes with its entries.
std::string DeleteGroupQuestion(const std::string& caption, std::int32_t entries);

}  // namespace zv
