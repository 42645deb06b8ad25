#include "model/tzvshortcut.h"

#include "core/iconlocation.h"
#include "core/textutil.h"

namespace zv {

bool tzvshortcut::IsEqual(const tzvshortcut* other) const {
  if (ShortcutType == stSeparator || other == nullptr) return false;
  return SameTextAscii(Caption, other->Caption) && ShortcutType == other->ShortcutType &&
         ViewStyle == other->ViewStyle && SameTextAscii(Path, other->Path) &&
         Parameters == other->Parameters && SameTextAscii(WorkingDir, other->WorkingDir) &&
         FullExplorer == other->FullExplorer && Hotkey == other->Hotkey && SameTextAscii(Icon, other->Icon);
}

std::string tzvshortcut::IconSource() const { return IconSourceText(Icon, IsGroup() ? std::string() : Path); }

void tzvshortcut::Assign(const tzvshortcut* source) {
  if (source == nullptr || source == this) return;
  *this = *source;
}

}  // namespace zv
