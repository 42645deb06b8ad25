#include "ui/tpopupmenu.h"

#include "toolkit/dpi.h"

namespace zv {

tpopupmenu::tpopupmenu(tmenupainter& painter, tmenubuttons buttons)
    : painter_(painter), buttons_(buttons), menu_(CreatePopupMenu()) {}

tpopupmenu::~tpopupmenu() {
  if (menu_) DestroyMenu(menu_);
}

const tmenuentry* tpopupmenu::Entry(int position) const {
  return position >= 0 && position < Count() ? entries_[static_cast<size_t>(position)].get() : nullptr;
}

const tmenuentry* tpopupmenu::EntryOfCommand(UINT command) const {
  const tmenuentry* e = Entry(MenuPositionOfCommand(command));
  return e && !e->Separator ? e : nullptr;
}

void tpopupmenu::Clear() {
  sizes_.clear();
  if (menu_)
    for (int i = GetMenuItemCount(menu_) - 1; i >= 0; --i) DeleteMenu(menu_, static_cast<UINT>(i), MF_BYPOSITION);
  entries_.clear();
  positions_.clear();
}

bool tpopupmenu::Rebuild(std::vector<tmenuentry> entries) {
  Clear();
  if (!menu_) return false;
  for (tmenuentry& e : entries) {
    auto owned = std::make_unique<tmenuentry>(std::move(e));
    if (!Insert(static_cast<UINT>(entries_.size()), owned.get())) return false;
    positions_[reinterpret_cast<ULONG_PTR>(owned.get())] = entries_.size();
    entries_.push_back(std::move(owned));
  }
  return true;
}

bool tpopupmenu::TakeKnownIcons(const tzvshortcutlist& list, const ticonindexfn& knownIndex) {
  bool changed = false;
  for (auto& e : entries_) changed = TakeKnownIcon(*e, list, knownIndex) || changed;
  return changed;
}

bool tpopupmenu::Insert(UINT position, const tmenuentry* entry) const {
  const UINT flags = MF_BYPOSITION | MF_OWNERDRAW | (entry->Separator ? MF_SEPARATOR : 0);
  // The item data is the entry itself; the menu never reads it as text.
  return InsertMenuA(menu_, position, flags, MenuCommandOfPosition(static_cast<std::int32_t>(position)),
                     reinterpret_cast<LPCSTR>(entry)) != FALSE;
}

void tpopupmenu::UseDpi(int dpi) const {
  if (dpi <= 0 || dpi == painter_.Dpi()) return;
  painter_.SetDpi(dpi);
  if (OnDpiChange) OnDpiChange(dpi);
  // The system keeps the size an item was measured at: new items are
  // measured afresh.
  if (!menu_) return;
  for (int i = GetMenuItemCount(menu_) - 1; i >= 0; --i) DeleteMenu(menu_, static_cast<UINT>(i), MF_BYPOSITION);
  for (std::size_t i = 0; i < entries_.size(); ++i) Insert(static_cast<UINT>(i), entries_[i].get());
}

const tmenuentry* tpopupmenu::Find(ULONG_PTR data) const {
  // Compared by value only: data of other menus' items is never followed.
  const auto it = positions_.find(data);
  return it == positions_.end() ? nullptr : entries_[it->second].get();
}

namespace {

bool SameLook(const tmenustyle& a, const tmenustyle& b) {
  return a.IconWidth == b.IconWidth && a.IconHeight == b.IconHeight && a.Dpi == b.Dpi;
}

}  // namespace

bool tpopupmenu::MeasureItem(MEASUREITEMSTRUCT& mis) const {
  if (mis.CtlType != ODT_MENU) return false;
  const auto it = positions_.find(mis.itemData);
  if (it == positions_.end()) return false;
  const tmenustyle style = painter_.Style();
  if (sizes_.size() != entries_.size() || !SameLook(style, sizesStyle_)) {
    sizes_.assign(entries_.size(), tmenuitemsize{});
    sizesStyle_ = style;
  }
  tmenuitemsize& size = sizes_[it->second];
  if (size.Height == 0) {
    painter_.MeasureItem(*entries_[it->second], mis);
    size.Width = static_cast<int>(mis.itemWidth);
    size.Height = static_cast<int>(mis.itemHeight);
  }
  mis.itemWidth = static_cast<UINT>(size.Width);
  mis.itemHeight = static_cast<UINT>(size.Height);
  return true;
}

void tpopupmenu::MeasureAll() const {
  std::vector<const tmenuentry*> all;
  all.reserve(entries_.size());
  for (const auto& e : entries_) all.push_back(e.get());
  sizes_ = painter_.MeasureItems(all);
  sizesStyle_ = painter_.Style();
}

bool tpopupmenu::DrawItem(const DRAWITEMSTRUCT& dis) const {
  if (dis.CtlType != ODT_MENU || reinterpret_cast<HMENU>(dis.hwndItem) != menu_) return false;
  const tmenuentry* e = Find(dis.itemData);
  if (!e) return false;
  painter_.DrawItem(*e, dis);
  return true;
}

const tmenuentry* tpopupmenu::Popup(HWND owner, int x, int y) const {
  if (!menu_ || entries_.empty()) return nullptr;
  UseDpi(DpiAtPoint(POINT{x, y}));
  SetForegroundWindow(owner);
  const UINT button = buttons_ == tmenubuttons::Left ? TPM_LEFTBUTTON : TPM_RIGHTBUTTON;
  const UINT command = static_cast<UINT>(
      TrackPopupMenu(menu_, TPM_LEFTALIGN | TPM_TOPALIGN | button | TPM_RETURNCMD, x, y, 0, owner, nullptr));
  // Lets the menu close properly when the user clicks outside it.
  PostMessageA(owner, WM_NULL, 0, 0);
  return EntryOfCommand(command);
}

bool RebuildShortcutMenu(tpopupmenu& shortcutsmenu, const tzvshortcutlist& list,
                         bool displayHotkeys, const ticonindexfn& iconIndex,
                         const thotkeytextfn& hotkeyText) {
  return shortcutsmenu.Rebuild(ShortcutMenuEntries(list, displayHotkeys, iconIndex, hotkeyText));
}

}  // namespace zv
