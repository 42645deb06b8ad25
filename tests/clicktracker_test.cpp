// Link labels and pictures click as buttons do: press and release on the
// same control.
#include <gtest/gtest.h>

#include "core/clicktracker.h"

using namespace zv;

TEST(LinkClick, NeedsPressAndReleaseOnTheSameControl) {
  int ok = 0, cancel = 0;
  tclicktracker click;
  // A release never seen pressed: the second click of a double-click that
  // closed a dialog over the window.
  EXPECT_FALSE(click.Release(&ok));
  click.Press(&ok);
  EXPECT_TRUE(click.Pressed());
  EXPECT_TRUE(click.Release(&ok));
  // The press is used up: a second release does nothing.
  EXPECT_FALSE(click.Release(&ok));
  EXPECT_FALSE(click.Pressed());

  // Pressed on one, released on another or on nothing.
  click.Press(&ok);
  EXPECT_FALSE(click.Release(&cancel));
  click.Press(&ok);
  EXPECT_FALSE(click.Release(nullptr));
  // A press on nothing clickable never clicks.
  click.Press(nullptr);
  EXPECT_FALSE(click.Release(nullptr));

  // The capture lost in between (a window came up): no click.
  click.Press(&cancel);
  click.Cancel();
  EXPECT_FALSE(click.Release(&cancel));
}
