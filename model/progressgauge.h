#pragma once
// The arithmetic of the progress gauge: a whole percentage of the range,
// progress clamped into it, and a maximum below the minimum refused.
#include <cstdint>

namespace zv {

class tprogressgauge {
 public:
  std::int32_t Maximum() const { return max_; }
  std::int32_t Progress() const { return progress_; }
  // False, and nothing changed, when the maximum would lie below the minimum.
  bool SetMaximum(std::int32_t maximum);
  // True when the shown percentage changed, so the gauge must repaint.
  bool SetProgress(std::int32_t progress);
  int Percent() const;

 private:
  std::int32_t min_ = 0;
  std::int32_t max_ = 100;
  std::int32_t progress_ = 0;
};

}  // namespace zv
