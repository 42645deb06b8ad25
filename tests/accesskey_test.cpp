// The access keys of the dialogs' labels.
#include <gtest/gtest.h>

#include "core/accesskey.h"

using namespace zv;

TEST(AccessKey, TheLetterAfterASingleAmpersand) {
  EXPECT_EQ(AccessKeyOf("&Caption:"), 'C');
  EXPECT_EQ(AccessKeyOf("Working &directory:"), 'd');
  // A doubled ampersand is the character itself.
  EXPECT_EQ(AccessKeyOf("Save && &quit"), 'q');
  EXPECT_EQ(AccessKeyOf("Tom && Jerry"), 0);
  // None, or an ampersand at the very end.
  EXPECT_EQ(AccessKeyOf("Hotkey:"), 0);
  EXPECT_EQ(AccessKeyOf("end&"), 0);
  EXPECT_EQ(AccessKeyOf(""), 0);
}
