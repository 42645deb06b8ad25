#pragma once
// What drag and drop in the editor's list works out: captions and types of
// dropped paths, where they go, where a dragged row and the entries of its
// group land, and the status line while they travel.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "model/tzvshortcutlist.h"

namespace zv {

// The one file-system question a drop asks.
class tdropfilequery {
 public:
  virtual ~tdropfilequery() = default;
  // An existing plain file; a directory does not count.
  virtual bool FileExists(const std::string& path) = 0;
  // Up to maxBytes of an existing file; empty when it cannot be read.
  virtual std::string ReadStart(const std::string& path, std::size_t maxBytes) {
    (void)path, (void)maxBytes;
    return {};
  }
};

// A point over the list and the row under it, in list client coordinates.
// Row is -1 when no row is under the point; a drop below the last row may
// also give the number of rows.
struct trowhit {
  std::int32_t Row = -1;
  std::int32_t Y = 0;
  std::int32_t Top = 0;     // of that row
  std::int32_t Bottom = 0;  // of that row
  // The middle line belongs to the upper half.
  bool LowerHalf() const { return Y - Top > (Bottom - Top) / 2; }
  // Off the upper and lower quarter: onto the row rather than beside it.
  bool Onto() const {
    const std::int32_t quarter = (Bottom - Top) / 4;
    return Y - Top >= quarter && Bottom - Y > quarter;
  }
};

// Where something dropped goes: before row Before of the list as it is, at
// Level. Into is the group it goes into, -1 when it is put between rows.
struct tdropplace {
  bool Allowed = true;
  bool IntoItself = false;  // a group dropped onto itself or into its own entries
  std::int32_t Before = 0;
  std::uint8_t Level = 0;
  std::int32_t Into = -1;
};

// The file-name part (after the last backslash or colon) without its last
// extension; a name whose only dot is its first character gives "".
std::string CaptionFromFileName(const std::string& path);
// From the last dot of the file-name part, dot included; "" without one.
std::string FileExtension(const std::string& path);
// Up to the last backslash, without it, except that a root keeps it.
std::string DirectoryOf(const std::string& path);

// The shortcut a dropped path becomes. Anything that is not an existing
// plain file is taken as a folder; programs get their folder as working
// directory.
std::unique_ptr<tzvshortcut> ShortcutFromDroppedPath(const std::string& path, tdropfilequery& files,
                                                     const std::function<std::int32_t(const std::string&)>& iconIndex);

// Where dropped files start: before the row for its upper half, after it
// for the lower half, at the end below the rows or off them.
std::int32_t DropInsertPosition(const trowhit& hit, std::int32_t rowCount);

// Onto a group's row: into it, at its end. Elsewhere between rows, as
// DropInsertPosition, at the level of the row it then stands before (0 at
// the end). Not allowed into a group at the last level.
tdropplace DropPlace(const tzvshortcutlist& list, const trowhit& hit);

// The place of row source dragged onto hit, with the entries of its group:
// not allowed into itself, nor where an entry would go deeper than 255.
tdropplace DragPlace(const tzvshortcutlist& list, std::int32_t source, const trowhit& hit);

// The final index of row source dragged onto hit, or source itself when
// the list stays as it is. Removing the source shifts the rows below it up.
std::int32_t DragDestination(std::int32_t source, const trowhit& hit, std::int32_t rowCount);

// "shortcut \"Caption\"", "group \"Caption\"" or "separator".
std::string DescribeEntry(const tzvshortcut& entry);
// The status line while entry source is dragged over target (null: no row),
// into it when it is a group the drop goes into.
std::string DragOverText(const tzvshortcut& source, const tzvshortcut* target, bool lowerHalf,
                         bool into = false);

}  // namespace zv
