#include <gtest/gtest.h>

#include "model/progressgauge.h"

using zv::tprogressgauge;

TEST(ProgressGauge, FourEntriesShowQuarterSteps) {
  tprogressgauge g;
  ASSERT_TRUE(g.SetMaximum(4));
  EXPECT_EQ(g.Percent(), 0);
  int shown[4];
  for (int i = 0; i < 4; ++i) {
    g.SetProgress(i);
    shown[i] = g.Percent();
  }
  EXPECT_EQ(shown[1], 25);
  EXPECT_EQ(shown[2], 50);
  EXPECT_EQ(shown[3], 75);
}

TEST(ProgressGauge, RepaintsOnlyWhenThePercentageChanges) {
  tprogressgauge g;
  ASSERT_TRUE(g.SetMaximum(1000));
  EXPECT_FALSE(g.SetProgress(5));  // still 0%
  EXPECT_TRUE(g.SetProgress(10));
  EXPECT_FALSE(g.SetProgress(11));
}

TEST(ProgressGauge, ClampsProgressAndRefusesAMaximumBelowTheMinimum) {
  tprogressgauge g;
  EXPECT_FALSE(g.SetMaximum(-1));
  EXPECT_EQ(g.Maximum(), 100);
  g.SetProgress(250);
  EXPECT_EQ(g.Percent(), 100);
  g.SetProgress(-7);
  EXPECT_EQ(g.Percent(), 0);
  ASSERT_TRUE(g.SetMaximum(0));  // empty range: 0%, no division
  g.SetProgress(3);
  EXPECT_EQ(g.Percent(), 0);
  ASSERT_TRUE(g.SetMaximum(2147483647));
  g.SetProgress(2147483646);
  EXPECT_EQ(g.Percent(), 99);
}
