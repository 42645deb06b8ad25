// The display-scale rule and what grows with it: menu items and editor rows
// at 125, 150 and 200 %, and nothing changed at 96 DPI.
#include <gtest/gtest.h>

#include "editor/editorrows.h"
#include "list_helpers.h"
#include "core/dpiscale.h"
#include "ui/menugeometry.h"

using namespace zv;

namespace {

// Every character 6 pixels wide per 96 DPI, lines `height` high.
class scaledfont : public ttextmeasure {
 public:
  scaledfont(int height, int dpi) : height_(height), dpi_(dpi) {}
  int TextWidth(const std::string& text) const override {
    return ScaleForDpi(6, dpi_) * static_cast<int>(text.size());
  }
  int TextHeight(const std::string&) const override { return height_; }

 private:
  int height_, dpi_;
};

tmenuentry Item(const std::string& caption) {
  tmenuentry e;
  e.Caption = caption;
  e.ImageIndex = 3;
  return e;
}

}  // namespace

TEST(DpiScale, IdentityAtDesignDpiAndRoundedHalvesAwayFromZero) {
  for (int v : {-11, -1, 0, 1, 5, 13, 16, 629, 637, 409, 436, 100000}) EXPECT_EQ(ScaleForDpi(v, 96), v) << v;
  // 150 %: a half pixel goes outwards, the same for negative font heights.
  EXPECT_EQ(ScaleForDpi(11, 144), 17);
  EXPECT_EQ(ScaleForDpi(-11, 144), -17);
  EXPECT_EQ(ScaleForDpi(629, 144), 944);
  EXPECT_EQ(ScaleForDpi(409, 144), 614);
  EXPECT_EQ(ScaleForDpi(5, 144), 8);
  EXPECT_EQ(ScaleForDpi(1, 144), 2);
  // 200 % doubles exactly; 125 % and 175 % round.
  EXPECT_EQ(ScaleForDpi(-11, 192), -22);
  EXPECT_EQ(ScaleForDpi(637, 192), 1274);
  EXPECT_EQ(ScaleForDpi(22, 120), 28);
  EXPECT_EQ(ScaleForDpi(22, 168), 39);
  EXPECT_EQ(ScaleForDpi(11, 168), 19);
}

TEST(DpiScale, BadDpiCountsAsDesignDpiAndLargeFiguresDoNotOverflow) {
  EXPECT_EQ(ScaleForDpi(629, 0), 629);
  EXPECT_EQ(ScaleForDpi(629, -144), 629);
  EXPECT_EQ(ScaleBetweenDpis(24, 0, 96), 24);
  EXPECT_EQ(ScaleForDpi(20000000, 480), 100000000);
  EXPECT_EQ(ScaleForDpi(-20000000, 480), -100000000);
  // Between two DPIs: the system's 144-DPI menu font for a 192-DPI monitor.
  EXPECT_EQ(ScaleBetweenDpis(-18, 144, 192), -24);
  EXPECT_EQ(ScaleBetweenDpis(-18, 144, 144), -18);
}

TEST(DpiScale, RectanglesScaleTheirEdgesSoNeighboursStillTouch) {
  // Two 16-high link boxes one under the other, at 364 and 380... and the
  // editor list.
  const tscaledrect a = ScaleRectForDpi(4, 364, 24, 16, 144);
  const tscaledrect b = ScaleRectForDpi(4, 380, 24, 16, 144);
  EXPECT_EQ(a.Bottom, b.Top);
  EXPECT_EQ(ScaleRectForDpi(200, 8, 421, 377, 96), (tscaledrect{200, 8, 621, 385}));
  EXPECT_EQ(ScaleRectForDpi(200, 8, 421, 377, 144), (tscaledrect{300, 12, 932, 578}));
  EXPECT_EQ(ScaleRectForDpi(200, 8, 421, 377, 192), (tscaledrect{400, 16, 1242, 770}));
}

TEST(DpiScale, ArtworkStepsAndIconSizes) {
  EXPECT_EQ(ArtworkScalePercent(96), 100);
  EXPECT_EQ(ArtworkScalePercent(72), 100);
  EXPECT_EQ(ArtworkScalePercent(0), 100);
  EXPECT_EQ(ArtworkScalePercent(-5), 100);
  EXPECT_EQ(ArtworkScalePercent(107), 100);  // 111 %: nearer 100
  EXPECT_EQ(ArtworkScalePercent(108), 125);  // 112 %: a tie goes up
  EXPECT_EQ(ArtworkScalePercent(120), 125);
  EXPECT_EQ(ArtworkScalePercent(144), 150);
  EXPECT_EQ(ArtworkScalePercent(168), 175);
  EXPECT_EQ(ArtworkScalePercent(192), 200);
  EXPECT_EQ(ArtworkScalePercent(288), 200);
  EXPECT_EQ(SmallIconSizeForDpi(96), 16);
  EXPECT_EQ(LargeIconSizeForDpi(96), 32);
  EXPECT_EQ(SmallIconSizeForDpi(120), 20);
  EXPECT_EQ(SmallIconSizeForDpi(144), 24);
  EXPECT_EQ(LargeIconSizeForDpi(144), 48);
  EXPECT_EQ(SmallIconSizeForDpi(192), 32);
  EXPECT_EQ(LargeIconSizeForDpi(192), 64);
}

TEST(DpiScale, MenuItemsGrowWithTheirIconsAndMargins) {
  // 150 %: 24-pixel small icons, a 20-pixel line of text.
  const scaledfont font144(20, 144);
  const tmenustyle small144{24, 24, 144};
  const tmenuentry notepad = Item("Notepad");
  const tmenuitemsize s = MeasureMenuItem(notepad, small144, font144);
  EXPECT_EQ(s.Height, 30);  // 24 + 6
  EXPECT_EQ(s.Width, 7 * 9 + 24 + 24);
  tmenuitemlayout l = LayoutMenuItem(notepad, small144, 300, s.Height, false, font144);
  EXPECT_EQ(l.StripRight, 36);
  EXPECT_EQ(l.IconX, 6);
  EXPECT_EQ(l.IconY, 3);
  EXPECT_EQ(l.CaptionX, 42);
  EXPECT_EQ(l.TextY, 5);
  // Large icons at 200 %: 64 pixels.
  const scaledfont font192(26, 192);
  const tmenustyle large192{64, 64, 192};
  EXPECT_EQ(MeasureMenuItem(notepad, large192, font192).Height, 72);
  l = LayoutMenuItem(notepad, large192, 400, 72, false, font192);
  EXPECT_EQ(l.CaptionX, 88);
  EXPECT_EQ(l.StripRight, 80);
  // The hotkey text keeps its margin to the right edge: 3 pixels are 6.
  tmenuentry withKey = notepad;
  withKey.Hotkey = 0x4041;
  withKey.HotkeyText = "Strg+A";
  l = LayoutMenuItem(withKey, large192, 400, 72, false, font192);
  EXPECT_EQ(l.HotkeyX, 400 - 12 * 8 - 6);
  EXPECT_EQ(MeasureMenuItem(withKey, large192, font192).Width, 12 * 7 + 64 + 32 + 12 * 8 + 16);
}

TEST(DpiScale, MenuSeparatorsAreFiveDesignPixelsHighWithAThickerLine) {
  const tmenuentry sep = MenuEntry("-", -1);
  for (int dpi : {96, 120, 144, 192}) {
    const scaledfont font(13, dpi);
    const tmenustyle style{SmallIconSizeForDpi(dpi), SmallIconSizeForDpi(dpi), dpi};
    const int h = MeasureMenuItem(sep, style, font).Height;
    EXPECT_EQ(h, ScaleForDpi(5, dpi)) << dpi;
    const tmenuitemlayout l = LayoutMenuItem(sep, style, 200, h, true, font);
    EXPECT_FALSE(l.Highlighted);
    EXPECT_EQ(l.LineFromX, ScaleForDpi(14, dpi));
    EXPECT_EQ(l.LineToX, 200 - ScaleForDpi(14, dpi));
    EXPECT_EQ(l.LineY, ScaleForDpi(2, dpi));
    EXPECT_EQ(l.LineWidth, dpi >= 144 ? 2 : 1);
  }
  EXPECT_EQ(MenuSeparatorHeightForDpi(144), 8);
  EXPECT_EQ(MenuSeparatorHeightForDpi(192), 10);
}

TEST(DpiScale, EditorRowsGrowWithIconsTextAndMargins) {
  const auto app = MakeShortcut(stApplication, "Notepad", "C:\\Windows\\notepad.exe", 0x4041);
  const auto sep = Separator();
  // 150 %: Tahoma -17 is 20 high here, the icons 24 and 48.
  EXPECT_EQ(RowHeight(*app, true, 20, 48, 144), 54);
  EXPECT_EQ(RowHeight(*app, false, 20, 24, 144), 30);
  EXPECT_EQ(RowHeight(*sep, false, 20, 24, 144), 26);
  // 200 %.
  EXPECT_EQ(RowHeight(*app, true, 26, 64, 192), 72);
  EXPECT_EQ(RowHeight(*app, false, 26, 32, 192), 40);
  EXPECT_EQ(RowHeight(*app, false, 34, 32, 192), 42);

  trowmetrics m;
  m.Width = 600;
  m.Height = 72;
  m.IconWidth = m.IconHeight = 64;
  m.TextHeight = 26;
  m.LargeMode = true;
  m.Dpi = 192;
  m.Regular = [](std::string_view t) { return static_cast<std::int32_t>(t.size()) * 12; };
  m.Bold = [](std::string_view t) { return static_cast<std::int32_t>(t.size()) * 14; };
  app->HotkeyStatus = hsInvalid;
  const tshortcutrow row = LayoutShortcutRow(*app, m, [](std::uint16_t) { return std::string("Q"); });
  EXPECT_EQ(row.IconAt.X, 4);
  EXPECT_EQ(row.IconAt.Y, 4);
  EXPECT_EQ(row.CaptionAt.X, 64 + 14);
  EXPECT_EQ(row.BadgeAt.X, 64 - 40);
  EXPECT_EQ(row.BadgeSize, 44);
  EXPECT_EQ(row.PathAt.Y, row.CaptionAt.Y + 26);
  m.LargeMode = false;
  m.Height = 36;
  m.IconWidth = m.IconHeight = 32;
  const tshortcutrow small = LayoutShortcutRow(*app, m, [](std::uint16_t) { return std::string("Q"); });
  EXPECT_EQ(small.BadgeSize, 22);
  EXPECT_EQ(small.BadgeAt.X, 32 - 18);
  EXPECT_EQ(small.HotkeyAt.X, 600 - 3 * 12 - 8);
  const tseparatorrow line = LayoutSeparatorRow(600, 30, m.Regular, 144);
  EXPECT_EQ(line.LineFrom.X, 3);
  EXPECT_EQ(line.LineTo.X, 597);
  EXPECT_EQ(line.TextAt.Y, 3);
}
