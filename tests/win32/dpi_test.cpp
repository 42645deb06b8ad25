// The windows at 150 and 200 % display scale: client sizes, control places,
// fonts, row and menu item heights, a move to a monitor of another DPI, and
// pictures of each window to look at (name-<dpi>.bmp). Under a prefix with
// a higher LogPixels the same tests also shoot the windows at the system's
// own DPI.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "editor/teditordialog_win32.h"
#include "editor/tzvshortcutdialog_win32.h"
#include "list_helpers.h"
#include "ui/tzvshortcutlistdialog.h"
#include "screenshot.h"
#include "settings/settings.h"
#include "settings/toptionsdialog_win32.h"
#include "toolkit/dpi.h"
#include "ui/taboutdialog_win32.h"
#include "ui/tpopupmenu.h"
#include "win32/modalscript.h"

using namespace zv;

namespace {

SIZE ClientSize(HWND wnd) {
  RECT r = {};
  GetClientRect(wnd, &r);
  return SIZE{r.right, r.bottom};
}

// A child's rectangle in its parent's client coordinates.
RECT ChildRect(HWND child) {
  RECT r = {};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The 96-DPI rectangle (left, top, width, height) at dpi.
RECT Expected(int x, int y, int w, int h, int dpi) { return tdpiscale(dpi).Rect(x, y, w, h); }

int FontHeight(HFONT font) {
  LOGFONTA lf = {};
  GetObjectA(font, sizeof(lf), &lf);
  return lf.lfHeight;
}

std::string Picture(const std::string& name, int dpi) { return name + "-" + std::to_string(dpi) + ".bmp"; }

void Shoot(HWND wnd, const std::string& file) {
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  SaveWindowScreenshot(wnd, file);
}

#define EXPECT_RECT(actual, expected)                  \
  do {                                                 \
    const RECT a_ = (actual), e_ = (expected);         \
    EXPECT_EQ(a_.left, e_.left);                       \
    EXPECT_EQ(a_.top, e_.top);                         \
    EXPECT_EQ(a_.right - a_.left, e_.right - e_.left); \
    EXPECT_EQ(a_.bottom - a_.top, e_.bottom - e_.top); \
  } while (0)

class DpiWindows : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    UseProgramPictures();
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&icc);
  }
};

}  // namespace

TEST_P(DpiWindows, OptionsWindowKeepsItsLayoutInScaledPixels) {
  const int dpi = GetParam();
  tsettings settings;
  toptionsdialog dialog(settings);
  dialog.UseDpi(dpi);
  ASSERT_TRUE(dialog.CreateForm());
  EXPECT_EQ(dialog.Dpi(), dpi);
  const SIZE client = ClientSize(dialog.Handle());
  EXPECT_EQ(client.cx, ScaleForDpi(381, dpi));
  EXPECT_EQ(client.cy, ScaleForDpi(263, dpi));
  // 8 points: -11 at 96 DPI, -17 at 144, -22 at 192.
  EXPECT_EQ(FontHeight(dialog.FormFont()), ScaleForDpi(-11, dpi));
  EXPECT_RECT(ChildRect(GetParent(dialog.uselargeiconscb)), Expected(136, 8, 237, 85, dpi));
  const RECT check = ChildRect(dialog.uselargeiconscb);
  EXPECT_EQ(check.left, ScaleForDpi(8, dpi));
  EXPECT_EQ(check.top, ScaleForDpi(20, dpi));
  EXPECT_EQ(check.bottom, ScaleForDpi(37, dpi));
  EXPECT_RECT(ChildRect(dialog.menuhotkeyhk), Expected(56, 80, 173, 19, dpi));
  EXPECT_RECT(ChildRect(dialog.findhotkeyhk), Expected(56, 126, 173, 19, dpi));
  tmodalscript script({[&] {
    Shoot(dialog.Handle(), Picture("options", dpi));
    dialog.Close();
  }});
  script.Run(dialog);
}

TEST_P(DpiWindows, PropertiesDialogFieldsAndListItemsGrow) {
  const int dpi = GetParam();
  for (std::uint8_t type : {stApplication, stFile, stFolder}) {
    auto shortcut = MakeShortcut(type, "Notepad", "C:\\Windows\\notepad.exe", 0x4041);
    shortcut->HotkeyStatus = hsInvalid;
    tzvshortcutdialog dialog(*shortcut, true);
    dialog.UseDpi(dpi);
    ASSERT_TRUE(dialog.CreateForm());
    const SIZE client = ClientSize(dialog.Handle());
    EXPECT_EQ(client.cx, ScaleForDpi(445, dpi));
    EXPECT_EQ(client.cy, ScaleForDpi(333, dpi));
    EXPECT_RECT(ChildRect(dialog.captioneb), Expected(8, 32, 225, 21, dpi));
    EXPECT_RECT(ChildRect(dialog.hotkeyhk), Expected(8, 76, 225, 19, dpi));
    EXPECT_RECT(ChildRect(dialog.executablebtn->Handle()), Expected(204, 16, 21, 21, dpi));
    EXPECT_EQ(SendMessageA(dialog.shortcuttypecb, CB_GETITEMHEIGHT, 0, 0), ScaleForDpi(20, dpi));
    EXPECT_EQ(SendMessageA(dialog.viewstylecb, CB_GETITEMHEIGHT, 0, 0), ScaleForDpi(18, dpi));
    const char* names[] = {"", "properties-application", "properties-file", "properties-folder"};
    tmodalscript script({[&] {
      // The warning frame holds its whole text at every scale.
      const RECT text = ChildRect(dialog.hotkeywarninglbl->Handle());
      EXPECT_LE(text.bottom, dialog.hotkeywarningshape->Bounds.bottom);
      Shoot(dialog.Handle(), Picture(names[type], dpi));
      dialog.Close();
    }});
    script.Run(dialog);
  }
}

TEST_P(DpiWindows, AboutWindowAndItsLabels) {
  const int dpi = GetParam();
  taboutdialog dialog;
  dialog.UseDpi(dpi);
  ASSERT_TRUE(dialog.CreateForm());
  const SIZE client = ClientSize(dialog.Handle());
  EXPECT_EQ(client.cx, ScaleForDpi(341, dpi));
  EXPECT_EQ(client.cy, ScaleForDpi(145, dpi));
  const RECT name = ChildRect(dialog.zorvanelbl->Handle());
  EXPECT_EQ(name.left, ScaleForDpi(120, dpi));
  EXPECT_EQ(name.top, ScaleForDpi(8, dpi));
  EXPECT_RECT(ChildRect(dialog.licenselbl->Handle()), Expected(120, 100, 213, 39, dpi));
  // The OK link and its picture: 16 design pixels high, side by side.
  const RECT ok = ChildRect(dialog.oklbl->Handle());
  EXPECT_EQ(ok.left, ScaleForDpi(28, dpi));
  EXPECT_EQ(ok.top, ScaleForDpi(120, dpi));
  EXPECT_EQ(ok.bottom - ok.top, ScaleForDpi(16, dpi));
  tmodalscript script({[&] {
    Shoot(dialog.Handle(), Picture("about", dpi));
    dialog.Close();
  }});
  script.Run(dialog);
}

TEST_P(DpiWindows, EditorClientLeastSizeListAndRowsInBothModes) {
  const int dpi = GetParam();
  const bool wasLarge = Settings().UseLargeEditorIcons;
  for (bool large : {false, true}) {
    Settings().UseLargeEditorIcons = large;
    tzvshortcutlist list;
    Append(list, MakeShortcut(stApplication, "Notepad", "C:\\Windows\\notepad.exe", 0x4041));
    Append(list, Separator());
    Append(list, MakeShortcut(stFile, "Settings", "C:\\Windows\\win.ini", 0x4041));
    Append(list, MakeShortcut(stFolder, "Windows", "C:\\Windows"));
    twin32editorhost host;
    host.Dpi = dpi;
    tmodalscript script({[&] {
      teditordialog& d = *host.Dialog();
      EXPECT_EQ(d.Dpi(), dpi);
      const SIZE client = ClientSize(d.Handle());
      EXPECT_EQ(client.cx, ScaleForDpi(629, dpi));
      EXPECT_EQ(client.cy, ScaleForDpi(449, dpi));
      // The least size: 637 x 476 at 96 DPI, which leaves the designed client
      // area; at 150 and 200 % the same client area, scaled, in the frame.
      MINMAXINFO mmi = {};
      SendMessageA(d.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
      RECT outer = {};
      GetWindowRect(d.Handle(), &outer);
      EXPECT_EQ(mmi.ptMinTrackSize.x - (outer.right - outer.left - client.cx), ScaleForDpi(629, dpi));
      EXPECT_EQ(mmi.ptMinTrackSize.y - (outer.bottom - outer.top - client.cy), ScaleForDpi(449, dpi));
      EXPECT_RECT(ChildRect(d.shortcutslb.Handle()), Expected(200, 8, 421, 417, dpi));
      const RECT status = ChildRect(d.statuslbl->Handle());
      EXPECT_EQ(status.top, ScaleForDpi(428, dpi));
      const RECT count = ChildRect(d.countlbl->Handle());
      EXPECT_EQ(count.right, client.cx - ScaleForDpi(8, dpi));
      // The whole status text shows: the font grew more than the scale, and
      // the line takes the room up to the count, which keeps its place.
      const SIZE text = MeasureText(d.FormFont(), d.statuslbl->Text());
      EXPECT_EQ(d.statuslbl->Text(), "Drag a shortcut to move it; Tab/Shift+Tab: into/out of a group.");
      EXPECT_GE(status.right - status.left, text.cx);
      EXPECT_GE(status.bottom - status.top, text.cy);
      EXPECT_GE(status.right - status.left, ScaleForDpi(313, dpi));
      EXPECT_LE(status.right, count.left);
      EXPECT_LE(status.bottom, client.cy);
      EXPECT_EQ(ChildRect(d.cancellbl->Handle()).top, ScaleForDpi(424, dpi));
      // Rows: the icon and its margins, or two lines of text in large mode.
      const int icon = d.systemil.Height();
      const int row = static_cast<int>(SendMessageA(d.shortcutslb.Handle(), LB_GETITEMHEIGHT, 0, 0));
      EXPECT_GE(row, icon + ScaleForDpi(4, dpi));
      EXPECT_EQ(row, d.shortcutslbMeasureItem(0));
      const int sep = static_cast<int>(SendMessageA(d.shortcutslb.Handle(), LB_GETITEMHEIGHT, 1, 0));
      if (large) { EXPECT_LT(sep, row); }
      EXPECT_LE(sep, row);
      Shoot(d.Handle(), Picture(large ? "editor-large" : "editor-small", dpi));
      d.Close();
    }});
    script.Run([&] { EditShortcutList(list, host); }, [&] {
      if (host.Dialog()) host.Dialog()->Close();
    });
  }
  Settings().UseLargeEditorIcons = wasLarge;
}

INSTANTIATE_TEST_SUITE_P(At150And200Percent, DpiWindows, ::testing::Values(144, 192));

TEST(DpiChange, AFormMovedToAnotherDpiIsLaidOutAgain) {
  UseProgramPictures();
  tsettings settings;
  toptionsdialog dialog(settings);
  dialog.UseDpi(144);
  ASSERT_TRUE(dialog.CreateForm());
  RECT suggested = {10, 20, 900, 700};
  SendMessageA(dialog.Handle(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(dialog.Dpi(), 192);
  // A fixed form keeps its designed client size, at the suggested place.
  const SIZE client = ClientSize(dialog.Handle());
  EXPECT_EQ(client.cx, 762);
  EXPECT_EQ(client.cy, 526);  // 263 at 96 DPI
  RECT outer = {};
  GetWindowRect(dialog.Handle(), &outer);
  EXPECT_EQ(outer.left, 10);
  EXPECT_EQ(outer.top, 20);
  EXPECT_EQ(FontHeight(dialog.FormFont()), -22);
  EXPECT_RECT(ChildRect(dialog.menuhotkeyhk), Expected(56, 80, 173, 19, 192));
  const RECT check = ChildRect(dialog.autoloadcb);
  EXPECT_EQ(check.left, 16);
  EXPECT_EQ(check.top, 40);
  // And back: the same as built at 144.
  SendMessageA(dialog.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(ClientSize(dialog.Handle()).cx, 572);
  EXPECT_RECT(ChildRect(dialog.menuhotkeyhk), Expected(56, 80, 173, 19, 144));
}

TEST(DpiChange, TheEditorTakesTheSuggestedRectangleAndMeasuresItsRowsAgain) {
  UseProgramPictures();
  tzvshortcutlist list;
  Append(list, MakeShortcut(stApplication, "Notepad", "C:\\Windows\\notepad.exe"));
  twin32editorhost host;
  host.Dpi = 96;
  tmodalscript script({[&] {
    teditordialog& d = *host.Dialog();
    const int before = static_cast<int>(SendMessageA(d.shortcutslb.Handle(), LB_GETITEMHEIGHT, 0, 0));
    RECT suggested = {0, 0, 1278, 970};
    SendMessageA(d.Handle(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    RECT outer = {};
    GetWindowRect(d.Handle(), &outer);
    EXPECT_EQ(outer.right - outer.left, 1278);
    EXPECT_EQ(outer.bottom - outer.top, 970);
    const int after = static_cast<int>(SendMessageA(d.shortcutslb.Handle(), LB_GETITEMHEIGHT, 0, 0));
    EXPECT_GT(after, before);
    EXPECT_EQ(after, d.shortcutslbMeasureItem(0));
    // A rectangle below the least size grows to it.
    RECT tiny = {0, 0, 400, 300};
    SendMessageA(d.Handle(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&tiny));
    GetWindowRect(d.Handle(), &outer);
    RECT inner = {};
    GetClientRect(d.Handle(), &inner);
    EXPECT_EQ(inner.right, 1258);
    EXPECT_EQ(inner.bottom, 898);
    // The list still ends 8 design pixels above the status line's bottom.
    const SIZE client = ClientSize(d.Handle());
    EXPECT_EQ(ChildRect(d.shortcutslb.Handle()).bottom, client.cy - ScaleForDpi(449 - 425, 192));
    d.Close();
  }});
  script.Run([&] { EditShortcutList(list, host); }, [&] {
    if (host.Dialog()) host.Dialog()->Close();
  });
}

TEST(DpiChange, TheProgressWindowMovedToAnotherDpiIsLaidOutAgain) {
  UseProgramPictures();
  tzvshortcutlistdialog progress;
  HWND wnd = static_cast<HWND>(progress.Handle());
  ASSERT_NE(wnd, nullptr);
  HWND gauge = GetWindow(wnd, GW_CHILD);
  auto iconSize = [&progress] {
    ICONINFO info = {};
    if (!GetIconInfo(static_cast<HICON>(progress.Icon()), &info)) return 0;
    BITMAP bm = {};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bm), &bm);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return static_cast<int>(bm.bmWidth);
  };
  auto gaugeFont = [gauge] { return FontHeight(reinterpret_cast<HFONT>(SendMessageA(gauge, WM_GETFONT, 0, 0))); };
  ASSERT_TRUE(progress.Open(4));
  progress.Step(2, true);
  for (int dpi : {192, 144}) {
    RECT suggested = {10, 20, 900, 700};
    SendMessageA(wnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(progress.Dpi(), dpi);
    // The designed client size for the new DPI, at the suggested place.
    const SIZE client = ClientSize(wnd);
    EXPECT_EQ(client.cx, ScaleForDpi(293, dpi));
    EXPECT_EQ(client.cy, ScaleForDpi(49, dpi));
    RECT outer = {};
    GetWindowRect(wnd, &outer);
    EXPECT_EQ(outer.left, 10);
    EXPECT_EQ(outer.top, 20);
    EXPECT_RECT(ChildRect(gauge), Expected(64, 8, 221, 33, dpi));
    EXPECT_EQ(gaugeFont(), ScaleForDpi(-11, dpi));
    EXPECT_EQ(iconSize(), ScaleForDpi(32, dpi));
    EXPECT_EQ(progress.Gauge().Percent(), 50);
    // The window shows its new size once the display has caught up.
    for (int i = 0; i < 20; ++i) {
      progress.Step(2, true);
      Sleep(10);
    }
    Shoot(wnd, Picture("progress-moved", dpi));
  }
  progress.Close();
}

namespace {

// A list of four 16-pixel-per-96-DPI icons, as the context menu has.
HIMAGELIST MenuIcons(int size) {
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 4, 0);
  for (int id : {10, 11, 12, 13}) {
    HICON icon = LoadIconResource(id, size);
    ImageList_AddIcon(list, icon);
    if (icon) DestroyIcon(icon);
  }
  return list;
}

int MeasuredHeight(const tpopupmenu& menu, int position) {
  MEASUREITEMSTRUCT mis = {};
  mis.CtlType = ODT_MENU;
  mis.itemData = menu.ItemData(position);
  EXPECT_TRUE(menu.MeasureItem(mis));
  return static_cast<int>(mis.itemHeight);
}

int ProbeHeight(int dpi) {
  tfont font = CreateMenuFont(dpi);
  twindowdc screen;
  tselection picked(screen.Get(), font.Get());
  SIZE s = {};
  GetTextExtentPoint32A(screen.Get(), MenuHeightProbe, 2, &s);
  return s.cy;
}

}  // namespace

TEST(DpiMenus, ItemHeightsFollowTheMenusDpiAndItsIcons) {
  UseProgramPictures();
  timagelisticons icons(MenuIcons(16));
  tmenupainter painter(icons);
  tpopupmenu menu(painter, tmenubuttons::LeftAndRight);
  int changes = 0;
  menu.OnDpiChange = [&](int dpi) {
    ++changes;
    ImageList_Destroy(icons.List());
    icons.SetList(MenuIcons(SmallIconSizeForDpi(dpi)));
  };
  ASSERT_TRUE(menu.Rebuild({MenuEntry("Shortcut Editor...", 0), MenuEntry("-", -1), MenuEntry("Options...", 1),
                            MenuEntry("About...", 2), MenuEntry("-", -1), MenuEntry("Exit", 3)}));
  menu.UseDpi(96);
  const int base = changes;
  for (int dpi : {144, 192, 96}) {
    menu.UseDpi(dpi);
    EXPECT_EQ(painter.Dpi(), dpi);
    EXPECT_EQ(icons.IconWidth(), SmallIconSizeForDpi(dpi));
    // The items are there again, in their places, to be measured afresh.
    EXPECT_EQ(GetMenuItemCount(menu.Handle()), 6);
    const int item = std::max(ProbeHeight(dpi), SmallIconSizeForDpi(dpi) + ScaleForDpi(4, dpi));
    EXPECT_EQ(MeasuredHeight(menu, 0), item) << dpi;
    EXPECT_EQ(MeasuredHeight(menu, 1), ScaleForDpi(5, dpi)) << dpi;
    EXPECT_EQ(MeasuredHeight(menu, 5), item) << dpi;
  }
  EXPECT_EQ(changes - base, 3);
  menu.UseDpi(96);  // unchanged: nothing is done again
  EXPECT_EQ(changes - base, 3);
  EXPECT_EQ(MeasuredHeight(menu, 0), std::max(ProbeHeight(96), 20));

  // Pictures of the context menu at both scales, to look at.
  for (int dpi : {144, 192}) {
    menu.UseDpi(dpi);
    std::vector<int> heights;
    int width = 0, height = 0;
    for (int i = 0; i < menu.Count(); ++i) {
      MEASUREITEMSTRUCT mis = {};
      mis.CtlType = ODT_MENU;
      mis.itemData = menu.ItemData(i);
      menu.MeasureItem(mis);
      heights.push_back(static_cast<int>(mis.itemHeight));
      width = std::max(width, static_cast<int>(mis.itemWidth));
      height += static_cast<int>(mis.itemHeight);
    }
    twindowdc screen;
    tbitmap picture(CreateCompatibleBitmap(screen.Get(), width, height));
    {
      tmemorydc dc(screen.Get());
      tselection select(dc.Get(), picture.Get());
      int top = 0;
      for (int i = 0; i < menu.Count(); ++i) {
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_MENU;
        dis.itemState = i == 2 ? ODS_SELECTED : 0;
        dis.hwndItem = reinterpret_cast<HWND>(menu.Handle());
        dis.hDC = dc.Get();
        dis.rcItem = RECT{0, top, width, top + heights[static_cast<std::size_t>(i)]};
        dis.itemData = menu.ItemData(i);
        EXPECT_TRUE(menu.DrawItem(dis));
        top += heights[static_cast<std::size_t>(i)];
      }
    }
    SaveBitmapScreenshot(picture.Get(), Picture("contextmenu", dpi));
  }
  ImageList_Destroy(icons.List());
}

// At the system's own DPI (96 in the usual prefix, 144 or 192 where
// LogPixels says so): the progress window and a message box.
TEST(DpiSystem, ProgressWindowAndMessageBoxAtTheSystemDpi) {
  // As the program is: drawn for the system's DPI, not stretched by it.
  EnableDpiAwareness();
  UseProgramPictures();
  const int dpi = SystemDpi();
  {
    tzvshortcutlistdialog progress;
    HWND wnd = static_cast<HWND>(progress.Handle());
    ASSERT_NE(wnd, nullptr);
    const SIZE client = ClientSize(wnd);
    EXPECT_EQ(client.cx, ScaleForDpi(293, dpi));
    EXPECT_EQ(client.cy, ScaleForDpi(49, dpi));
    HWND gauge = GetWindow(wnd, GW_CHILD);
    EXPECT_RECT(ChildRect(gauge), Expected(64, 8, 221, 33, dpi));
    ASSERT_TRUE(progress.Open(4));
    progress.Step(2, true);
    Shoot(wnd, Picture("progress", dpi));
    progress.Close();
  }
  tmodalscript script({[&] {
    HWND box = FindWindowA("#32770", "Load Shortcuts");
    if (!box) return;
    Shoot(box, Picture("messagebox", dpi));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  }});
  script.Run(
      [] {
        MessageBoxA(nullptr,
                    "An error occured while loading the shortcuts.\r\rPlease ignore this error if you are "
                    "running Zorvane for the first time.",
                    "Load Shortcuts", MB_OK | MB_ICONWARNING);
      },
      [] {
        if (HWND box = FindWindowA("#32770", "Load Shortcuts")) PostMessageA(box, WM_COMMAND, IDOK, 0);
      });
}
