#include "editor/statusline.h"

#include <algorithm>

namespace zv {

int StatusLineWidth(int left, int designedWidth, int textWidth, int countLeft, int gap) {
  const int room = countLeft - gap - left;
  return std::max(designedWidth, std::min(textWidth, room));
}

}  // namespace zv
