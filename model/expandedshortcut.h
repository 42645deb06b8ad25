#pragma once
// A shortcut as it is used: its %NAME% variables expanded.
#include "core/environment.h"
#include "model/tzvshortcut.h"

namespace zv {

// The shortcut with Path, WorkingDir and Icon expanded; everything else as
// stored.
tzvshortcut ExpandedShortcut(const tzvshortcut& shortcut, tenvironment& environment);

}  // namespace zv
