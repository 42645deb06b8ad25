#include "model/expandedshortcut.h"

namespace zv {

tzvshortcut ExpandedShortcut(const tzvshortcut& shortcut, tenvironment& environment) {
  tzvshortcut expanded = shortcut;
  expanded.Path = environment.Expand(shortcut.Path);
  expanded.WorkingDir = environment.Expand(shortcut.WorkingDir);
  return expanded;
}

}  // namespace zv
