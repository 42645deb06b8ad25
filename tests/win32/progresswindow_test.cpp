// The real "Please wait..." window under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ui/tzvshortcutlistdialog.h"
#include "resources/resource.h"
#include "screenshot.h"
#include "toolkit/fontman_win32.h"
#include "win32/appmode.h"
#include "win32/modalscript.h"

namespace {

std::string Text(HWND wnd) {
  char buffer[256] = {};
  GetWindowTextA(wnd, buffer, sizeof(buffer));
  return buffer;
}

void Settle() {
  for (int i = 0; i < 20; ++i) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(10);
  }
}

}  // namespace

TEST(ProgressWindow, ToolWindowOnTopCentredWithTheGivenClientArea) {
  zv::tzvshortcutlistdialog dialog;
  HWND wnd = static_cast<HWND>(dialog.Handle());
  ASSERT_NE(wnd, nullptr);
  EXPECT_EQ(Text(wnd), "Please wait...");
  LONG style = GetWindowLongA(wnd, GWL_STYLE), ex = GetWindowLongA(wnd, GWL_EXSTYLE);
  EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(ex & WS_EX_TOPMOST);
  EXPECT_FALSE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  RECT client, frame;
  GetClientRect(wnd, &client);
  EXPECT_EQ(client.right, 293);
  EXPECT_EQ(client.bottom, 49);
  GetWindowRect(wnd, &frame);
  EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  HWND gauge = GetWindow(wnd, GW_CHILD);
  ASSERT_NE(gauge, nullptr);
  RECT g;
  GetWindowRect(gauge, &g);
  POINT origin = {g.left, g.top};
  ScreenToClient(wnd, &origin);
  EXPECT_EQ(origin.x, 64);
  EXPECT_EQ(origin.y, 8);
  EXPECT_EQ(g.right - g.left, 221);
  EXPECT_EQ(g.bottom - g.top, 33);
}

TEST(ProgressWindow, ShowsQuarterStepsForFourEntries) {
  zv::tzvshortcutlistdialog dialog;
  HWND wnd = static_cast<HWND>(dialog.Handle());
  HWND gauge = GetWindow(wnd, GW_CHILD);
  ASSERT_TRUE(dialog.Open(4));
  EXPECT_TRUE(IsWindowVisible(wnd));
  EXPECT_EQ(Text(gauge), "0%");
  Settle();
  SaveWindowScreenshot(wnd, "progress-0.bmp");
  const char* expected[] = {"0%", "25%", "50%", "75%"};
  for (int i = 0; i < 4; ++i) {
    dialog.Step(i, i % 2 == 0);
    EXPECT_EQ(Text(gauge), expected[i]);
    if (i == 2) {
      Settle();
      SaveWindowScreenshot(wnd, "progress-50.bmp");
    }
  }
  dialog.Close();
  EXPECT_FALSE(IsWindowVisible(wnd));
}

TEST(ProgressWindow, DarkAppModeDrawsTheFormAndTheGaugeDark) {
  tappmode dark(0);
  const zv::tpalette& p = zv::CurrentPalette();
  zv::tzvshortcutlistdialog dialog;
  HWND wnd = static_cast<HWND>(dialog.Handle());
  ASSERT_TRUE(dialog.Open(4));
  dialog.Step(1, true);
  Settle();
  SaveWindowScreenshot(wnd, "progress-dark-50.bmp");
  HDC dc = GetDC(wnd);
  EXPECT_EQ(GetPixel(dc, 150, 45) & 0xFFFFFF, zv::Gdi(p.FormBackground)) << "below the gauge";
  EXPECT_EQ(GetPixel(dc, 70, 12) & 0xFFFFFF, zv::Gdi(p.Bar)) << "the bar";
  EXPECT_EQ(GetPixel(dc, 270, 12) & 0xFFFFFF, zv::Gdi(p.Gauge)) << "the gauge past the bar";
  ReleaseDC(wnd, dc);
  dialog.Close();
}

TEST(ProgressWindow, NegativeMaximumIsRefusedAndNothingIsShown) {
  zv::tzvshortcutlistdialog dialog;
  EXPECT_FALSE(dialog.Open(-1));
  EXPECT_FALSE(IsWindowVisible(static_cast<HWND>(dialog.Handle())));
  zv::tzvshortcutlistdialog empty;
  ASSERT_TRUE(empty.Open(0));
  EXPECT_EQ(Text(GetWindow(static_cast<HWND>(empty.Handle()), GW_CHILD)), "0%");
  empty.Close();
}

TEST(ProgressWindow, BoldDialogFontWithTheFallbackOfEveryDialog) {
  auto face = [](const zv::tzvshortcutlistdialog& dialog) {
    HWND gauge = GetWindow(static_cast<HWND>(dialog.Handle()), GW_CHILD);
    LOGFONTA lf = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(gauge, WM_GETFONT, 0, 0)), sizeof(lf), &lf);
    return std::string(lf.lfFaceName) + (lf.lfWeight >= FW_BOLD ? " bold " : " ") + std::to_string(lf.lfHeight);
  };
  zv::tzvshortcutlistdialog here;
  EXPECT_EQ(face(here), "Tahoma bold -11");
  zv::tzvshortcutlistdialog without(zv::tfontfamilies({"Arial", "MS Sans Serif"}));
  EXPECT_EQ(face(without), "MS Sans Serif bold -11");
  ASSERT_TRUE(without.Open(2));
  Settle();
  SaveWindowScreenshot(static_cast<HWND>(without.Handle()), "progress-fallback.bmp");
  without.Close();
}

TEST(ProgressWindow, ShowsTheProgramIconFromWhereThePicturesComeFrom) {
  UseProgramPictures();
  HICON icon = zv::LoadIconResource(IDI_ZORVANE, 32);
  ASSERT_NE(icon, nullptr);
  // The icon's opaque pixels: the same whatever lies behind it.
  auto drawnOn = [icon](COLORREF behind) {
    std::vector<COLORREF> px(32 * 32);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 32, 32);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bmp);
    HBRUSH brush = CreateSolidBrush(behind);
    RECT all = {0, 0, 32, 32};
    FillRect(dc, &all, brush);
    DrawIconEx(dc, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
    for (int i = 0; i < 32 * 32; ++i) px[static_cast<std::size_t>(i)] = GetPixel(dc, i % 32, i / 32);
    SelectObject(dc, old);
    DeleteObject(brush);
    DeleteObject(bmp);
    DeleteDC(dc);
    return px;
  };
  const std::vector<COLORREF> onBlack = drawnOn(RGB(0, 0, 0)), onWhite = drawnOn(RGB(255, 255, 255));
  DestroyIcon(icon);

  zv::tzvshortcutlistdialog dialog;
  zv::SetResourceModule(nullptr);
  HWND wnd = static_cast<HWND>(dialog.Handle());
  ASSERT_TRUE(dialog.Open(4));
  Settle();
  SaveWindowScreenshot(wnd, "progress-icon.bmp");
  POINT origin = {8, 8};
  ClientToScreen(wnd, &origin);
  HDC screen = GetDC(nullptr);
  int opaque = 0, differing = 0;
  for (int i = 0; i < 32 * 32; ++i) {
    const std::size_t k = static_cast<std::size_t>(i);
    if (onBlack[k] != onWhite[k]) continue;
    ++opaque;
    if (GetPixel(screen, origin.x + i % 32, origin.y + i / 32) != onBlack[k]) ++differing;
  }
  ReleaseDC(nullptr, screen);
  dialog.Close();
  EXPECT_GT(opaque, 200);
  EXPECT_EQ(differing, 0) << "the window does not show the program's icon at (8, 8)";
}
