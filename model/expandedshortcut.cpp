#include "model/expandedshortcut.h"

namespace zv {

tzvshortcut ExpandedShortcut(const tzvshortcut& shortcut, tenvironment& environment) {
  tzvshortcut expanded = shortcut;
  expanded.Path = environment.Expand(shortcut.Path);
  expanded.WorkingDir = environment.Expand(shortcut.WorkingDir);
  expanded.Icon = environment.Expand(shortcut.Icon);
  return expanded;
}

}  // namespace zv
