#pragma once
// What the shortcut menu holds: one item per shortcut, in list order, so the
// item at position i is the shortcut at index i and the hotkey with the
// identifier i. A group's item opens the entries inside it as a submenu.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/tzvshortcutlist.h"
#include "ui/menuentry.h"

namespace zv {

// The system image list's icon index of a path.
using ticonindexfn = std::function<std::int32_t(const std::string& source)>;
// The display text of a hotkey value (modifier names, then the key name).
using thotkeytextfn = std::function<std::string(std::uint16_t hotkey)>;
// The icon index groups show; asked once, and only for a list with groups.
using tgroupiconfn = std::function<std::int32_t()>;

std::vector<tmenuentry> ShortcutMenuEntries(const tzvshortcutlist& list, bool displayHotkeys,
                                            const ticonindexfn& iconIndex,
                                            const thotkeytextfn& hotkeyText,
                                            const tgroupiconfn& groupIcon = {});

// An entry built while its icon was not known yet (ImageIndex -1) takes the
// index now known for its shortcut's path; true when it changed. Separators,
// groups and entries that have their icon stay as they are.
bool TakeKnownIcon(tmenuentry& entry, const tzvshortcutlist& list, const ticonindexfn& knownIndex);

}  // namespace zv
