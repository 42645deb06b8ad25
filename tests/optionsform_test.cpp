// The options window's controls and the settings record.
#include <gtest/gtest.h>

#include "settings/optionsform.h"
#include "ui/abouttexts.h"

using namespace zv;

TEST(OptionsForm, EveryControlMapsToItsSettingBothWays) {
  // One switch at a time, so a crossed pair would show.
  for (int on = 0; on < 6; ++on) {
    toptionsformvalues f;
    bool* fields[] = {&f.UseLargeIcons, &f.DisplayHotkeys, &f.UseLargeEditorIcons,
                      &f.AutoLoad,      &f.UseSendToMenu,  &f.UseMenuHotKey};
    *fields[on] = true;
    f.MenuHotKey = static_cast<std::uint16_t>(0xC053 + on);
    tsettings s;
    OptionsFormToSettings(f, s);
    const bool got[] = {s.UseLargeIcons, s.DisplayHotkeys, s.UseLargeEditorIcons,
                        s.AutoLoad,      s.UseSendToMenu,  s.UseMenuHotKey};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(got[i], i == on) << on << " " << i;
    EXPECT_EQ(s.MenuHotKey, 0xC053 + on);
    const toptionsformvalues back = SettingsToOptionsForm(s);
    const bool shown[] = {back.UseLargeIcons, back.DisplayHotkeys, back.UseLargeEditorIcons,
                          back.AutoLoad,      back.UseSendToMenu,  back.UseMenuHotKey};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(shown[i], i == on);
  }
}

TEST(OptionsForm, NoHotkeyAndAnyCombinationAreStored) {
  tsettings s;
  s.MenuHotKey = 81;
  s.UseMenuHotKey = true;
  toptionsformvalues f = SettingsToOptionsForm(s);
  f.MenuHotKey = 0;
  f.UseMenuHotKey = false;
  OptionsFormToSettings(f, s);
  EXPECT_EQ(s.MenuHotKey, 0);
  EXPECT_FALSE(s.UseMenuHotKey);
}

TEST(AboutTexts, LinkCarriesTheZorvaneQuery) {
  EXPECT_EQ(AboutLinkUrl(AboutWebAddress), "http://www.halvorix.example/?LinkID=Zorvane");
  EXPECT_STREQ(AboutVersionText, "Version 2.3");
}
