// The font the dialogs are really drawn with on this system: "Tahoma" where
// it is installed, "MS Sans Serif" where not. The end-to-end font test runs
// these in a prefix with Tahoma and in one without.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "settings/toptionsdialog_win32.h"
#include "core/fontman.h"
#include "toolkit/fontman_win32.h"
#include "win32/modalscript.h"

using namespace zv;

namespace {

std::string FaceOf(HWND wnd) {
  LOGFONTA lf = {};
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(wnd, WM_GETFONT, 0, 0));
  if (!font || !GetObjectA(font, sizeof(lf), &lf)) return "";
  return lf.lfFaceName;
}

HWND OptionsWindow() { return FindWindowA("toptionsdialog", "Options"); }

}  // namespace

TEST(DialogFontOnThisSystem, OptionsAreDrawnWithTahomaOrTheFallback) {
  UseProgramPictures();
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_HOTKEY_CLASS};
  InitCommonControlsEx(&icc);
  const bool tahoma = ScreenFontFamilies().Contains("Tahoma");
  std::printf("Tahoma installed: %s\n", tahoma ? "yes" : "no");
  std::string checkboxFace, hotkeyFace;
  tsettings settings;
  tmodalscript script({[&] {
    HWND form = OptionsWindow();
    HWND group = FindWindowExA(form, nullptr, "TZvGroupBox", " Appearance ");
    checkboxFace = FaceOf(FindWindowExA(group, nullptr, "Button", nullptr));
    group = FindWindowExA(form, nullptr, "TZvGroupBox", " Windows Integration ");
    hotkeyFace = FaceOf(FindWindowExA(group, nullptr, HOTKEY_CLASSA, nullptr));
    PostMessageA(form, WM_CLOSE, 0, 0);
  }});
  script.Run([&] { ShowOptions(settings, [](tsettings&) {}); },
             [] { PostMessageA(OptionsWindow(), WM_CLOSE, 0, 0); });
  EXPECT_FALSE(script.TimedOut());
  const std::string expected = tahoma ? DialogFontFace : FallbackFontFace;
  EXPECT_EQ(checkboxFace, expected);
  EXPECT_EQ(hotkeyFace, expected);
}
