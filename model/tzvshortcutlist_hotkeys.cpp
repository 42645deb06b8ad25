#include "model/tzvshortcutlist.h"

#include <vector>

#include "model/hotkeytable.h"
#include "model/hotkeyvalue.h"

namespace zv {

namespace {

// Resolution candidates for one key: k = 2 to 7 with bit 0 Shift, bit 1 Alt
// and bit 2 Ctrl, so Alt; Shift+Alt; Ctrl; Shift+Ctrl; Ctrl+Alt; all three.
std::uint16_t Candidate(std::uint16_t key, int k) {
  std::uint16_t c = key;
  if (k & 1) c |= hkShift;
  if (k & 2) c |= hkAlt;
  if (k & 4) c |= hkCtrl;
  return c;
}

}  // namespace

std::int32_t tzvshortcutlist::CheckHotkeys(thotkeytable& window, bool resolve) {
  // A set flag means the value is no longer available to later entries.
  std::vector<bool> taken(0x10000, false);
  // How many entries not yet checked carry each value as their own hotkey.
  // Resolving leaves those values alone: the first entry that uses a hotkey
  // keeps it, and moving a clash onto a later entry's hotkey would only push
  // that entry off a hotkey nobody else had.
  std::vector<std::int32_t> ownedLater(resolve ? 0x10000 : 0, 0);
  if (resolve)
    for (auto& item : items_) ++ownedLater[item->Hotkey];
  std::int32_t result = 0;
  for (auto& item : items_) {
    std::uint16_t h = item->Hotkey;
    if (resolve) --ownedLater[h];
    if (h == 0) {
      item->HotkeyStatus = hsNone;
      continue;
    }
    if (!taken[h] && CanRegisterHotkey(window, h)) {
      taken[h] = true;
      item->HotkeyStatus = hsNone;
      continue;
    }
    if (!resolve) {
      taken[h] = true;
      item->HotkeyStatus = hsInvalid;
      result = -1;
      continue;
    }
    bool moved = false;
    std::uint16_t key = h & hkKeyMask;
    // A value without a usable key has no candidates: moving it would turn
    // the key into something else or, for codes of 256 and up, into 0 and
    // silently drop the hotkey.
    if (HotkeyHasUsableKey(key)) {
      for (int k = 2; k <= 7 && !moved; ++k) {
        std::uint16_t c = Candidate(key, k);
        if (!taken[c] && ownedLater[c] == 0 && !CanRegisterHotkey(window, c)) taken[c] = true;
        if (taken[c] || ownedLater[c] > 0) continue;
        item->Hotkey = c;
        item->HotkeyStatus = hsNone;
        taken[c] = true;
        if (result != -1) result = 1;
        moved = true;
      }
    }
    if (!moved) {
      item->HotkeyStatus = hsInvalid;
      result = -1;
    }
  }
  return result;
}

std::int32_t tzvshortcutlist::RegisterHotkeys(thotkeytable& window) {
  std::int32_t failures = 0;
  for (std::int32_t i = 0; i < Count(); ++i) {
    tzvshortcut& item = *items_[static_cast<size_t>(i)];
    if (item.Hotkey == 0) continue;
    // A key code no keyboard sends would be held but never fire, and a
    // position from FirstReservedHotkeyId on has no identifier of its own; both count
    // as failed so that the user gets to see them.
    bool ok = HotkeyHasUsableKey(item.Hotkey) && i < FirstReservedHotkeyId;
    if (ok) {
      thotkeyregistration r = HotkeyToRegistration(item.Hotkey);
      ok = window.Register(i, r.Modifiers, r.VirtualKey);
    }
    item.HotkeyStatus = ok ? hsRegistered : hsFailed;
    if (!ok) ++failures;
  }
  return failures;
}

void tzvshortcutlist::UnregisterHotkeys(thotkeytable& window) {
  for (std::int32_t i = 0; i < Count(); ++i) {
    tzvshortcut& item = *items_[static_cast<size_t>(i)];
    if (item.HotkeyStatus != hsRegistered) continue;
    window.Unregister(i);
    item.HotkeyStatus = hsNone;
  }
}

}  // namespace zv
