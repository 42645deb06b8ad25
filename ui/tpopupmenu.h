#pragma once
// Win32 layer: a pop-up menu of owner-drawn items, groups opening theirs as
// submenus. It owns the menu handles and the items' data; the owner window
// forwards WM_MEASUREITEM and WM_DRAWITEM, and the menu answers for the
// items that are its own.
#include <windows.h>
#include <oleacc.h>

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/menutree.h"
#include "ui/shortcutmenu.h"
#include "ui/tmenupainter.h"

namespace zv {

// The mouse buttons that choose an item: the left one only, or either.
enum class tmenubuttons { Left, LeftAndRight };

class tpopupmenu {
 public:
  explicit tpopupmenu(tmenupainter& painter, tmenubuttons buttons = tmenubuttons::Left);
  ~tpopupmenu();
  tpopupmenu(const tpopupmenu&) = delete;
  tpopupmenu& operator=(const tpopupmenu&) = delete;

  // The top level.
  HMENU Handle() const { return menu_; }
  // The entries, in the order given, at every level; an empty group's
  // "(Empty)" item is not among them.
  int Count() const { return entryCount_; }
  const tmenuentry* Entry(int position) const;
  // The data of the entry's item, as the system hands it to WM_MEASUREITEM
  // and WM_DRAWITEM; 0 off the entries.
  ULONG_PTR ItemData(int position) const;
  // The items of menu (the top level or a submenu), in order; null for a
  // menu that is not this one's.
  const std::vector<const tmenuentry*>* ItemsOf(HMENU menu) const;
  // The submenu a group's entry opens; null for other entries.
  HMENU SubmenuOf(int position) const;
  // The top level and every submenu.
  std::vector<HMENU> Menus() const;
  // The entry a command identifier stands for; null for 0 (cancelled) and
  // for identifiers that are not this menu's.
  const tmenuentry* EntryOfCommand(UINT command) const;

  // Replaces every item. Entry i gets the identifier MenuCommandOfPosition(i)
  // and goes where MenuTree puts it; separators are owner-drawn separators,
  // and an empty group holds one disabled "(Empty)" item. False when the
  // system refused an item; the menu then holds the items up to it.
  bool Rebuild(std::vector<tmenuentry> entries);

  // Gives entries still without their icon the ones now known; true when
  // any changed. The items keep their places and sizes.
  bool TakeKnownIcons(const tzvshortcutlist& list, const ticonindexfn& knownIndex);

  // True when the item was this menu's and has been measured or drawn. An
  // item is measured once for its look (icon size, DPI) and answered from
  // then on from what was found.
  bool MeasureItem(MEASUREITEMSTRUCT& mis) const;
  // Measures every item now (with one device context), so the menu's first
  // pop-up finds them measured.
  void MeasureAll() const;
  bool DrawItem(const DRAWITEMSTRUCT& dis) const;

  // Pops the menu up at (x, y) for the owner and answers the chosen entry,
  // null when none was chosen. The owner comes to the foreground first, so
  // the menu closes on a click elsewhere. On a monitor of another DPI than
  // the last one the items are measured again for it.
  const tmenuentry* Popup(HWND owner, int x, int y) const;
  // The menu's background in the colour mode, before it is shown.
  void ApplyBackground() const;
  // Lays the items out for a DPI; OnDpiChange runs first, when it changes.
  void UseDpi(int dpi) const;
  std::function<void(int dpi)> OnDpiChange;

 private:
  mutable bool paletteBackground_ = false;
  struct tsubmenu {
    HMENU Handle = nullptr;
    std::vector<const tmenuentry*> Items;
  };
  // What an item's data points at: screen readers read the item's name from
  // the MSAAMENUINFO at its start, as for every owner-drawn menu item.
  struct titemdata {
    MSAAMENUINFO Msaa;
    std::wstring Name;
  };
  const tmenuentry* Find(ULONG_PTR data) const;
  void Clear();
  // Empties the menus, the submenus going with their items.
  void RemoveItems() const;
  // Makes the menus from entries_; entryCount_ of them are the caller's.
  bool Build() const;
  bool Insert(tsubmenu& into, std::size_t index, HMENU submenu) const;
  tmenupainter& painter_;
  const tmenubuttons buttons_;
  HMENU menu_;
  // The caller's entries, then one "(Empty)" item per empty group.
  std::vector<std::unique_ptr<tmenuentry>> entries_;
  // Per entry, at a fixed place for the item data to point at.
  std::vector<std::unique_ptr<titemdata>> data_;
  int entryCount_ = 0;
  // Per entry: the index of the group it sits in, or MenuTopLevel.
  std::vector<std::int32_t> parents_;
  // Item data to index in entries_: the system asks per item, and a long
  // menu must not be searched through for each.
  std::unordered_map<ULONG_PTR, std::size_t> positions_;
  // The top level first; made anew with the items.
  mutable std::vector<tsubmenu> menus_;
  // Per entry: the index in menus_ of the submenu it opens, 0 for none.
  mutable std::vector<std::size_t> submenuOf_;
  // The items' sizes, by position, for the look they were measured for;
  // Height 0: not measured yet.
  mutable std::vector<tmenuitemsize> sizes_;
  mutable tmenustyle sizesStyle_;
};

// The shortcut menu from the list: item i is the shortcut at index i.
bool RebuildShortcutMenu(tpopupmenu& shortcutsmenu, const tzvshortcutlist& list,
                         bool displayHotkeys, const ticonindexfn& iconIndex,
                         const thotkeytextfn& hotkeyText, const tgroupiconfn& groupIcon = {});

}  // namespace zv
