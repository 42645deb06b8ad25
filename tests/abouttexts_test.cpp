// The about window's texts.
#include <gtest/gtest.h>

#include "ui/abouttexts.h"

using namespace zv;

TEST(AboutTexts, LinkCarriesTheZorvaneQuery) {
  EXPECT_EQ(AboutLinkUrl(AboutWebAddress), "http://www.halvorix.example/?LinkID=Zorvane");
  EXPECT_STREQ(AboutVersionText, "Version 2.3");
}
