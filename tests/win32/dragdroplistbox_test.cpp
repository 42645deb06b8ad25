// The editor's list box hook: every message reaches the list, the list's
// own procedure comes back when the hook goes, and a list destroyed first
// leaves nothing behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "components/tdragdroplistbox_win32.h"

using zv::TDragDropListBox;

namespace {

HWND MakeList() {
  return CreateWindowExA(0, "LISTBOX", "", WS_POPUP | LBS_HASSTRINGS, 0, 0, 100, 100, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

WNDPROC ProcedureOf(HWND wnd) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(wnd, GWLP_WNDPROC)); }

WNDPROC laterPrevious = nullptr;

// A procedure another part of a program puts in front of the hook.
LRESULT CALLBACK LaterProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  return CallWindowProcA(laterPrevious, wnd, msg, wp, lp);
}

TEST(DragDropListBox, HookPassesMessagesOnAndGivesTheListItsProcedureBack) {
  HWND list = MakeList();
  ASSERT_NE(list, nullptr);
  const WNDPROC own = ProcedureOf(list);
  {
    TDragDropListBox hooked;
    ASSERT_TRUE(hooked.Attach(list));
    EXPECT_FALSE(hooked.Attach(list)) << "attached twice";
    EXPECT_EQ(hooked.Handle(), list);
    EXPECT_NE(ProcedureOf(list), own);
    // No property per message: under Wine each lookup is a server round trip.
    EXPECT_EQ(GetPropA(list, "CC32SubclassInfo"), nullptr);
    EXPECT_EQ(SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("row")), 0);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 1);
    EXPECT_TRUE(GetWindowLongA(list, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  }
  EXPECT_EQ(ProcedureOf(list), own);
  EXPECT_EQ(GetWindowLongPtrA(list, GWLP_USERDATA), 0);
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 1);
  DestroyWindow(list);

  // A procedure put in front of the hook later: the hook, gone first, is
  // not cut out of the chain; it stays behind the other one and only passes
  // messages on, with no object of its own left to reach.
  {
    list = MakeList();
    auto behind = std::make_unique<TDragDropListBox>();
    ASSERT_TRUE(behind->Attach(list));
    laterPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LaterProc)));
    behind.reset();
    EXPECT_EQ(ProcedureOf(list), LaterProc);
    EXPECT_EQ(SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("row")), 0);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 1);
    DestroyWindow(list);
  }

  // The list destroyed before the hook: the hook lets go of it.
  auto hook = std::make_unique<TDragDropListBox>();
  list = MakeList();
  ASSERT_TRUE(hook->Attach(list));
  DestroyWindow(list);
  EXPECT_EQ(hook->Handle(), nullptr);
  hook.reset();
}

}  // namespace
