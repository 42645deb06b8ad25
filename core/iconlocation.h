#pragma once
// Icons as shell links name them: "C:\Tools\app.exe,2" is the third icon of
// that file, "C:\Tools\app.exe,-101" the icon of resource 101 in it, and a
// file without an index its first icon. An entry with an icon of its own is
// looked up by a source that carries the icon and its path, so that an
// icon that cannot be loaded falls back to the path's own.
#include <cstddef>
#include <string>
#include <string_view>

namespace zv {

struct ticonlocation {
  std::string File;
  int Index = 0;
};

// Longer icon files are refused: no file name of the system is longer.
inline constexpr std::size_t MaxIconFileChars = 1024;

// False for an empty file, control characters, a longer file or an index
// out of range. Quotes around the file and blanks around both parts go.
bool ParseIconLocation(std::string_view text, ticonlocation& out);
// "file,index" as ParseIconLocation reads it back.
std::string IconLocationText(const ticonlocation& location);

// What an entry's picture is looked up by: the path alone, or with an icon
// of its own the icon first and the path to fall back on.
std::string IconSourceText(std::string_view icon, std::string_view path);
// The parts of a source with an icon; false for a path alone.
bool SplitIconSource(std::string_view source, std::string& icon, std::string& path);

// The program a registered command line starts: its first word, or the
// quoted text it begins with.
std::string ProgramOfCommand(std::string_view command);

}  // namespace zv
