// The editor's status line beside the entry count.
#include <gtest/gtest.h>

#include "editor/statusline.h"

using zv::StatusLineWidth;

TEST(StatusLine, KeepsItsDesignedWidthAt96DpiWhateverTheText) {
  // As designed: 313 wide at 200, the count at 520, 7 between.
  EXPECT_EQ(StatusLineWidth(200, 313, 310, 520, 7, 96), 313);
  EXPECT_EQ(StatusLineWidth(200, 313, 318, 600, 7, 96), 313);
  EXPECT_EQ(StatusLineWidth(200, 313, 318, 600, 7, 0), 313) << "no DPI counts as 96";
}

TEST(StatusLine, AtOtherScalesGrowsToItsTextButNeverOverTheCount) {
  // At 150 %: 470 designed, the text 486 wide, the count far to the right.
  EXPECT_EQ(StatusLineWidth(300, 470, 486, 842, 11, 144), 486);
  EXPECT_EQ(StatusLineWidth(300, 470, 400, 842, 11, 144), 470) << "a shorter text keeps the design";
  // The room ends 11 before the count: a longer text is cut there.
  EXPECT_EQ(StatusLineWidth(300, 470, 600, 842, 11, 144), 531);
  // Less room than designed (a very long count): the designed width stays.
  EXPECT_EQ(StatusLineWidth(300, 470, 600, 700, 11, 144), 470);
}
