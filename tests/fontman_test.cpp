// Font fallback of the dialogs and the menus' face.
#include <gtest/gtest.h>

#include "core/fontman.h"

using namespace zv;

namespace {

const tfontfamilies WithTahoma({"Arial", "Tahoma", "MS Sans Serif", "Courier New"});
const tfontfamilies WithoutTahoma({"Arial", "MS Sans Serif", "Courier New"});

tformfonts DialogForm() {
  tformfonts form;
  tformcomponent title;
  title.Name = "titlelbl";
  title.IsLabel = true;
  title.ParentFont = true;
  tformcomponent ok;
  ok.Name = "oklbl";
  ok.IsLabel = true;
  ok.ParentFont = false;
  ok.Font.Bold = true;
  ok.Font.Underline = true;
  ok.Font.Colour = 0x800000;  // navy
  tformcomponent edit;
  edit.Name = "captioneb";
  edit.ParentFont = false;
  tformcomponent courier;
  courier.Name = "pathlbl";
  courier.IsLabel = true;
  courier.ParentFont = false;
  courier.Font.Name = "courier new";
  form.Components = {title, ok, edit, courier};
  return form;
}

}  // namespace

TEST(FontFamilies, SortedWithDefaultAndLookedUpWithoutCase) {
  tfontfamilies none;
  EXPECT_TRUE(none.Contains("Default"));
  EXPECT_FALSE(none.Contains("Tahoma"));
  tfontfamilies f({"tahoma", "Arial", "TAHOMA", "\xC4rger Sans"});
  EXPECT_EQ(f.Names(), (std::vector<std::string>{"Arial", "Default", "tahoma", "\xC4rger Sans"}));
  EXPECT_TRUE(f.Contains("Tahoma"));
  EXPECT_TRUE(f.Contains("DEFAULT"));
  EXPECT_TRUE(f.Contains("\xC4rger Sans"));
  EXPECT_FALSE(f.Contains("Tahom"));
  EXPECT_FALSE(f.Contains(""));
}

TEST(FontFallback, NothingChangesWhereTahomaIsInstalled) {
  tformfonts form = DialogForm();
  ApplyFontFallback(form, WithTahoma);
  EXPECT_EQ(form.Font.Name, "Tahoma");
  for (const tformcomponent& c : form.Components)
    EXPECT_EQ(c.Font.Name, c.Name == "pathlbl" ? "courier new" : "Tahoma") << c.Name;
}

TEST(FontFallback, WithoutTahomaFormAndOwnLabelFontsSwitchKeepingTheirStyle) {
  tformfonts form = DialogForm();
  form.Font.Height = -13;
  form.Font.Charset = 238;
  ApplyFontFallback(form, WithoutTahoma);
  EXPECT_EQ(form.Font.Name, "MS Sans Serif");
  EXPECT_EQ(form.Font.Height, -13);
  EXPECT_EQ(form.Font.Charset, 238);
  const tformcomponent& title = form.Components[0];
  const tformcomponent& ok = form.Components[1];
  const tformcomponent& edit = form.Components[2];
  const tformcomponent& courier = form.Components[3];
  EXPECT_EQ(title.Font.Name, "MS Sans Serif");  // follows the form
  EXPECT_EQ(title.Font.Height, -13);
  EXPECT_EQ(ok.Font.Name, "MS Sans Serif");
  EXPECT_TRUE(ok.Font.Bold);
  EXPECT_TRUE(ok.Font.Underline);
  EXPECT_EQ(ok.Font.Colour, 0x800000u);
  EXPECT_EQ(ok.Font.Height, -11);
  EXPECT_EQ(edit.Font.Name, "Tahoma");  // not a label: not examined
  EXPECT_EQ(courier.Font.Name, "courier new");  // installed, in other letters
}

TEST(FontFallback, MenuFaceIsTahomaOnlyWhereInstalled) {
  EXPECT_EQ(MenuFontFace("Segoe UI", WithTahoma), "Tahoma");
  EXPECT_EQ(MenuFontFace("Segoe UI", tfontfamilies({"TAHOMA"})), "Tahoma");
  EXPECT_EQ(MenuFontFace("Segoe UI", WithoutTahoma), "Segoe UI");
  EXPECT_EQ(InstalledFaceOr("", WithTahoma), "MS Sans Serif");
}
