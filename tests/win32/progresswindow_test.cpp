// The real "Please wait..." window under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "model/tzvshortcutlistdialog.h"
#include "screenshot.h"

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

TEST(ProgressWindow, NegativeMaximumIsRefusedAndNothingIsShown) {
  zv::tzvshortcutlistdialog dialog;
  EXPECT_FALSE(dialog.Open(-1));
  EXPECT_FALSE(IsWindowVisible(static_cast<HWND>(dialog.Handle())));
  zv::tzvshortcutlistdialog empty;
  ASSERT_TRUE(empty.Open(0));
  EXPECT_EQ(Text(GetWindow(static_cast<HWND>(empty.Handle()), GW_CHILD)), "0%");
  empty.Close();
}
