// The real tray icon under Wine: the record that goes to the shell, the
// shared window, the icon in Wine's system tray, and clicks on it made with
// xdotool on the test run's X display.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "components/tcooltrayicon_win32.h"
#include "components/trayownerhook_win32.h"
#include "components/ttrayiconhandler.h"
#include "platform/runningunderwine.h"
#include "screenshot.h"

using zv::TCoolTrayIcon;

namespace {

const char* const WineTray = "Wine System Tray";

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Pumps messages until done() holds, at most about ten seconds.
bool PumpUntil(const std::function<bool()>& done) {
  for (int i = 0; i < 500; ++i) {
    Pump();
    if (done()) return true;
    Sleep(20);
  }
  return false;
}

// Pumps messages for about the given time.
void Settle(int milliseconds) {
  for (int waited = 0; waited < milliseconds; waited += 20) {
    Pump();
    Sleep(20);
  }
  Pump();
}

// Wine's tray window is shown only while it holds some icon.
HWND TrayWindow() {
  HWND tray = FindWindowA(nullptr, WineTray);
  return tray && IsWindowVisible(tray) ? tray : nullptr;
}

bool HaveXdotool() {
  return zv::RunningUnderWine() && GetFileAttributesA("Z:\\usr\\bin\\xdotool") != INVALID_FILE_ATTRIBUTES &&
         GetFileAttributesA("Z:\\bin\\sh") != INVALID_FILE_ATTRIBUTES;
}

// Runs a shell command line on the host (Wine starts Unix programs); the
// commands here only move and click the pointer.
bool Host(const std::string& command) {
  std::string line = "Z:\\bin\\sh -c \"" + command + "\"";
  STARTUPINFOA si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return false;
  if (pi.hProcess) CloseHandle(pi.hProcess);
  if (pi.hThread) CloseHandle(pi.hThread);
  return true;
}

// Clicks the first icon of Wine's tray with the given X button and waits
// until xdotool is through.
bool ClickTray(int button, int times = 1) {
  const std::string done = "/tmp/zvtray-click-" + std::to_string(GetCurrentProcessId());
  std::string windowsDone = "Z:" + done;
  for (char& c : windowsDone)
    if (c == '/') c = '\\';
  DeleteFileA(windowsDone.c_str());
  if (!Host("w=$(xdotool search --name '" + std::string(WineTray) +
            "' | head -n 1); xdotool mousemove --window $w 8 10 click --repeat " +
            std::to_string(times) + " --delay 60 " + std::to_string(button) + "; touch " + done))
    return false;
  const bool finished =
      PumpUntil([&] { return GetFileAttributesA(windowsDone.c_str()) != INVALID_FILE_ATTRIBUTES; });
  DeleteFileA(windowsDone.c_str());
  return finished;
}

int ownerNulls = 0;

LRESULT CALLBACK OwnerProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NULL) ++ownerNulls;
  return DefWindowProcA(wnd, msg, wp, lp);
}

HWND MakeOwner() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = OwnerProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "zvtrayowner";
  RegisterClassA(&wc);
  return CreateWindowExA(0, wc.lpszClassName, "tray owner", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                         wc.hInstance, nullptr);
}

struct ownerwindow {
  HWND Handle = MakeOwner();
  ~ownerwindow() { DestroyWindow(Handle); }
};

}  // namespace

TEST(Win32TrayIcon, RecordGoesOutInTheShell50LayoutOfThisArchitecture) {
  zv::ttrayicondata data;
  data.Window = reinterpret_cast<void*>(0x1234);
  data.ID = 7;
  data.Icon = reinterpret_cast<void*>(0x5678);
  std::memset(data.Tip, 'x', sizeof(data.Tip));  // even an unterminated tip is cut
  NOTIFYICONDATAA record;
  std::memset(&record, 0xEE, sizeof(record));
  zv::FillNotifyIconData(data, record);
#ifdef _WIN64
  EXPECT_EQ(record.cbSize, 504u);
#else
  EXPECT_EQ(record.cbSize, 488u);
#endif
  EXPECT_EQ(record.hWnd, reinterpret_cast<HWND>(0x1234));
  EXPECT_EQ(record.uID, 7u);
  EXPECT_EQ(record.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  EXPECT_EQ(record.uCallbackMessage, 0x0800u);
  EXPECT_EQ(record.hIcon, reinterpret_cast<HICON>(0x5678));
  EXPECT_EQ(std::string(record.szTip), std::string(127, 'x'));
  EXPECT_EQ(record.uVersion, 0u);
  EXPECT_EQ(record.dwState, 0u);
  EXPECT_EQ(record.szInfo[0], '\0');
  EXPECT_EQ(record.szInfoTitle[0], '\0');
  EXPECT_EQ(record.dwInfoFlags, 0u);
}

TEST(Win32TrayIcon, SharedWindowIsHiddenTopLevelAndLivesWithItsIcons) {
  ownerwindow owner;
  auto first = std::make_unique<TCoolTrayIcon>(zv::Win32TrayBackend(), owner.Handle);
  auto second = std::make_unique<TCoolTrayIcon>(zv::Win32TrayBackend(), nullptr);
  HWND wnd = static_cast<HWND>(first->IconData().Window);
  ASSERT_TRUE(IsWindow(wnd));
  EXPECT_EQ(second->IconData().Window, wnd);
  char cls[64] = {};
  GetClassNameA(wnd, cls, sizeof(cls));
  EXPECT_STREQ(cls, zv::TrayWindowClass);
  EXPECT_FALSE(IsWindowVisible(wnd));
  EXPECT_EQ(GetParent(wnd), nullptr);
  EXPECT_EQ(GetWindow(wnd, GW_OWNER), nullptr);
  SendMessageA(wnd, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(wnd));
  EXPECT_EQ(SendMessageA(wnd, WM_QUERYENDSESSION, 0, 0), 1);
  first.reset();
  EXPECT_TRUE(IsWindow(wnd));
  second.reset();
  EXPECT_FALSE(IsWindow(wnd));
  EXPECT_EQ(zv::TTrayIconHandler::Instance(), nullptr);
}

WNDPROC ProcedureOf(HWND wnd) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(wnd, GWLP_WNDPROC)); }

WNDPROC laterPrevious = nullptr;

// A procedure another part of a program puts in front of the hook.
LRESULT CALLBACK LaterProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  return CallWindowProcA(laterPrevious, wnd, msg, wp, lp);
}

TEST(Win32TrayIcon, OwnerHookPassesEveryMessageOnAndGivesTheProcedureBack) {
  // Two icons share one hook; the owner's procedure sees every message and
  // is its own again when the last icon goes.
  {
    ownerwindow owner;
    const WNDPROC own = ProcedureOf(owner.Handle);
    auto first = std::make_unique<TCoolTrayIcon>(zv::Win32TrayBackend(), owner.Handle);
    auto second = std::make_unique<TCoolTrayIcon>(zv::Win32TrayBackend(), owner.Handle);
    EXPECT_NE(ProcedureOf(owner.Handle), own);
    EXPECT_EQ(ProcedureOf(owner.Handle), zv::HookedTrayOwnerProcedure(owner.Handle));
    // No property per message: under Wine each lookup is a server round trip.
    EXPECT_EQ(GetPropA(owner.Handle, "CC32SubclassInfo"), nullptr);
    ownerNulls = 0;
    SendMessageA(owner.Handle, WM_NULL, 0, 0);
    EXPECT_EQ(ownerNulls, 1);
    first.reset();
    EXPECT_NE(ProcedureOf(owner.Handle), own);
    second.reset();
    EXPECT_EQ(ProcedureOf(owner.Handle), own);
    EXPECT_EQ(zv::HookedTrayOwnerProcedure(owner.Handle), nullptr);
  }
  // A procedure put in front of the hook later is not cut off: the hook
  // stays behind it and passes messages on.
  {
    ownerwindow owner;
    auto icon = std::make_unique<TCoolTrayIcon>(zv::Win32TrayBackend(), owner.Handle);
    laterPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(owner.Handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LaterProc)));
    icon.reset();
    EXPECT_EQ(ProcedureOf(owner.Handle), LaterProc);
    ownerNulls = 0;
    SendMessageA(owner.Handle, WM_NULL, 0, 0);
    EXPECT_EQ(ownerNulls, 1);
  }
  // The owner destroyed before its icon: nothing is left to give back.
  {
    auto owner = std::make_unique<ownerwindow>();
    const HWND wnd = owner->Handle;
    auto icon = std::make_unique<TCoolTrayIcon>(zv::Win32TrayBackend(), wnd);
    owner.reset();
    EXPECT_EQ(zv::HookedTrayOwnerProcedure(wnd), nullptr);
    icon.reset();
    ownerwindow another;  // a new window, perhaps at the same handle, is not hooked
    EXPECT_EQ(zv::HookedTrayOwnerProcedure(another.Handle), nullptr);
  }
}

TEST(Win32TrayIcon, IconAppearsInTheTrayAndGoesWithTheComponent) {
  if (!zv::RunningUnderWine()) GTEST_SKIP() << "looks for Wine's tray window";
  ownerwindow owner;
  ASSERT_EQ(TrayWindow(), nullptr) << "an icon of another test is still shown";
  {
    TCoolTrayIcon icon(zv::Win32TrayBackend(), owner.Handle);
    icon.SetHint("Zorvane");
    icon.SetIcon(LoadIconA(nullptr, IDI_APPLICATION));
    icon.Loaded();
    Pump();
    EXPECT_EQ(TrayWindow(), nullptr);  // start-up sends no add
    icon.SetHint("Zorvane (Active)");
    icon.SetIconVisible(true);
    ASSERT_TRUE(PumpUntil([] { return TrayWindow() != nullptr; }));
    Settle(500);  // let it paint
    SaveWindowScreenshot(TrayWindow(), "tray-icon.bmp");
    if (HaveXdotool()) {
      // Resting the pointer on the icon shows the tip (saved for looking at).
      ASSERT_TRUE(Host("w=$(xdotool search --name '" + std::string(WineTray) +
                       "' | head -n 1); xdotool mousemove --window $w 8 10"));
      HWND tip = nullptr;
      EXPECT_TRUE(PumpUntil([&] {
        tip = FindWindowA("tooltips_class32", nullptr);
        return tip && IsWindowVisible(tip);
      }));
      Settle(300);
      if (tip) SaveWindowScreenshot(tip, "tray-tip.bmp");
      Host("xdotool mousemove 0 0");
    }

    icon.SetIconVisible(false);
    EXPECT_TRUE(PumpUntil([] { return TrayWindow() == nullptr; }));
    icon.SetIconVisible(true);
    EXPECT_TRUE(PumpUntil([] { return TrayWindow() != nullptr; }));
  }
  EXPECT_TRUE(PumpUntil([] { return TrayWindow() == nullptr; }));
}

TEST(Win32TrayIcon, TaskbarRestartBringsTheIconBack) {
  if (!zv::RunningUnderWine()) GTEST_SKIP() << "looks for Wine's tray window";
  TCoolTrayIcon icon(zv::Win32TrayBackend(), nullptr);
  icon.SetIcon(LoadIconA(nullptr, IDI_APPLICATION));
  icon.SetIconVisible(true);
  ASSERT_TRUE(PumpUntil([] { return TrayWindow() != nullptr; }));
  // The shell loses the icon, as when its taskbar is recreated.
  NOTIFYICONDATAA record;
  zv::FillNotifyIconData(icon.IconData(), record);
  Shell_NotifyIconA(NIM_DELETE, &record);
  ASSERT_TRUE(PumpUntil([] { return TrayWindow() == nullptr; }));
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0,
                      SMTO_ABORTIFHUNG, 2000, &answer);
  EXPECT_TRUE(PumpUntil([] { return TrayWindow() != nullptr; }));
  icon.SetIconVisible(false);
  PumpUntil([] { return TrayWindow() == nullptr; });
}

TEST(Win32TrayIcon, ClickingTheIconFiresTheClickOnlyWhileEnabled) {
  if (!HaveXdotool()) GTEST_SKIP() << "needs Wine and xdotool on the host";
  ownerwindow owner;
  TCoolTrayIcon icon(zv::Win32TrayBackend(), owner.Handle);
  int clicks = 0, doubleClicks = 0;
  icon.OnClick = [&](TCoolTrayIcon&) { ++clicks; };
  icon.OnDblClick = [&](TCoolTrayIcon&) { ++doubleClicks; };
  icon.SetIcon(LoadIconA(nullptr, IDI_APPLICATION));
  icon.SetHint("Zorvane (Active)");
  icon.Loaded();
  icon.SetIconVisible(true);
  ASSERT_TRUE(PumpUntil([] { return TrayWindow() != nullptr; }));

  ASSERT_TRUE(ClickTray(1));
  EXPECT_TRUE(PumpUntil([&] { return clicks > 0; }));
  Settle(300);
  EXPECT_EQ(clicks, 1);

  // A double click is one click and one double click.
  ASSERT_TRUE(ClickTray(1, 2));
  EXPECT_TRUE(PumpUntil([&] { return doubleClicks > 0; }));
  Settle(300);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(doubleClicks, 1);

  icon.SetEnabled(false);
  ASSERT_TRUE(ClickTray(1));
  Settle(500);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(doubleClicks, 1);
  icon.SetIconVisible(false);
  PumpUntil([] { return TrayWindow() == nullptr; });
}

namespace {

bool menuSeen = false;

// Runs inside the menu's own message loop: note the open menu, close it.
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
  HWND menu = FindWindowA("#32768", nullptr);
  if (menu && IsWindowVisible(menu)) {
    menuSeen = true;
    KillTimer(nullptr, id);
    EndMenu();
  }
}

}  // namespace

TEST(Win32TrayIcon, RightButtonOpensTheContextMenuAtTheCursor) {
  if (!HaveXdotool()) GTEST_SKIP() << "needs Wine and xdotool on the host";
  ownerwindow owner;
  HMENU items = CreatePopupMenu();
  AppendMenuA(items, MF_STRING, 1, "Shortcut Editor...");
  AppendMenuA(items, MF_STRING, 4, "Exit");
  zv::twin32traymenu menu(items, owner.Handle);
  TCoolTrayIcon icon(zv::Win32TrayBackend(), owner.Handle);
  icon.SetPopupMenu(&menu);
  icon.SetIcon(LoadIconA(nullptr, IDI_APPLICATION));
  icon.SetIconVisible(true);
  ASSERT_TRUE(PumpUntil([] { return TrayWindow() != nullptr; }));

  menuSeen = false;
  ownerNulls = 0;
  UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseMenu);
  icon.SetEnabled(false);
  ASSERT_TRUE(ClickTray(3));
  Settle(500);
  EXPECT_FALSE(menuSeen);
  EXPECT_EQ(ownerNulls, 0);
  icon.SetEnabled(true);
  ASSERT_TRUE(ClickTray(3));
  EXPECT_TRUE(PumpUntil([] { return menuSeen; }));
  KillTimer(nullptr, timer);
  EXPECT_EQ(menu.PopupComponent, &icon);
  // WM_NULL was posted to the owner after the menu closed.
  EXPECT_TRUE(PumpUntil([] { return ownerNulls > 0; }));
  icon.SetIconVisible(false);
  PumpUntil([] { return TrayWindow() == nullptr; });
  DestroyMenu(items);
}
