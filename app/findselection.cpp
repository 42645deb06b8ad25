#include "app/findselection.h"

#include <algorithm>

namespace zv {

namespace {

// A page moves to the row that was last in view, as list boxes page.
int PageStep(int page) { return std::max(1, page - 1); }

int StepOf(tfindmove move, int page) {
  switch (move) {
    case tfindmove::Up: return -1;
    case tfindmove::Down: return 1;
    case tfindmove::PageUp: return -PageStep(page);
    case tfindmove::PageDown: return PageStep(page);
  }
  return 0;
}

}  // namespace

int MoveFindSelection(int selected, int count, int page, tfindmove move) {
  if (count <= 0) return -1;
  // Nothing selected: the first row is where every move begins.
  if (selected < 0 || selected >= count) return 0;
  return std::clamp(selected + StepOf(move, page), 0, count - 1);
}

int FindRowToStart(int selected, int count) {
  if (count <= 0) return -1;
  return selected >= 0 && selected < count ? selected : 0;
}

}  // namespace zv
