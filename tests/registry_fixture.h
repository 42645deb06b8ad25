#pragma once
// Registry tests run against every backend this build has: the in-memory one
// everywhere, the real registry as well when cross-built for Windows.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "model/registrybackend.h"
#include "model/saferegistry.h"

struct tregistrykind {
  const char* Name;
  std::function<std::unique_ptr<zv::tregistrybackend>()> Make;
};

inline std::string RegistryKindName(const testing::TestParamInfo<tregistrykind>& info) {
  return info.param.Name;
}

// Test keys live in places a real user's registry would not care about; the
// real backend runs in a throw-away Wine prefix anyway.
inline constexpr const char* TestRoot = "\\Software\\ZorvaneTest";

class RegistryTest : public testing::TestWithParam<tregistrykind> {
 protected:
  void SetUp() override {
    reg = GetParam().Make();
    reg->DeleteKey(TestRoot);
    reg->DeleteKey("\\Software\\Halvorix");
  }
  void TearDown() override {
    reg->DeleteKey(TestRoot);
    reg->DeleteKey("\\Software\\Halvorix");
  }
  std::string Key(const std::string& sub) const { return std::string(TestRoot) + "\\" + sub; }

  // Small conveniences over the raw backend.
  void SetString(const std::string& key, const std::string& name, const std::string& text) {
    zv::TRegistry r(*reg);
    ASSERT_TRUE(r.OpenKey(key, true));
    r.WriteString(name, text);
  }
  void SetInt(const std::string& key, const std::string& name, std::int32_t v) {
    zv::TRegistry r(*reg);
    ASSERT_TRUE(r.OpenKey(key, true));
    r.WriteInteger(name, v);
  }
  void SetRaw(const std::string& key, const std::string& name, std::uint32_t type,
              const std::string& data) {
    auto k = reg->OpenKey(key, true);
    ASSERT_TRUE(k);
    ASSERT_TRUE(reg->SetValue(*k, name, type, data));
  }

  std::unique_ptr<zv::tregistrybackend> reg;
};

#define ZV_INSTANTIATE_REGISTRY_SUITE(kindname, suite, factory)                          \
  INSTANTIATE_TEST_SUITE_P(kindname, suite, testing::Values(tregistrykind{#kindname, factory}), \
                           RegistryKindName)

// Suites defined once and instantiated per backend.
class RegistryContract : public RegistryTest {};
class RegistryStore : public RegistryTest {};
class SettingsStore : public RegistryTest {};
class SetupExtensions : public RegistryTest {};
