// The editor's status line beside the entry count.
#include <gtest/gtest.h>

#include "editor/statusline.h"

using zv::StatusLineWidth;

TEST(StatusLine, KeepsItsDesignedWidthWhileTheTextFits) {
  // As designed at 96 DPI: 313 wide at 200, the count at 520, 7 between.
  EXPECT_EQ(StatusLineWidth(200, 313, 310, 520, 7), 313);
  EXPECT_EQ(StatusLineWidth(200, 313, 313, 520, 7), 313);
  EXPECT_EQ(StatusLineWidth(200, 313, 0, 520, 7), 313);
}

TEST(StatusLine, GrowsToItsTextButNeverOverTheCount) {
  // At 150 %: 470 designed, the text 486 wide, the count far to the right.
  EXPECT_EQ(StatusLineWidth(300, 470, 486, 842, 11), 486);
  // The room ends 11 before the count: a longer text is cut there.
  EXPECT_EQ(StatusLineWidth(300, 470, 600, 842, 11), 531);
  // Less room than designed (a very long count): the designed width stays.
  EXPECT_EQ(StatusLineWidth(300, 470, 600, 700, 11), 470);
}
