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

TEST(AccessKey, TheShownTextAndTheKeyAsAnnounced) {
  EXPECT_EQ(WithoutAccessKeys("&OK"), "OK");
  EXPECT_EQ(WithoutAccessKeys("Save && &quit"), "Save & quit");
  EXPECT_EQ(WithoutAccessKeys("end&"), "end");
  EXPECT_EQ(AccessKeyName("C&lear the list"), "Alt+L");
  EXPECT_EQ(AccessKeyName("Tom && Jerry"), "");
}

TEST(AccessKey, AFreeLetterPrefersWordStartsAndAvoidsTakenKeys) {
  EXPECT_EQ(WithFreeAccessKey("OK", ""), "&OK");
  EXPECT_EQ(WithFreeAccessKey("Cancel", "o"), "&Cancel");
  // Every word's first letter taken, in any case: the next free letter.
  EXPECT_EQ(WithFreeAccessKey("Cancel", "Oc"), "C&ancel");
  EXPECT_EQ(WithFreeAccessKey("Open the list", "O"), "Open &the list");
  EXPECT_EQ(WithFreeAccessKey("Open the list", "OTL"), "O&pen the list");
  // A text with a key keeps it; one without a free letter stays as it is.
  EXPECT_EQ(WithFreeAccessKey("E&xit", "X"), "E&xit");
  EXPECT_EQ(WithFreeAccessKey("Ok", "OK"), "Ok");
  EXPECT_EQ(WithFreeAccessKey("", ""), "");
  // A literal ampersand is never taken for the key's mark.
  EXPECT_EQ(WithFreeAccessKey("&&x", ""), "&&&x");
  EXPECT_EQ(AccessKeyOf(WithFreeAccessKey("&&x", "")), 'x');
}
