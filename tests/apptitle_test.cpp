#include <gtest/gtest.h>

#include "core/apptitle.h"

TEST(ApplicationTitle, DefaultComesFromTheExecutableName) {
  EXPECT_EQ(zv::DefaultApplicationTitle("C:\\Program Files\\Zorvane\\ZORVANE.EXE"), "Zorvane");
  EXPECT_EQ(zv::DefaultApplicationTitle("C:\\x\\zorvane.exe"), "zorvane");
  EXPECT_EQ(zv::DefaultApplicationTitle("C:\\x\\Zor.Vane.exe"), "Zor");
  EXPECT_EQ(zv::DefaultApplicationTitle("noext"), "noext");
  EXPECT_EQ(zv::DefaultApplicationTitle(""), "");
}
