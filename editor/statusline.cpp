#include "editor/statusline.h"

#include <algorithm>

#include "core/dpiscale.h"

namespace zv {

int StatusLineWidth(int left, int designedWidth, int textWidth, int countLeft, int gap, int dpi) {
  if (dpi <= 0 || dpi == DesignDpi) return designedWidth;
  const int room = countLeft - gap - left;
  return std::max(designedWidth, std::min(textWidth, room));
}

}  // namespace zv
