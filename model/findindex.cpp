#include "model/findindex.h"

#include <algorithm>

namespace zv {

namespace {

tsearchtext Searchable(std::string_view text, const tcodepage& page) {
  // No character takes more than four bytes, so the cut leaves at least
  // MaxSearchedChars whole ones before any it damages.
  return SearchText(page.ToUtf8(text.substr(0, MaxSearchedChars * 4)), MaxSearchedChars);
}

// The group that holds an entry of level, given the groups still open by
// level; fitted lists always have one, others get the deepest open.
std::int32_t HoldingGroup(const std::vector<std::int32_t>& open, std::uint8_t level) {
  if (level == 0 || open.empty()) return -1;
  return open[std::min<std::size_t>(level, open.size()) - 1];
}

}  // namespace

std::string_view FileNameOfPath(std::string_view path) {
  std::size_t end = path.find_last_not_of("\\/");
  if (end == std::string_view::npos) return {};
  path = path.substr(0, end + 1);
  std::size_t cut = path.find_last_of("\\/");
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string GroupPathSeparator(const tcodepage& page) {
  std::string out;
  return page.FromUtf8(" \xE2\x80\xBA ", out) ? out : std::string(" > ");
}

void tfindindex::Build(const tzvshortcutlist& list, const tcodepage& page) {
  page_ = &page;
  separator_ = GroupPathSeparator(page);
  entries_.clear();
  groups_.clear();
  slotOf_.assign(static_cast<std::size_t>(list.Count()), -1);
  std::vector<std::int32_t> open;  // open[level]: the group at that level
  for (std::int32_t i = 0; i < list.Count(); ++i) {
    const tzvshortcut& s = *list.GetItem(i);
    const std::int32_t holder = HoldingGroup(open, s.Level);
    if (s.IsGroup()) {
      open.resize(std::min<std::size_t>(s.Level, open.size()));
      open.push_back(static_cast<std::int32_t>(groups_.size()));
      groups_.push_back({s.Caption, Searchable(s.Caption, page).Text, holder});
    } else if (s.ShortcutType != stSeparator) {
      slotOf_[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(entries_.size());
      entries_.push_back({i, s.Caption, s.Hotkey, holder, Searchable(s.Caption, page),
                          Searchable(FileNameOfPath(s.Path), page).Text});
    }
  }
}

const tfindentry* tfindindex::EntryAt(std::int32_t listIndex) const {
  if (listIndex < 0 || static_cast<std::size_t>(listIndex) >= slotOf_.size()) return nullptr;
  const std::int32_t slot = slotOf_[static_cast<std::size_t>(listIndex)];
  return slot < 0 ? nullptr : &entries_[static_cast<std::size_t>(slot)];
}

tfindrow tfindindex::Row(const tfindentry& entry) const {
  std::vector<std::int32_t> chain;  // innermost first
  for (std::int32_t g = entry.Group; g >= 0; g = groups_[static_cast<std::size_t>(g)].Parent) chain.push_back(g);
  tfindrow row{entry.Caption, std::string(), entry.Hotkey};
  for (auto g = chain.rbegin(); g != chain.rend(); ++g) {
    if (g != chain.rbegin()) row.GroupPath += separator_;
    row.GroupPath += groups_[static_cast<std::size_t>(*g)].Caption;
  }
  return row;
}

std::string tfindindex::Name(const tfindentry& entry, std::string_view hotkeyText) const {
  std::string path;
  for (std::int32_t g = entry.Group; g >= 0; g = groups_[static_cast<std::size_t>(g)].Parent) {
    const std::string& caption = groups_[static_cast<std::size_t>(g)].Caption;
    if (!path.empty() && path.size() + separator_.size() + caption.size() > MaxSearchedChars) break;
    path = path.empty() ? caption : caption + separator_ + path;
  }
  std::string name = entry.Caption;
  if (!path.empty()) name += ", " + path;
  if (!hotkeyText.empty()) name.append(", ").append(hotkeyText);
  return name;
}

}  // namespace zv
