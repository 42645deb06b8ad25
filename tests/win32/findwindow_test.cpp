// The find window on screen: what typing in its edit box leaves in the
// list, what its keys do, and which entry Enter and a click report.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/tfindwindow_win32.h"
#include "list_helpers.h"
#include "model/hotkeytext.h"
#include "win32/modalscript.h"

using namespace zv;

namespace {

int Rows(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); }
int Selected(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)); }
void Key(HWND wnd, UINT vk) { SendMessageA(wnd, WM_KEYDOWN, vk, 0); }
void Type(HWND edit, const char* text) { SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)); }

TEST(FindShortcutWindow, TypingFiltersTheRowsAndTheKeysMoveAndStartTheChosenEntry) {
  tzvshortcutlist list;
  Append(list, MakeShortcut(stApplication, "Notepad", "C:\\Windows\\notepad.exe"));
  Append(list, Separator());
  Append(list, Group("Tools"));
  Append(list, AtLevel(MakeShortcut(stApplication, "Registry Editor", "C:\\Windows\\regedit.exe", 0x6052), 1));
  Append(list, AtLevel(MakeShortcut(stFolder, "Notes", "C:\\Notes"), 1));
  std::vector<tmenuchoice> chosen;
  tfindwindow find;
  find.IconIndex = [](const std::string&) { return -1; };
  find.OnChoice = [&](const tmenuchoice& c) { chosen.push_back(c); };
  find.Show(list);
  ASSERT_TRUE(find.Shown());
  HWND wnd = find.Handle();
  EXPECT_EQ(TextOf(wnd), "Find Shortcut");
  EXPECT_TRUE(GetWindowLongA(wnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) << "no taskbar button";
  HWND edit = find.Edit(), rows = find.List();
  EXPECT_EQ(GetFocus(), edit);

  // Nothing typed: every entry in list order, neither separators nor groups.
  ASSERT_EQ(Rows(rows), 3);
  EXPECT_EQ(find.IndexAt(0), 0);
  EXPECT_EQ(find.IndexAt(1), 3);
  EXPECT_EQ(find.IndexAt(2), 4);
  EXPECT_EQ(Selected(rows), 0);

  // Caption word starts.
  Type(edit, "no");
  ASSERT_EQ(Rows(rows), 2);
  EXPECT_EQ(find.RowAt(0).Caption, "Notepad");
  EXPECT_EQ(find.RowAt(1).Caption, "Notes");
  EXPECT_EQ(find.RowAt(1).GroupPath, "Tools");
  // A group's name finds what it holds; the row shows its hotkey.
  Type(edit, "tools reg");
  ASSERT_EQ(Rows(rows), 1);
  EXPECT_EQ(find.RowAt(0).Caption, "Registry Editor");
  EXPECT_EQ(find.RowAt(0).GroupPath, "Tools");
  EXPECT_EQ(HotkeyToText(find.RowAt(0).Hotkey), HotkeyToText(0x6052));
  // Each row holds what a screen reader reads of it.
  char read[128] = {};
  SendMessageA(rows, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(read));
  EXPECT_EQ(std::string(read), "Registry Editor, Tools, " + HotkeyToText(0x6052));
  Type(edit, "zzz");
  EXPECT_EQ(Rows(rows), 0);
  Key(edit, VK_RETURN);
  EXPECT_TRUE(chosen.empty()) << "Enter over no rows started something";
  EXPECT_TRUE(find.Shown());

  // The keys move the selection and stop at the ends; Enter starts it.
  Type(edit, "");
  ASSERT_EQ(Rows(rows), 3);
  Key(edit, VK_DOWN);
  EXPECT_EQ(Selected(rows), 1);
  Key(edit, VK_NEXT);
  EXPECT_EQ(Selected(rows), 2);
  Key(edit, VK_DOWN);
  EXPECT_EQ(Selected(rows), 2);
  Key(edit, VK_PRIOR);
  EXPECT_EQ(Selected(rows), 0);
  Key(edit, VK_UP);
  EXPECT_EQ(Selected(rows), 0);
  Key(edit, VK_DOWN);
  Key(edit, VK_RETURN);
  ASSERT_EQ(chosen.size(), 1u);
  EXPECT_EQ(chosen[0].Index, 3);
  EXPECT_FALSE(chosen[0].Ctrl || chosen[0].Shift);
  EXPECT_FALSE(find.Shown()) << "the window stayed open after a start";

  // Opened again: the text is gone, every entry shows; Enter takes the first.
  find.Show(list);
  ASSERT_TRUE(find.Shown());
  EXPECT_EQ(TextOf(edit), "");
  EXPECT_EQ(Rows(rows), 3);
  Type(edit, "notes");
  Key(edit, VK_RETURN);
  ASSERT_EQ(chosen.size(), 2u);
  EXPECT_EQ(chosen[1].Index, 4);

  // A click on a row starts that row.
  find.Show(list);
  RECT second = {};
  SendMessageA(rows, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
  const LPARAM at = MAKELPARAM(second.left + 20, (second.top + second.bottom) / 2);
  SendMessageA(rows, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(rows, WM_LBUTTONUP, 0, at);
  ASSERT_EQ(chosen.size(), 3u);
  EXPECT_EQ(chosen[2].Index, 3);
  EXPECT_FALSE(find.Shown());

  // Asked for again while open: the text stays, over the list as it is now.
  find.Show(list);
  Type(edit, "no");
  Append(list, MakeShortcut(stApplication, "Nomad", "C:\\nomad.exe"));
  find.Show(list);
  EXPECT_EQ(TextOf(edit), "no");
  ASSERT_EQ(Rows(rows), 3);
  EXPECT_EQ(find.RowAt(2).Caption, "Nomad");

  // Escape closes without a start, as does the close button.
  Key(edit, VK_ESCAPE);
  EXPECT_FALSE(find.Shown());
  find.Show(list);
  SendMessageA(wnd, WM_CLOSE, 0, 0);
  EXPECT_FALSE(find.Shown());
  // Another window brought forward (a click elsewhere) closes it too.
  find.Show(list);
  HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                               nullptr, nullptr);
  ASSERT_TRUE(other);
  SetActiveWindow(other);
  EXPECT_FALSE(find.Shown()) << "the window stayed open behind another";
  DestroyWindow(other);
  EXPECT_EQ(chosen.size(), 3u);
}

// The window's one Tab stop is its edit box: the rows follow it by Up and
// Down, so Tab leaves the focus, the typed text and the selection alone.
TEST(FindShortcutWindow, TabKeepsTheFocusWhereTypingGoesOn) {
  tzvshortcutlist list;
  Append(list, MakeShortcut(stApplication, "Notepad", "C:\\Windows\\notepad.exe"));
  Append(list, MakeShortcut(stFolder, "Notes", "C:\\Notes"));
  tfindwindow find;
  find.IconIndex = [](const std::string&) { return -1; };
  find.Show(list);
  ASSERT_TRUE(find.Shown());
  HWND edit = find.Edit(), rows = find.List();
  Type(edit, "no");
  Key(edit, VK_DOWN);
  for (int i = 0; i < 3; ++i) PostKey(edit, VK_TAB, '\t');
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(TextOf(edit), "no");
  EXPECT_EQ(Selected(rows), 1);
  EXPECT_TRUE(find.Shown());
  Key(edit, VK_ESCAPE);
}

}  // namespace
