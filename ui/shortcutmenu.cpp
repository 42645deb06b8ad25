#include "ui/shortcutmenu.h"

namespace zv {

std::vector<tmenuentry> ShortcutMenuEntries(const tzvshortcutlist& list, bool displayHotkeys,
                                            const ticonindexfn& iconIndex,
                                            const thotkeytextfn& hotkeyText,
                                            const tgroupiconfn& groupIcon) {
  std::vector<tmenuentry> entries;
  entries.reserve(static_cast<size_t>(list.Count()));
  std::int32_t groupImage = -2;  // not asked yet
  for (std::int32_t i = 0; i < list.Count(); ++i) {
    const tzvshortcut* s = list.GetItem(i);
    tmenuentry e;
    if (s) e.Level = s->Level;
    if (s && s->IsGroup()) {
      e.Caption = s->Caption;
      e.Group = true;
      e.Tag = i;
      if (!s->Icon.empty()) {
        e.ImageIndex = iconIndex ? iconIndex(s->IconSource()) : -1;
      } else {
        if (groupImage == -2) groupImage = groupIcon ? groupIcon() : -1;
        e.ImageIndex = groupImage;
      }
    } else if (!s || s->ShortcutType == stSeparator) {
      e.Caption = std::string(SeparatorCaption);
      e.Separator = true;
    } else {
      e.Caption = s->Caption;
      if (displayHotkeys && s->Hotkey != 0) {
        e.Hotkey = s->Hotkey;
        if (hotkeyText) e.HotkeyText = hotkeyText(s->Hotkey);
      }
      e.Tag = i;
      // -1 while the index is still being looked up: no icon rather than a
      // wrong one.
      e.ImageIndex = iconIndex ? iconIndex(s->IconSource()) : -1;
    }
    entries.push_back(std::move(e));
  }
  return entries;
}

bool TakeKnownIcon(tmenuentry& entry, const tzvshortcutlist& list, const ticonindexfn& knownIndex) {
  if (entry.Separator || entry.Disabled || entry.ImageIndex >= 0 || !knownIndex) return false;
  const tzvshortcut* s = list.GetItem(entry.Tag);
  // A group without an icon of its own has the folder's, known at once.
  if (!s || s->IsLine() || (s->IsGroup() && s->Icon.empty())) return false;
  const std::int32_t index = knownIndex(s->IconSource());
  if (index < 0) return false;
  entry.ImageIndex = index;
  return true;
}

}  // namespace zv
