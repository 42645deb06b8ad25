// A registry that refuses the removal: the uninstall says so.
#include <gtest/gtest.h>

#include "app/setupextensions.h"
#include "fake_prompts.h"
#include "model/memoryregistry.h"
#include "model/saferegistry.h"
#include "settings/settings.h"

using namespace zv;

namespace {
class ident : public tappidentity {
 public:
  std::string ApplicationTitle() const override { return "zorvane"; }
  std::string ExecutablePath() const override { return "C:\\zorvane.exe"; }
};
}  // namespace

TEST(SetupExtensionsFailure, RefusedRemovalShowsTheSetupError) {
  tmemoryregistry reg;
  {
    TRegistry r(reg);
    ASSERT_TRUE(r.OpenKey("\\Software\\Halvorix\\Zorvane\\Shortcuts", true));
  }
  reg.MakeReadOnly("\\Software\\Halvorix\\Zorvane");
  ident app;
  tfakeprompts prompts;
  tsettings settings;
  tsetupservices s;
  s.Registry = &reg;
  s.Identity = &app;
  s.Prompts = &prompts;
  s.Settings = &settings;
  EXPECT_FALSE(UninstallCleanup(s));
  ASSERT_EQ(prompts.Shown.size(), 1u);
  EXPECT_EQ(prompts.Shown[0].Owner, tpromptowner::Desktop);
  EXPECT_EQ(prompts.Shown[0].Title, "Setup Extensions Error");
  EXPECT_EQ(prompts.Shown[0].Text,
            "Zorvane Setup Extensions were unable to remove all registry entries.");
  EXPECT_EQ(prompts.Shown[0].Flags, mbOK | mbIconError);
}
