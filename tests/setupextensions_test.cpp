// The installer's two actions, on every registry backend.
#include "app/setupextensions.h"

#include "fake_prompts.h"
#include "list_helpers.h"
#include "model/saferegistry.h"
#include "registry_fixture.h"
#include "settings/settings.h"

using namespace zv;

namespace {

class setupidentity : public tappidentity {
 public:
  std::string ApplicationTitle() const override { return "zorvane"; }  // from "zorvane.exe"
  std::string ExecutablePath() const override { return "C:\\Apps\\zorvane.exe"; }
};

struct setuprun {
  setupidentity App;
  tfakeprompts Prompts;
  tsettings Settings;
  std::vector<std::string> Exported;
  bool ExportResult = true;
  int SendToCleared = 0;
  tsetupservices Services;

  explicit setuprun(tregistrybackend& reg) {
    Services.Registry = &reg;
    Services.Identity = &App;
    Services.Prompts = &Prompts;
    Services.Settings = &Settings;
    Services.ExportToFile = [this](tzvshortcutlist& list, const std::string& file) {
      Exported.push_back(file + ":" + std::to_string(list.Count()));
      return ExportResult;
    };
    Services.ClearSendToFolder = [this] { ++SendToCleared; };
  }
};

}  // namespace

TEST_P(SetupExtensions, SetAutorunWritesTheRunValueAgainAndAgain) {
  setuprun run(*reg);
  SetAutorunFromSetup(run.Services);
  SetAutorunFromSetup(run.Services);
  TSafeRegistry r(*reg);
  ASSERT_TRUE(r.OpenKey(RunKey, false));
  EXPECT_EQ(r.ReadStringDef("Zorvane", ""), "C:\\Apps\\zorvane.exe");  // names ignore case
  auto names = r.GetValueNames();
  EXPECT_EQ(std::count(names.begin(), names.end(), std::string("zorvane")), 1);
  r.DeleteValue("zorvane");
}

TEST_P(SetupExtensions, UninstallWithoutStoredListAsksNothingAndRemovesEverything) {
  setuprun run(*reg);
  SetAutorunFromSetup(run.Services);
  EXPECT_TRUE(UninstallCleanup(run.Services));
  EXPECT_TRUE(run.Prompts.Shown.empty());
  EXPECT_EQ(run.SendToCleared, 1);
  EXPECT_FALSE(reg->KeyExists(SettingsKey));
  EXPECT_FALSE(reg->KeyExists(MakerKey));
  TSafeRegistry r(*reg);
  ASSERT_TRUE(r.OpenKey(RunKey, false));
  EXPECT_FALSE(r.ValueExists("Zorvane"));
}

TEST_P(SetupExtensions, UninstallOnANeverRunSystemLeavesNothingBehind) {
  setuprun run(*reg);
  ASSERT_FALSE(reg->KeyExists(MakerKey));
  EXPECT_TRUE(UninstallCleanup(run.Services));
  EXPECT_FALSE(reg->KeyExists(MakerKey));
  EXPECT_TRUE(run.Prompts.Shown.empty());
}

TEST_P(SetupExtensions, UninstallKeepsTheMakersOtherProducts) {
  setuprun run(*reg);
  SetInt("\\Software\\Halvorix\\Other", "Kept", 7);
  SetInt(SettingsKey, "UseLargeIcons", 1);
  EXPECT_TRUE(UninstallCleanup(run.Services));
  EXPECT_FALSE(reg->KeyExists(SettingsKey));
  EXPECT_TRUE(reg->KeyExists("\\Software\\Halvorix\\Other"));
  EXPECT_TRUE(run.Prompts.Shown.empty());
}

TEST_P(SetupExtensions, UninstallKeepsAMakerKeyThatHoldsValues) {
  setuprun run(*reg);
  SetString(MakerKey, "Licence", "other product's data");
  EXPECT_TRUE(UninstallCleanup(run.Services));
  EXPECT_FALSE(reg->KeyExists(SettingsKey));
  TSafeRegistry r(*reg);
  ASSERT_TRUE(r.OpenKey(MakerKey, false));
  EXPECT_EQ(r.ReadStringDef("Licence", ""), "other product's data");
}

TEST_P(SetupExtensions, ExportQuestionCountsSeparatorsAndExportsOnYes) {
  setuprun run(*reg);
  tzvshortcutlist list;
  Append(list, MakeShortcut(stApplication, "Mail", "C:\\mail.exe"));
  Append(list, Separator());
  Append(list, MakeShortcut(stFolder, "Docs", "C:\\Docs"));
  ASSERT_TRUE(list.SaveToRegistry(*reg, ShortcutListKey));
  run.Prompts.Answers = {idYes};
  run.Prompts.ChosenFiles = {"C:\\backup.shl"};
  EXPECT_TRUE(UninstallCleanup(run.Services));
  ASSERT_EQ(run.Prompts.Shown.size(), 1u);
  const tpromptrecord& q = run.Prompts.Shown[0];
  EXPECT_EQ(q.Owner, tpromptowner::Desktop);
  EXPECT_EQ(q.Title, "Export Shortcuts");
  EXPECT_EQ(q.Text,
            "You have defined 3 shortcut(s). Would you like to export these shortcuts to a file "
            "before uninstalling Zorvane?");
  EXPECT_EQ(q.Flags, mbYesNo | mbIconQuestion);
  ASSERT_EQ(run.Prompts.Dialogs.size(), 1u);
  const tfiledialog& d = run.Prompts.Dialogs[0];
  EXPECT_EQ(d.Title, "Export List");
  EXPECT_EQ(d.Filter, "Shortcut Lists (*.shl)|*.shl");
  EXPECT_EQ(d.DefaultExt, "shl");
  EXPECT_TRUE(d.Save && d.OverwritePrompt && d.HideReadOnly && d.PathMustExist &&
              d.NoReadOnlyReturn && d.EnableSizing);
  EXPECT_EQ(run.Exported, std::vector<std::string>{"C:\\backup.shl:3"});
  EXPECT_FALSE(reg->KeyExists(SettingsKey));
}

TEST_P(SetupExtensions, NoCancelOrFailedExportStillUninstalls) {
  for (int variant = 0; variant < 3; ++variant) {
    setuprun run(*reg);
    tzvshortcutlist list;
    Append(list, MakeShortcut(stApplication, "Mail", "C:\\mail.exe"));
    ASSERT_TRUE(list.SaveToRegistry(*reg, ShortcutListKey));
    run.Prompts.Answers = {variant == 0 ? idNo : idYes};
    if (variant == 2) run.Prompts.ChosenFiles = {"C:\\readonly.shl"};
    run.ExportResult = false;
    EXPECT_TRUE(UninstallCleanup(run.Services)) << variant;
    EXPECT_FALSE(reg->KeyExists(SettingsKey)) << variant;
    if (variant == 2) {
      ASSERT_EQ(run.Prompts.Shown.size(), 2u);
      EXPECT_EQ(run.Prompts.Shown[1].Title, "Error");
      EXPECT_EQ(run.Prompts.Shown[1].Text, "The shortcut list could not be exported.");
      EXPECT_EQ(run.Prompts.Shown[1].Flags, mbOK | mbIconError);
    } else {
      EXPECT_EQ(run.Prompts.Shown.size(), 1u) << variant;
      EXPECT_TRUE(run.Exported.empty());
    }
  }
}
