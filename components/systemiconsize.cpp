#include "components/systemiconsize.h"

namespace zv {

int ChooseSystemList(int wanted, const std::vector<int>& sizes) {
  int larger = -1, largest = -1;
  for (int i = 0; i < static_cast<int>(sizes.size()); ++i) {
    const int s = sizes[static_cast<std::size_t>(i)];
    if (s <= 0) continue;
    if (s == wanted) return i;
    if (s > wanted && (larger < 0 || s < sizes[static_cast<std::size_t>(larger)])) larger = i;
    if (largest < 0 || s > sizes[static_cast<std::size_t>(largest)]) largest = i;
  }
  return larger >= 0 ? larger : largest;
}

}  // namespace zv
