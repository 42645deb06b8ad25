// Settings store and the Run value, on every registry backend.
#include <algorithm>

#include "model/memoryregistry.h"
#include "registry_fixture.h"
#include "settings/settings.h"

using namespace zv;

namespace {

class fakeidentity : public tappidentity {
 public:
  std::string Title = "Zorvane";
  std::string Exe = "C:\\Program Files\\Zorvane\\Zorvane.exe";
  std::string ApplicationTitle() const override { return Title; }
  std::string ExecutablePath() const override { return Exe; }
};

}  // namespace

TEST_P(SettingsStore, EmptyRegistryGivesDefaultsAndCreatesTheKey) {
  fakeidentity app;
  tsettings s;
  EXPECT_FALSE(s.DisplayHotkeys);  // all off until loaded
  LoadSettings(s, *reg, app);
  EXPECT_FALSE(s.UseLargeIcons);
  EXPECT_TRUE(s.DisplayHotkeys);
  EXPECT_TRUE(s.UseLargeEditorIcons);
  EXPECT_TRUE(s.UseSendToMenu);
  EXPECT_TRUE(s.UseMenuHotKey);
  EXPECT_EQ(s.MenuHotKey, 81);
  EXPECT_TRUE(s.UseFindHotKey);
  EXPECT_EQ(s.FindHotKey, 8273);  // Shift+Q
  EXPECT_FALSE(s.AutoLoad);
  ASSERT_TRUE(reg->KeyExists(SettingsKey));
  auto k = reg->OpenKey(SettingsKey, false);
  EXPECT_TRUE(reg->ValueNames(*k).empty());
}

TEST_P(SettingsStore, HotkeyValueIsReadUnderEitherSpellingAndKeepsItsLowSixteenBits) {
  fakeidentity app;
  SetInt(SettingsKey, "MENUHOTKEY", 0xC053);
  tsettings s;
  LoadSettings(s, *reg, app);
  EXPECT_EQ(s.MenuHotKey, 0xC053);
  SetInt(SettingsKey, "MenuHotkey", 0x20053);
  LoadSettings(s, *reg, app);
  EXPECT_EQ(s.MenuHotKey, 0x53);  // masked, not the default 81
  SetString(SettingsKey, "MenuHotkey", "81");
  s.MenuHotKey = 5;
  LoadSettings(s, *reg, app);
  EXPECT_EQ(s.MenuHotKey, 81);  // wrong type: the default
  s.MenuHotKey = 0x4051;
  SaveSettings(s, *reg, app);
  TSafeRegistry r(*reg);
  ASSERT_TRUE(r.OpenKey(SettingsKey, false));
  EXPECT_EQ(r.ReadIntegerDef("MenuHotKey", 0), 0x4051);
  auto names = r.GetValueNames();
  EXPECT_EQ(std::count_if(names.begin(), names.end(),
                          [](auto& n) { return n == "MenuHotKey" || n == "MenuHotkey" ||
                                               n == "MENUHOTKEY"; }),
            1);
}

TEST_P(SettingsStore, SaveWritesEverySwitchAsZeroOrOne) {
  fakeidentity app;
  tsettings s;
  LoadSettings(s, *reg, app);
  s.UseLargeIcons = true;
  s.DisplayHotkeys = false;
  SaveSettings(s, *reg, app);
  TSafeRegistry r(*reg);
  ASSERT_TRUE(r.OpenKey(SettingsKey, false));
  EXPECT_EQ(r.ReadIntegerDef("UseLargeIcons", -1), 1);
  EXPECT_EQ(r.ReadIntegerDef("DisplayHotkeys", -1), 0);
  EXPECT_EQ(r.ReadIntegerDef("UseLargeEditorIcons", -1), 1);
  EXPECT_EQ(r.ReadIntegerDef("UseSendToMenu", -1), 1);
  EXPECT_EQ(r.ReadIntegerDef("UseMenuHotKey", -1), 1);
  EXPECT_EQ(r.ReadIntegerDef("UseFindHotKey", -1), 1);
  EXPECT_EQ(r.ReadIntegerDef("FindHotKey", -1), 8273);
  EXPECT_FALSE(r.ValueExists("AutoLoad"));
  s.UseFindHotKey = false;
  s.FindHotKey = 0x4046;  // Ctrl+F
  SaveSettings(s, *reg, app);
  tsettings again;
  LoadSettings(again, *reg, app);
  EXPECT_TRUE(again.UseLargeIcons);
  EXPECT_FALSE(again.DisplayHotkeys);
  EXPECT_FALSE(again.UseFindHotKey);
  EXPECT_EQ(again.FindHotKey, 0x4046);
}

TEST_P(SettingsStore, RunValueMatchesTheExecutablePathWithoutRegardToAsciiCase) {
  fakeidentity app;
  {
    TRegistry r(*reg);
    ASSERT_TRUE(r.OpenKey(RunKey, true));
    r.DeleteValue("Zorvane");
  }
  tsettings s;
  SetString(RunKey, "ZORVANE", "c:\\program files\\zorvane\\ZORVANE.EXE");
  LoadSettings(s, *reg, app);
  EXPECT_TRUE(s.AutoLoad);
  SetString(RunKey, "Zorvane", "\"" + app.Exe + "\"");
  LoadSettings(s, *reg, app);
  EXPECT_FALSE(s.AutoLoad);
  SetString(RunKey, "Zorvane", app.Exe + " /justinstalled");
  LoadSettings(s, *reg, app);
  EXPECT_FALSE(s.AutoLoad);
  SetInt(RunKey, "Zorvane", 1);
  LoadSettings(s, *reg, app);
  EXPECT_FALSE(s.AutoLoad);

  // Saving with AutoLoad replaces the other copy's path; without, removes it.
  SetString(RunKey, "Zorvane", "D:\\Other\\Zorvane.exe");
  s.AutoLoad = true;
  SaveSettings(s, *reg, app);
  TSafeRegistry r(*reg);
  ASSERT_TRUE(r.OpenKey(RunKey, false));
  EXPECT_EQ(r.ReadStringDef("zorvane", ""), app.Exe);
  s.AutoLoad = false;
  SaveSettings(s, *reg, app);
  ASSERT_TRUE(r.OpenKey(RunKey, false));
  EXPECT_FALSE(r.ValueExists("Zorvane"));
}

TEST_P(SettingsStore, SavingWithoutAutoLoadLeavesAForeignRunKeyAlone) {
  fakeidentity app;
  SetString(RunKey, "SomeOtherTool", "C:\\tool.exe");
  {
    TRegistry r(*reg);
    ASSERT_TRUE(r.OpenKey(RunKey, false));
    r.DeleteValue("Zorvane");
  }
  auto k = reg->OpenKey(RunKey, false);
  auto before = reg->ValueNames(*k);
  tsettings s;
  s.AutoLoad = false;
  SaveSettings(s, *reg, app);
  EXPECT_EQ(reg->ValueNames(*k), before);
  EXPECT_FALSE(s.AutoLoad);
  TRegistry r(*reg);
  ASSERT_TRUE(r.OpenKey(RunKey, false));
  r.DeleteValue("SomeOtherTool");
}

TEST(SettingsFaults, RefusedRunKeyClearsAutoLoadAndRefusedSettingsKeyThrows) {
  tmemoryregistry reg;
  fakeidentity app;
  tsettings s;
  LoadSettings(s, reg, app);
  ASSERT_NE(reg.OpenKey(RunKey, true), nullptr);
  reg.MakeReadOnly(RunKey);
  s.AutoLoad = true;
  SaveSettings(s, reg, app);
  EXPECT_FALSE(s.AutoLoad);
  reg.MakeReadOnly(SettingsKey);
  s.AutoLoad = true;
  EXPECT_THROW(SaveSettings(s, reg, app), ERegistryException);
}
