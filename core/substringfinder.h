#pragma once
// Finding one byte string in many in time linear in their length, however
// repetitive the texts are (Knuth, Morris and Pratt).
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zv {

class tsubstringfinder {
 public:
  // An empty needle is found at offset 0 of every text.
  explicit tsubstringfinder(std::string needle);

  const std::string& Needle() const { return needle_; }
  // Offers accept the offset of each occurrence in text, left to right,
  // until it answers true; answers whether one did.
  template <class Accept>
  bool FindIf(std::string_view text, Accept accept) const;
  bool In(std::string_view text) const {
    return FindIf(text, [](std::size_t) { return true; });
  }

 private:
  std::string needle_;
  // fallback_[k]: the length of the longest proper border of the first k + 1
  // needle bytes.
  std::vector<std::size_t> fallback_;
};

template <class Accept>
bool tsubstringfinder::FindIf(std::string_view text, Accept accept) const {
  const std::size_t m = needle_.size();
  if (m == 0) return accept(std::size_t{0});
  std::size_t k = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    while (k > 0 && text[i] != needle_[k]) k = fallback_[k - 1];
    if (text[i] == needle_[k]) ++k;
    if (k == m) {
      if (accept(i + 1 - m)) return true;
      k = fallback_[k - 1];
    }
  }
  return false;
}

}  // namespace zv
