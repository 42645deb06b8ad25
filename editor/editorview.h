#pragma once
// Where the shortcut list's view stands after a command: the rows the user
// was looking at stay where they were, and the rows a command adds, or the
// row it asks to show, come into view.
#include <cstdint>
#include <vector>

#include "editor/teditorcommands.h"

namespace zv {

// From first to last row; First -1 means none.
struct trowspan {
  std::int32_t First = -1;
  std::int32_t Last = -1;
  bool operator==(const trowspan&) const = default;
};

// The top row after the row changes of an outcome, given the top row before
// them: rows inserted or deleted above it move it along, so the same entries
// stay in sight; a refill or a clear starts at the top again.
std::int32_t TopRowAfter(std::int32_t top, const teditoroutcome& outcome);

// The rows an outcome brings into view: the rows it inserted, at their final
// places, and its ShowRow.
trowspan RowsToShow(const teditoroutcome& outcome);

// The top row nearest to top whose view, clientHeight high over rows of the
// given heights, shows span whole; its first row wins when not all fit.
std::int32_t TopRowShowing(std::int32_t top, trowspan span, const std::vector<int>& heights,
                           int clientHeight);

// All three: the top row the list takes after an outcome.
std::int32_t ViewTopAfter(std::int32_t top, const teditoroutcome& outcome, const std::vector<int>& heights,
                          int clientHeight);

}  // namespace zv
