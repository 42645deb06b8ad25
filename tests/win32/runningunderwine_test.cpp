// The one test of Wine: told by Wine's own registry key, which every Wine
// prefix has and no Windows has.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/runningunderwine.h"

TEST(RunningUnderWine, AgreesWithTheSystemsOwnRegistry) {
  HKEY key = nullptr;
  const bool wineKey = RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Wine", 0, KEY_READ, &key) == ERROR_SUCCESS;
  if (key) RegCloseKey(key);
  EXPECT_EQ(zv::RunningUnderWine(), wineKey);
}
