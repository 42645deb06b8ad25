#pragma once
// Hotkey tests run against every system hotkey table this build has: the
// in-memory one everywhere, the real one as well when cross-built for Windows.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "model/hotkeyvalue.h"

// A window's hotkey table together with a way for another program to take a
// combination away from it.
class thotkeyenvironment {
 public:
  virtual ~thotkeyenvironment() = default;
  virtual zv::thotkeytable& Window() = 0;
  // False when the combination is held already.
  virtual bool HoldElsewhere(std::uint32_t modifiers, std::uint32_t virtualKey) = 0;
};

struct thotkeykind {
  const char* Name;
  std::function<std::unique_ptr<thotkeyenvironment>()> Make;
};

inline std::string HotkeyKindName(const testing::TestParamInfo<thotkeykind>& info) {
  return info.param.Name;
}

class HotkeyContract : public testing::TestWithParam<thotkeykind> {
 protected:
  void SetUp() override {
    env = GetParam().Make();
    ASSERT_NE(env, nullptr);
  }
  void TearDown() override { env.reset(); }
  zv::thotkeytable& Window() { return env->Window(); }
  // Another program takes the combination of a hotkey value.
  bool HoldElsewhere(std::uint16_t value) {
    zv::thotkeyregistration r = zv::HotkeyToRegistration(value);
    return env->HoldElsewhere(r.Modifiers, r.VirtualKey);
  }

  std::unique_ptr<thotkeyenvironment> env;
};

#define ZV_INSTANTIATE_HOTKEY_SUITE(kindname, factory)                                    \
  INSTANTIATE_TEST_SUITE_P(kindname, HotkeyContract,                                     \
                           testing::Values(thotkeykind{#kindname, factory}), HotkeyKindName)
