#pragma once
// Reading the fixed header and the texts of a shell link (.lnk) file, so the
// Send To folder can tell its own links from anything else put there.
#include <cstdint>
#include <string>

namespace zv {

struct tshelllinkfile {
  std::uint32_t ShowCommand = 0;
  // Texts of the link; characters outside ASCII read as '?'.
  std::string Description;
  std::string RelativePath;
  std::string WorkingDirectory;
  std::string Arguments;
  std::string IconLocation;
  std::int32_t IconIndex = 0;
  // A text above held a character outside ASCII (read as '?').
  bool NonAscii = false;
  // The local target from the link's location block: its base path and
  // suffix as stored, in the writer's code page; empty when it has none.
  std::string TargetPath;
};

// False when bytes do not start with a well-formed shell link.
bool ReadShellLinkFile(const std::string& bytes, tshelllinkfile& link);

}  // namespace zv
