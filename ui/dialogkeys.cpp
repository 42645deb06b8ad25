#include "ui/dialogkeys.h"

namespace zv {

tdialogkey OptionsDialogKey(char key) {
  if (key == '\r') return tdialogkey::Confirm;
  if (key == 27) return tdialogkey::Cancel;
  return tdialogkey::PassOn;
}

tdialogkey ShortcutDialogKey(char key, bool hotkeyFocused) {
  if (key == '\r') return hotkeyFocused ? tdialogkey::Swallow : tdialogkey::Confirm;
  if (key == 27) return tdialogkey::Cancel;
  return tdialogkey::PassOn;
}

}  // namespace zv
