#include "model/progressgauge.h"

namespace zv {

bool tprogressgauge::SetMaximum(std::int32_t maximum) {
  if (maximum < min_) return false;
  max_ = maximum;
  if (progress_ > max_) progress_ = max_;
  return true;
}

bool tprogressgauge::SetProgress(std::int32_t progress) {
  if (progress < min_) progress = min_;
  if (progress > max_) progress = max_;
  const int before = Percent();
  progress_ = progress;
  return Percent() != before;
}

int tprogressgauge::Percent() const {
  if (max_ == min_) return 0;
  // 64 bits: ranges near the 32-bit limits must not overflow.
  return static_cast<int>((static_cast<std::int64_t>(progress_) - min_) * 100 /
                          (static_cast<std::int64_t>(max_) - min_));
}

}  // namespace zv
