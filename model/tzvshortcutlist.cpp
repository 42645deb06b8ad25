#include "model/tzvshortcutlist.h"

#include <new>

namespace zv {

tzvshortcut* tzvshortcutlist::GetItem(std::int32_t index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return items_[static_cast<size_t>(index)].get();
}

bool tzvshortcutlist::HasEqual(const tzvshortcut& item) const {
  for (auto& existing : items_)
    if (existing->IsEqual(&item)) return true;
  return false;
}

std::int32_t tzvshortcutlist::Add(std::unique_ptr<tzvshortcut>& item, bool allowDuplicates) {
  if (!item) return -1;
  if (!allowDuplicates && HasEqual(*item)) return -2;
  std::int32_t index = Count();
  try {
    items_.push_back(std::move(item));
  } catch (const std::bad_alloc&) {
    return -1;
  }
  return index;
}

bool tzvshortcutlist::Insert(std::int32_t index, std::unique_ptr<tzvshortcut>& item,
                             bool allowDuplicates) {
  if (!item || index < 0 || index > Count()) return false;
  if (!allowDuplicates && HasEqual(*item)) return false;
  try {
    items_.insert(items_.begin() + index, std::move(item));
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

void tzvshortcutlist::Move(std::int32_t fromIndex, std::int32_t toIndex) {
  if (items_.empty()) return;
  if (fromIndex >= Count()) fromIndex = Count() - 1;
  if (toIndex >= Count()) toIndex = Count() - 1;
  if (fromIndex < 0 || toIndex < 0 || fromIndex == toIndex) return;
  std::unique_ptr<tzvshortcut> moving = std::move(items_[static_cast<size_t>(fromIndex)]);
  items_.erase(items_.begin() + fromIndex);
  items_.insert(items_.begin() + toIndex, std::move(moving));
}

void tzvshortcutlist::Delete(std::int32_t index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
  GiveBackStorage();
}

void tzvshortcutlist::Clear() {
  std::vector<std::unique_ptr<tzvshortcut>>().swap(items_);
}

void tzvshortcutlist::Assign(const tzvshortcutlist& source) {
  if (&source == this) return;
  Clear();
  items_.reserve(source.items_.size());
  for (auto& entry : source.items_) {
    auto copy = std::make_unique<tzvshortcut>();
    copy->Assign(entry.get());
    Add(copy, true);
  }
}

void tzvshortcutlist::TakeEntriesOf(tzvshortcutlist& source) {
  if (&source == this) return;
  if (items_.empty()) {
    items_.swap(source.items_);
    return;
  }
  items_.reserve(items_.size() + source.items_.size());
  for (auto& entry : source.items_) items_.push_back(std::move(entry));
  source.items_.clear();
}

void tzvshortcutlist::TidySeparators() {
  auto isSeparator = [this](std::int32_t i) { return items_[i]->IsLine(); };
  std::int32_t i = 1;
  while (i < Count()) {
    if (!isSeparator(i - 1) || !isSeparator(i))
      ++i;
    else
      items_.erase(items_.begin() + i);
  }
  if (!items_.empty() && isSeparator(0)) items_.erase(items_.begin());
  if (!items_.empty() && isSeparator(Count() - 1)) items_.pop_back();
  GiveBackStorage();
}

void tzvshortcutlist::FitGroupLevels(std::int32_t from) {
  int open = 0;  // groups open at this point
  for (std::size_t i = from > 0 ? static_cast<std::size_t>(from) : 0; i < items_.size(); ++i) {
    tzvshortcut& s = *items_[i];
    if (s.Level > open) s.Level = static_cast<std::uint8_t>(open);
    open = s.Level + (s.IsGroup() && s.Level < 255 ? 1 : 0);
  }
}

}  // namespace zv
