#include "ui/menutree.h"

namespace zv {

tmenutree MenuTree(const std::vector<tmenuentry>& entries) {
  tmenutree tree;
  tree.Parent.reserve(entries.size());
  tree.Place.reserve(entries.size());
  tree.Items.assign(entries.size(), 0);
  std::int32_t topItems = 0;
  std::vector<std::int32_t> open;  // the groups open at this point, outermost first
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const tmenuentry& e = entries[i];
    while (open.size() > e.Level) open.pop_back();
    const std::int32_t parent = open.empty() ? MenuTopLevel : open.back();
    std::int32_t& count = parent == MenuTopLevel ? topItems : tree.Items[static_cast<std::size_t>(parent)];
    tree.Parent.push_back(parent);
    tree.Place.push_back(count++);
    if (e.Group && !e.Separator) open.push_back(static_cast<std::int32_t>(i));
  }
  return tree;
}

}  // namespace zv
