#include "core/accesskey.h"

namespace zv {

char AccessKeyOf(const std::string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return text[i + 1];
    ++i;
  }
  return 0;
}

}  // namespace zv
