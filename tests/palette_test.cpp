// The colour mode chosen from what Windows stores and from high contrast,
// and the palettes' colours: light as the program always drew, every text
// readable on its background.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/palette.h"
#include "model/colourpreference.h"
#include "model/memoryregistry.h"

using namespace zv;

namespace {

tcolourmode ModeFrom(tregistrybackend& registry, bool highContrast) {
  return ChooseColourMode(ReadColourPreference(registry).AppsUseLightTheme, highContrast);
}

}  // namespace

TEST(ColourMode, FollowsTheStoredAppModeAndHighContrastWins) {
  tmemoryregistry registry;
  // No key at all (Windows before the dark mode): light, and nothing made.
  EXPECT_EQ(ModeFrom(registry, false), tcolourmode::Light);
  EXPECT_FALSE(registry.KeyExists(PersonalizeKey));
  TSafeRegistry r(registry);
  ASSERT_TRUE(r.OpenKey(PersonalizeKey, true));
  r.WriteInteger("AppsUseLightTheme", 0);
  EXPECT_EQ(ModeFrom(registry, false), tcolourmode::Dark);
  EXPECT_EQ(ModeFrom(registry, true), tcolourmode::HighContrast);
  EXPECT_TRUE(ReadColourPreference(registry).SystemUsesLightTheme) << "the taskbar's value is its own";
  r.WriteInteger("SystemUsesLightTheme", 0);
  EXPECT_FALSE(ReadColourPreference(registry).SystemUsesLightTheme);
  r.WriteInteger("AppsUseLightTheme", 1);
  EXPECT_EQ(ModeFrom(registry, false), tcolourmode::Light);
  // A value of the wrong type counts as light.
  r.WriteString("AppsUseLightTheme", "0");
  EXPECT_EQ(ModeFrom(registry, false), tcolourmode::Light);
}

TEST(Palette, LightIsTheOldLookAndHighContrastTakesOnlySystemColours) {
  tsystemcolours system;
  system.Highlight = 0x123456;
  system.GrayText = 0x808080;
  const tpalette light = PaletteFor(tcolourmode::Light, system);
  EXPECT_EQ(light.MenuBackground, 0xFFFFFFu);
  EXPECT_EQ(light.MenuText, 0u);
  EXPECT_EQ(light.MenuLine, 0u);
  EXPECT_EQ(light.MenuSelection, 0x123456u);
  EXPECT_EQ(light.MenuDisabledText, 0x808080u);
  EXPECT_EQ(light.FormBackground, 0xFFFFFFu);
  EXPECT_EQ(light.Link, 0x800000u) << "navy";
  EXPECT_EQ(light.InvalidRow, 0xBBBBFFu);
  // The strip's ramp, grey 195 + x over 60 pixels.
  for (int x = 0; x < 60; ++x) {
    const std::uint32_t grey = static_cast<std::uint32_t>(195 + x);
    ASSERT_EQ(RampColour(light.StripFrom, light.StripTo, x, 60), grey << 16 | grey << 8 | grey) << x;
  }
  EXPECT_EQ(RampColour(1, 2, 5, 1), 1u);
  EXPECT_EQ(RampColour(0, 0xFFFFFF, 99, 10), 0xFFFFFFu);

  tsystemcolours black;  // Windows' "High Contrast Black"
  black.Menu = black.Window = 0, black.MenuText = black.WindowText = 0xFFFFFF;
  black.Highlight = 0xFF8000, black.HighlightText = 0, black.GrayText = 0x00FF3F, black.HotLight = 0x00FFFF;
  const tpalette hc = PaletteFor(tcolourmode::HighContrast, black);
  const std::vector<std::uint32_t> allowed = {0, 0xFFFFFF, black.Highlight, black.GrayText, black.HotLight};
  for (std::uint32_t c : {hc.MenuBackground, hc.MenuText, hc.MenuDisabledText, hc.MenuSelection, hc.MenuSelectionText,
                          hc.MenuLine, hc.StripFrom, hc.StripTo, hc.FormBackground, hc.FormText, hc.BandFrom, hc.Link,
                          hc.Row, hc.RowText, hc.SelectedRow, hc.InvalidRow, hc.InvalidRowText, hc.Bar, hc.GaugeFrame})
    EXPECT_NE(std::find(allowed.begin(), allowed.end(), c), allowed.end()) << std::hex << c;
  EXPECT_NE(hc.InvalidRow, hc.Row) << "invalid rows must stand out";
}

TEST(Palette, EveryTextIsReadableOnItsBackgroundInBothModes) {
  EXPECT_NEAR(ContrastRatio(0, 0xFFFFFF), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(0x777777, 0x777777), 1.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(0x767676, 0xFFFFFF), 4.54, 0.01);
  // Windows 10's default system colours; the light palette's selection is the
  // system's own choice and not the program's to test.
  tsystemcolours windows;
  for (tcolourmode mode : {tcolourmode::Light, tcolourmode::Dark}) {
    const tpalette p = PaletteFor(mode, windows);
    struct pair {
      const char* What;
      std::uint32_t Text, Background;
    };
    std::vector<pair> pairs = {
        {"menu text", p.MenuText, p.MenuBackground},
        {"menu disabled text", p.MenuDisabledText, p.MenuBackground},
        {"dialog text", p.FormText, p.FormBackground},
        {"dialog grey text", p.FormGrayText, p.FormBackground},
        {"link on the dialog", p.Link, p.FormBackground},
        {"link at the band's left", p.Link, p.BandFrom},
        {"link at the band's right", p.Link, p.BandTo},
        {"row text", p.RowText, p.Row},
        {"row grey text", p.RowGrayText, p.Row},
        {"invalid row text", p.InvalidRowText, p.InvalidRow},
        {"gauge text", p.GaugeText, p.Gauge},
    };
    if (mode == tcolourmode::Dark) {
      pairs.push_back({"menu selection", p.MenuSelectionText, p.MenuSelection});
      pairs.push_back({"selected row", p.SelectedRowText, p.SelectedRow});
      pairs.push_back({"percentage over the bar", p.BarText, p.Bar});
    }
    for (const pair& x : pairs)
      EXPECT_GE(ContrastRatio(x.Text, x.Background), 4.5) << (mode == tcolourmode::Dark ? "dark " : "light ") << x.What;
  }
}
