#pragma once
// What drag and drop in the editor's list works out: captions and types of
// dropped paths, where they go, where a dragged row lands, and the status
// line while it travels.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "model/tzvshortcut.h"

namespace zv {

// The one file-system question a drop asks.
class tdropfilequery {
 public:
  virtual ~tdropfilequery() = default;
  // An existing plain file; a directory does not count.
  virtual bool FileExists(const std::string& path) = 0;
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

// The final index of row source dragged onto hit, or source itself when
// the list stays as it is. Removing the source shifts the rows below it up.
std::int32_t DragDestination(std::int32_t source, const trowhit& hit, std::int32_t rowCount);

// "shortcut \"Caption\"" or "separator".
std::string DescribeEntry(const tzvshortcut& entry);
// The status line while entry source is dragged over target (null: no row).
std::string DragOverText(const tzvshortcut& source, const tzvshortcut* target, bool lowerHalf);

}  // namespace zv
