#pragma once
// Which links the Send To subfolder should hold, and whether a link already
// there holds it, so a rebuild writes only what changed.
#include <cstdint>
#include <string>
#include <vector>

#include "core/environment.h"
#include "core/shell.h"
#include "app/shelllinkfile.h"
#include "model/tzvshortcutlist.h"

namespace zv {

struct tsendtolink {
  std::string Name;  // path below the subfolder: "Tools\\Remote\\Server.lnk"
  tshelllink Link;
};

// One link per application and folder shortcut, in list order; of two
// shortcuts with the same file name only the later one's link is kept. The
// links of a group's entries stand in a folder named after it, nested as the
// groups are; a group without any gets no folder, since an empty submenu in
// Send To would only be in the way. With an environment, Path and WorkingDir
// are expanded.
std::vector<tsendtolink> WantedSendToLinks(const tzvshortcutlist& list, const std::string& description,
                                           tenvironment* environment = nullptr);

// An own link already there (its file attributes beside it) holds exactly
// what wanted would write. Anything not told for sure (texts outside ASCII,
// a target without a local path, a read-only, hidden or system file) counts
// as different, and the link is written again.
bool SendToLinkIsCurrent(const tshelllinkfile& existing, std::uint32_t attributes, const tshelllink& wanted);

}  // namespace zv
