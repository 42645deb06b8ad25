#pragma once
// Where the items of a list-ordered menu go when groups open submenus: an
// entry sits in the nearest group before it one level up, or at the top.
#include <cstdint>
#include <vector>

#include "ui/menuentry.h"

namespace zv {

// The top level, as a parent.
inline constexpr std::int32_t MenuTopLevel = -1;

struct tmenutree {
  // Per entry: the index of the group it sits in, or MenuTopLevel.
  std::vector<std::int32_t> Parent;
  // Per entry: its position among its parent's items.
  std::vector<std::int32_t> Place;
  // Per entry: how many items it holds (groups only; 0 for the rest).
  std::vector<std::int32_t> Items;
};

// A level deeper than the groups open before it puts the entry in the
// deepest of them; separators sit in a group as any entry does.
tmenutree MenuTree(const std::vector<tmenuentry>& entries);

}  // namespace zv
