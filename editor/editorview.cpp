#include "editor/editorview.h"

#include <algorithm>

namespace zv {

std::int32_t TopRowAfter(std::int32_t top, const teditoroutcome& outcome) {
  if (outcome.Refill) top = 0;
  auto removed = [&top](std::int32_t row) {
    if (row < top) --top;
  };
  auto inserted = [&top](std::int32_t row) {
    if (row < top) ++top;
  };
  for (const trowchange& c : outcome.Rows) {
    switch (c.Kind) {
      case trowchange::Insert: inserted(c.Index); break;
      case trowchange::Delete: removed(c.Index); break;
      case trowchange::Move:
        removed(c.Index);
        inserted(c.ToIndex);
        break;
      case trowchange::Clear: top = 0; break;
    }
  }
  return std::max(top, 0);
}

trowspan RowsToShow(const teditoroutcome& outcome) {
  std::vector<std::int32_t> added;
  for (const trowchange& c : outcome.Rows) {
    switch (c.Kind) {
      case trowchange::Insert:
        for (std::int32_t& r : added)
          if (r >= c.Index) ++r;
        added.push_back(c.Index);
        break;
      case trowchange::Delete:
        std::erase(added, c.Index);
        for (std::int32_t& r : added)
          if (r > c.Index) --r;
        break;
      case trowchange::Move:
        for (std::int32_t& r : added) {
          if (r == c.Index)
            r = c.ToIndex;
          else if (c.Index < r && r <= c.ToIndex)
            --r;
          else if (c.ToIndex <= r && r < c.Index)
            ++r;
        }
        break;
      case trowchange::Clear: added.clear(); break;
    }
  }
  if (outcome.ShowRow >= 0) added.push_back(outcome.ShowRow);
  if (added.empty()) return {};
  const auto [first, last] = std::minmax_element(added.begin(), added.end());
  return {*first, *last};
}

std::int32_t TopRowShowing(std::int32_t top, trowspan span, const std::vector<int>& heights,
                           int clientHeight) {
  const auto rows = static_cast<std::int32_t>(heights.size());
  if (span.First < 0 || span.First >= rows) return top;
  if (span.First < top) return span.First;
  const std::int32_t last = std::min(span.Last, rows - 1);
  long bottom = 0;
  for (std::int32_t i = top; i <= last; ++i) bottom += heights[static_cast<std::size_t>(i)];
  while (bottom > clientHeight && top < span.First) bottom -= heights[static_cast<std::size_t>(top++)];
  return top;
}

std::int32_t ViewTopAfter(std::int32_t top, const teditoroutcome& outcome, const std::vector<int>& heights,
                          int clientHeight) {
  return TopRowShowing(TopRowAfter(top, outcome), RowsToShow(outcome), heights, clientHeight);
}

}  // namespace zv
