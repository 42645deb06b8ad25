#include "ui/iconpictures_win32.h"

namespace zv {

HICON ticonpictures::Get(const void* list, int index, const std::function<HICON()>& make) {
  const auto key = std::make_pair(list, index);
  const auto found = icons_.find(key);
  if (found != icons_.end()) return found->second;
  HICON icon = make();
  if (!icon) return nullptr;
  if (icons_.size() >= MaxKept) Clear();
  icons_.emplace(key, icon);
  return icon;
}

void ticonpictures::Clear() {
  for (const auto& kept : icons_) DestroyIcon(kept.second);
  icons_.clear();
}

}  // namespace zv
