#include "ui/shortcutmenu.h"

namespace zv {

std::vector<tmenuentry> ShortcutMenuEntries(const tzvshortcutlist& list, bool displayHotkeys,
                                            const ticonindexfn& iconIndex,
                                            const thotkeytextfn& hotkeyText) {
  std::vector<tmenuentry> entries;
  entries.reserve(static_cast<size_t>(list.Count()));
  for (std::int32_t i = 0; i < list.Count(); ++i) {
    const tzvshortcut* s = list.GetItem(i);
    tmenuentry e;
    if (!s || s->ShortcutType == stSeparator) {
      e.Caption = std::string(SeparatorCaption);
      e.Separator = true;
    } else {
      e.Caption = s->Caption;
      if (displayHotkeys && s->Hotkey != 0) {
        e.Hotkey = s->Hotkey;
        if (hotkeyText) e.HotkeyText = hotkeyText(s->Hotkey);
      }
      e.Tag = i;
      // Looked up afresh on every rebuild, so a new icon size shows at once.
      e.ImageIndex = iconIndex ? iconIndex(s->Path) : -1;
    }
    entries.push_back(std::move(e));
  }
  return entries;
}

}  // namespace zv
