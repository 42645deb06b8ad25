// The real environment: ExpandEnvironmentStringsA's rules as paths meet them.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32environment.h"

TEST(Win32Environment, ExpandsSetVariablesAndKeepsTheRest) {
  char root[MAX_PATH] = {};
  ASSERT_GT(GetEnvironmentVariableA("SystemRoot", root, MAX_PATH), 0u);
  zv::twin32environment& env = zv::ProcessEnvironment();
  EXPECT_EQ(env.Expand("%SystemRoot%\\system32\\cmd.exe"), std::string(root) + "\\system32\\cmd.exe");
  EXPECT_EQ(env.Expand("%ZV_NOT_SET_ANYWHERE%\\x"), "%ZV_NOT_SET_ANYWHERE%\\x");
  EXPECT_EQ(env.Expand("C:\\100%"), "C:\\100%");
  EXPECT_EQ(env.Expand(""), "");
  // Longer than any first guess of the buffer.
  const std::string longValue(3000, 'v');
  SetEnvironmentVariableA("ZV_LONG_VALUE", longValue.c_str());
  EXPECT_EQ(env.Expand("%ZV_LONG_VALUE%\\end"), longValue + "\\end");
  SetEnvironmentVariableA("ZV_LONG_VALUE", nullptr);
}
