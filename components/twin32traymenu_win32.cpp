#include "components/tcooltrayicon_win32.h"

namespace zv {

void twin32traymenu::Popup(int x, int y) {
  // Right button too: the menu opens on the right-button press and an item
  // is chosen by releasing it.
  TrackPopupMenu(menu_, TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, window_, nullptr);
}

bool twin32traymenu::ClickDefaultItem() {
  const UINT id = GetMenuDefaultItem(menu_, FALSE, 0);
  if (id == static_cast<UINT>(-1)) return false;
  PostMessageA(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  return true;
}

}  // namespace zv
