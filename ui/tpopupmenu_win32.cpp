#include "ui/tpopupmenu.h"

#include "platform/win32text.h"
#include "toolkit/colourmode.h"
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

ULONG_PTR tpopupmenu::ItemData(int position) const {
  return position >= 0 && position < Count() ? reinterpret_cast<ULONG_PTR>(data_[static_cast<size_t>(position)].get())
                                             : 0;
}

const tmenuentry* tpopupmenu::EntryOfCommand(UINT command) const {
  const tmenuentry* e = Entry(MenuPositionOfCommand(command));
  return e && !e->Separator && !e->Group && !e->Disabled ? e : nullptr;
}

const std::vector<const tmenuentry*>* tpopupmenu::ItemsOf(HMENU menu) const {
  if (!menu) return nullptr;
  for (const tsubmenu& m : menus_)
    if (m.Handle == menu) return &m.Items;
  return nullptr;
}

HMENU tpopupmenu::SubmenuOf(int position) const {
  if (position < 0 || static_cast<std::size_t>(position) >= submenuOf_.size()) return nullptr;
  const std::size_t m = submenuOf_[static_cast<std::size_t>(position)];
  return m > 0 && m < menus_.size() ? menus_[m].Handle : nullptr;
}

std::vector<HMENU> tpopupmenu::Menus() const {
  std::vector<HMENU> all;
  for (const tsubmenu& m : menus_) all.push_back(m.Handle);
  return all;
}

void tpopupmenu::RemoveItems() const {
  if (menu_)
    for (int i = GetMenuItemCount(menu_) - 1; i >= 0; --i) DeleteMenu(menu_, static_cast<UINT>(i), MF_BYPOSITION);
  menus_.clear();
  submenuOf_.clear();
}

void tpopupmenu::Clear() {
  sizes_.clear();
  RemoveItems();
  entries_.clear();
  data_.clear();
  entryCount_ = 0;
  parents_.clear();
  positions_.clear();
}

bool tpopupmenu::Rebuild(std::vector<tmenuentry> entries) {
  Clear();
  if (!menu_) return false;
  const tmenutree tree = MenuTree(entries);
  parents_ = tree.Parent;
  entryCount_ = static_cast<int>(entries.size());
  for (tmenuentry& e : entries) entries_.push_back(std::make_unique<tmenuentry>(std::move(e)));
  for (int i = 0; i < entryCount_; ++i) {
    if (!entries_[static_cast<size_t>(i)]->Group || tree.Items[static_cast<size_t>(i)] > 0) continue;
    auto empty = std::make_unique<tmenuentry>();
    empty->Caption = EmptyGroupCaption;
    empty->Disabled = true;
    entries_.push_back(std::move(empty));
    parents_.push_back(i);
  }
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    auto data = std::make_unique<titemdata>();
    data->Name = WideFromProcess(entries_[i]->AccessibleName());
    data->Msaa.dwMSAASignature = static_cast<DWORD>(MSAA_MENU_SIG);
    data->Msaa.cchWText = static_cast<DWORD>(data->Name.size());
    data->Msaa.pszWText = data->Name.empty() ? nullptr : data->Name.data();
    positions_[reinterpret_cast<ULONG_PTR>(data.get())] = i;
    data_.push_back(std::move(data));
  }
  return Build();
}

bool tpopupmenu::Build() const {
  menus_.assign(1, tsubmenu{menu_, {}});
  submenuOf_.assign(entries_.size(), 0);
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const std::int32_t parent = parents_[i];
    // A group comes before what it holds, so its submenu is there.
    tsubmenu& into = menus_[parent == MenuTopLevel ? 0 : submenuOf_[static_cast<size_t>(parent)]];
    HMENU submenu = entries_[i]->Group ? CreatePopupMenu() : nullptr;
    if (entries_[i]->Group && !submenu) return false;
    if (!Insert(into, i, submenu)) {
      if (submenu) DestroyMenu(submenu);
      return false;
    }
    if (submenu) {
      submenuOf_[i] = menus_.size();
      menus_.push_back(tsubmenu{submenu, {}});
    }
  }
  return true;
}

bool tpopupmenu::TakeKnownIcons(const tzvshortcutlist& list, const ticonindexfn& knownIndex) {
  bool changed = false;
  for (auto& e : entries_) changed = TakeKnownIcon(*e, list, knownIndex) || changed;
  return changed;
}

bool tpopupmenu::Insert(tsubmenu& into, std::size_t index, HMENU submenu) const {
  const tmenuentry* entry = entries_[index].get();
  UINT flags = MF_BYPOSITION | MF_OWNERDRAW;
  if (entry->Separator) flags |= MF_SEPARATOR;
  if (entry->Disabled) flags |= MF_GRAYED;
  if (submenu) flags |= MF_POPUP;
  const UINT_PTR id = submenu ? reinterpret_cast<UINT_PTR>(submenu)
                              : MenuCommandOfPosition(static_cast<std::int32_t>(index));
  // Owner-drawn: the system never reads the item data as text.
  if (!InsertMenuA(into.Handle, static_cast<UINT>(into.Items.size()), flags, id,
                   reinterpret_cast<LPCSTR>(data_[index].get())))
    return false;
  into.Items.push_back(entry);
  return true;
}

void tpopupmenu::UseDpi(int dpi) const {
  if (dpi <= 0 || dpi == painter_.Dpi()) return;
  painter_.SetDpi(dpi);
  if (OnDpiChange) OnDpiChange(dpi);
  // The system keeps the size an item was measured at: new items are
  // measured afresh.
  if (!menu_) return;
  RemoveItems();
  Build();
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
  if (dis.CtlType != ODT_MENU || !ItemsOf(reinterpret_cast<HMENU>(dis.hwndItem))) return false;
  const tmenuentry* e = Find(dis.itemData);
  if (!e) return false;
  painter_.DrawItem(*e, dis);
  return true;
}

void tpopupmenu::ApplyBackground() const {
  // The menu's own frame and free space behind the items, in the palette's
  // background; a menu never shown dark keeps the system's untouched.
  const tpalette& p = CurrentPalette();
  const bool light = p.Mode == tcolourmode::Light;
  if (light && !paletteBackground_) return;
  MENUINFO mi = {};
  mi.cbSize = sizeof(mi);
  mi.fMask = MIM_BACKGROUND | MIM_APPLYTOSUBMENUS;
  mi.hbrBack = light ? nullptr : PaletteBrush(p.MenuBackground);
  SetMenuInfo(menu_, &mi);
  paletteBackground_ = !light;
}

const tmenuentry* tpopupmenu::Popup(HWND owner, int x, int y) const {
  if (!menu_ || entries_.empty()) return nullptr;
  UseDpi(DpiAtPoint(POINT{x, y}));
  ApplyBackground();
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
                         const thotkeytextfn& hotkeyText, const tgroupiconfn& groupIcon) {
  return shortcutsmenu.Rebuild(ShortcutMenuEntries(list, displayHotkeys, iconIndex, hotkeyText, groupIcon));
}

}  // namespace zv
