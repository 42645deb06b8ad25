#include "core/substringfinder.h"

#include <utility>

namespace zv {

tsubstringfinder::tsubstringfinder(std::string needle) : needle_(std::move(needle)), fallback_(needle_.size(), 0) {
  for (std::size_t i = 1, k = 0; i < needle_.size(); ++i) {
    while (k > 0 && needle_[i] != needle_[k]) k = fallback_[k - 1];
    if (needle_[i] == needle_[k]) ++k;
    fallback_[i] = k;
  }
}

}  // namespace zv
