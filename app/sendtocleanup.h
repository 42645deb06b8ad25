#pragma once
// Taking the program's own links out of the Send To subfolder and its group
// folders, and the folders that this leaves empty.
#include <cstdint>
#include <functional>
#include <string>

#include "core/filesystem.h"
#include "app/shelllinkfile.h"

namespace zv {

// Whether an own link stays; name is its path below the subfolder as the
// file system spells it ("Tools\\Editor.lnk").
using tkeepsendtolink =
    std::function<bool(const std::string& name, const tshelllinkfile& link, std::uint32_t attributes)>;

// Deletes the own links below folder (read-only ones too) that keep does not
// keep, and every folder below it that this leaves empty. A folder that was
// empty already or still holds anything else stays, so nothing the user
// put there goes; folders that are links to elsewhere are not entered.
void RemoveOwnSendToLinks(tfilesystem& files, const std::string& folder, const tkeepsendtolink& keep);

}  // namespace zv
