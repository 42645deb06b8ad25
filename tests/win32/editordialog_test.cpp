// The shortcut editor window under Wine, driven from inside its modal loop:
// files dropped as the shell drops them, a row dragged with the mouse, the
// Delete key's question, and what OK hands back.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "editor/editortexts.h"
#include "editor/teditordialog_win32.h"
#include "screenshot.h"
#include "win32/keyboardaccess.h"
#include "win32/modalscript.h"
#include "win32/tempfolder.h"

using namespace zv;

namespace {

class tkeptlisthost : public twin32editorhost {
 public:
  void CreateEditorWindow(teditorcommands& c) override {
    commands = &c;
    twin32editorhost::CreateEditorWindow(c);
  }
  bool SaveToRegistry(tzvshortcutlist& list) override {
    saved = list.Count();
    return true;
  }
  teditorcommands* commands = nullptr;
  int saved = -1;
};

std::unique_ptr<tzvshortcut> FileShortcut(const std::string& caption) {
  auto s = std::make_unique<tzvshortcut>();
  s->ShortcutType = 2;
  s->Caption = caption;
  s->Path = "C:\\" + caption + ".txt";
  return s;
}

// A drop block of this process, as the shell hands it over.
HDROP MakeDrop(const std::vector<std::string>& files, POINT at) {
  std::string names;
  for (const std::string& f : files) names += f + '\0';
  names += '\0';
  HGLOBAL block = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
  auto* d = static_cast<DROPFILES*>(GlobalLock(block));
  d->pFiles = sizeof(DROPFILES);
  d->pt = at;
  std::memcpy(reinterpret_cast<char*>(d) + sizeof(DROPFILES), names.data(), names.size());
  GlobalUnlock(block);
  return static_cast<HDROP>(block);
}

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

void AddFiles(tzvshortcutlist& list, int n) {
  for (int i = 0; i < n; ++i) {
    auto s = FileShortcut("F" + std::to_string(i));
    list.Add(s, true);
  }
}

RECT RowRect(HWND list, int row) {
  RECT r = {};
  SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
  return r;
}

int TopRow(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0)); }

// Rows drawn while a call runs: the editor window's WM_DRAWITEM counted.
LRESULT CALLBACK CountDrawItems(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR count) {
  if (msg == WM_DRAWITEM) ++*reinterpret_cast<int*>(count);
  return DefSubclassProc(wnd, msg, wp, lp);
}

// Runs the steps in the editor over list and ends it with OK.
bool RunEditor(tzvshortcutlist& list, tkeptlisthost& host, std::vector<std::function<void()>> steps) {
  steps.push_back([&host] { host.Dialog()->oklblClick(); });
  tmodalscript script(std::move(steps));
  bool accepted = false;
  script.Run([&] { accepted = EditShortcutList(list, host); }, [&] {
    if (host.Dialog()) host.Dialog()->Close();
  });
  EXPECT_FALSE(script.TimedOut());
  return accepted;
}

}  // namespace

TEST(EditorWindow, DroppedFilesDraggedRowAndDeleteKeyReachTheListOnOK) {
  ttempfolder folder("zveditor");
  const std::string app = folder.Path + "app.exe", data = folder.Path + "Data.old";
  HANDLE f = CreateFileA(app.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  CloseHandle(f);
  ASSERT_TRUE(CreateDirectoryA(data.c_str(), nullptr));

  tzvshortcutlist list;
  for (const char* c : {"A", "B", "C"}) {
    auto s = FileShortcut(c);
    list.Add(s, true);
  }
  tkeptlisthost host;
  std::vector<std::string> seen;
  std::string boxText;
  auto lb = [&] { return host.Dialog()->shortcutslb.Handle(); };
  auto rows = [&] { return static_cast<int>(SendMessageA(lb(), LB_GETCOUNT, 0, 0)); };
  auto rect = [&](int row) {
    RECT r = {};
    SendMessageA(lb(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    return r;
  };
  auto status = [&] { return host.Dialog()->statuslbl->Text(); };
  tmodalscript script({
      [&] {
        // Two paths on the lower half of row 0: they become rows 1 and 2.
        const RECT r = rect(0);
        SendMessageA(lb(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({app, data}, {10, r.bottom - 2})), 0);
        seen.push_back(std::to_string(rows()) + " " + host.Dialog()->countlbl->Text());
      },
      [&] {
        // Row 4 (C) pressed and dragged onto the upper half of row 0.
        const RECT from = rect(4), to = rect(0);
        SendMessageA(lb(), WM_LBUTTONDOWN, MK_LBUTTON, Point(20, from.top + 3));
        SendMessageA(lb(), WM_MOUSEMOVE, MK_LBUTTON, Point(20, from.top - 10));
        SendMessageA(lb(), WM_MOUSEMOVE, MK_LBUTTON, Point(20, to.top + 2));
        seen.push_back(status());
        SendMessageA(lb(), WM_LBUTTONUP, 0, Point(20, to.top + 2));
        seen.push_back(status());
      },
      [&] {
        // Row 1 (A) selected; Delete asks first.
        SendMessageA(lb(), LB_SETSEL, FALSE, -1);
        SendMessageA(lb(), LB_SETSEL, TRUE, 1);
        SendMessageA(lb(), LB_SETCARETINDEX, 1, FALSE);
        PostMessageA(lb(), WM_KEYDOWN, VK_DELETE, 0);
      },
      [&] {
        HWND box = FindWindowA("#32770", DeleteShortcutTitle);
        if (!box) return;
        char text[256] = {};
        for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
          char cls[32] = {};
          GetClassNameA(c, cls, sizeof(cls));
          if (lstrcmpiA(cls, "Static") == 0 && GetWindowTextA(c, text, sizeof(text)) > 0) boxText += text;
        }
        PostMessageA(box, WM_COMMAND, IDYES, 0);
      },
      [&] {
        seen.push_back(std::to_string(rows()));
        host.Dialog()->oklblClick();
      },
  });
  bool accepted = false;
  script.Run([&] { accepted = EditShortcutList(list, host); }, [&] {
    if (host.Dialog()) host.Dialog()->Close();
  });
  RemoveDirectoryA(data.c_str());
  ASSERT_FALSE(script.TimedOut());
  ASSERT_TRUE(accepted);
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[0], "5 5 Shortcuts");
  EXPECT_EQ(seen[1], "Move shortcut \"C\" before shortcut \"A\"");
  EXPECT_EQ(seen[2], MoveHint);
  EXPECT_EQ(boxText, "Do you really want to delete the shortcut \"A\"?");
  EXPECT_EQ(seen[3], "4");
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(host.saved, 4);
  EXPECT_EQ(list.GetItem(0)->Caption, "C");
  EXPECT_EQ(list.GetItem(1)->Caption, "app");
  EXPECT_EQ(list.GetItem(1)->ShortcutType, 1);
  EXPECT_EQ(list.GetItem(1)->WorkingDir, folder.Bare());
  EXPECT_EQ(list.GetItem(2)->Caption, "Data");
  EXPECT_EQ(list.GetItem(2)->ShortcutType, 3);
  EXPECT_EQ(list.GetItem(3)->Caption, "B");
}

TEST(EditorWindow, FilesDroppedBelowTheRowsOfAScrolledListComeIntoView) {
  tzvshortcutlist list;
  AddFiles(list, 30);  // more than the list shows
  tkeptlisthost host;
  int topBefore = -1, rows = 0;
  RECT client = {}, last = {}, first = {};
  auto lb = [&] { return host.Dialog()->shortcutslb.Handle(); };
  ASSERT_TRUE(RunEditor(list, host, {
      [&] {
        // The caret on row 0, the view scrolled to the end.
        SendMessageA(lb(), LB_SETCARETINDEX, 0, FALSE);
        SendMessageA(lb(), LB_SETTOPINDEX, 29, 0);
        topBefore = TopRow(lb());
        GetClientRect(lb(), &client);
        // On the scroll bar, right of the rows: appended.
        SendMessageA(lb(), WM_DROPFILES,
                     reinterpret_cast<WPARAM>(MakeDrop({"C:\\new1.txt", "C:\\new2.txt"}, {client.right + 4, 20})), 0);
        rows = static_cast<int>(SendMessageA(lb(), LB_GETCOUNT, 0, 0));
        first = RowRect(lb(), 30);
        last = RowRect(lb(), 31);
        RedrawWindow(host.Dialog()->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        SaveWindowScreenshot(host.Dialog()->Handle(), "editor-drop-in-view.bmp");
      },
  }));
  EXPECT_GT(topBefore, 0) << "the list did not scroll";
  EXPECT_EQ(rows, 32);
  // Both new rows are in sight, whole.
  EXPECT_GE(first.top, 0);
  EXPECT_LE(last.bottom, client.bottom);
  EXPECT_EQ(list.GetItem(31)->Path, "C:\\new2.txt");
}

TEST(EditorWindow, CtrlASelectsEveryRowWithRepaintingSuspendedAndTheViewStays) {
  tzvshortcutlist list;
  AddFiles(list, 20);
  tkeptlisthost host;
  int drawn = -1, selected = 0, top = -1;
  auto lb = [&] { return host.Dialog()->shortcutslb.Handle(); };
  ASSERT_TRUE(RunEditor(list, host, {
      [&] {
        HWND form = host.Dialog()->Handle();
        RedrawWindow(form, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        drawn = 0;
        SetWindowSubclass(form, CountDrawItems, 1, reinterpret_cast<DWORD_PTR>(&drawn));
        host.commands->SetSelection(std::vector<bool>(20, false), 0);
        host.Dialog()->ApplyOutcome(host.commands->FormKeyDown(vkA, true));
        RemoveWindowSubclass(form, CountDrawItems, 1);
        selected = static_cast<int>(SendMessageA(lb(), LB_GETSELCOUNT, 0, 0));
        top = TopRow(lb());
      },
  }));
  // No row drawn while the rows were selected one by one: they are painted
  // once, afterwards.
  EXPECT_EQ(drawn, 0);
  EXPECT_EQ(selected, 20);
  EXPECT_EQ(top, 0);
}

// Rows past 65,535 are selected too: a run's bounds do not fit 16 bits.
TEST(EditorWindow, SelectionReachesRowsBeyond65535) {
  constexpr int rows = 70000;
  tzvshortcutlist list;
  AddFiles(list, rows);
  tkeptlisthost host;
  int all = 0, run = 0, below = -1, last = -1;
  auto lb = [&] { return host.Dialog()->shortcutslb.Handle(); };
  ASSERT_TRUE(RunEditor(list, host, {
      [&] {
        host.Dialog()->ApplyOutcome(host.commands->FormKeyDown(vkA, true));
        all = static_cast<int>(SendMessageA(lb(), LB_GETSELCOUNT, 0, 0));
        std::vector<bool> picked(rows, false);
        for (int i = 65530; i < 65540; ++i) picked[static_cast<std::size_t>(i)] = true;
        picked[rows - 1] = true;
        host.commands->SetSelection(picked, rows - 1);
        teditoroutcome shown;
        shown.SelectionChanged = true;
        host.Dialog()->ApplyOutcome(shown);
        run = static_cast<int>(SendMessageA(lb(), LB_GETSELCOUNT, 0, 0));
        below = static_cast<int>(SendMessageA(lb(), LB_GETSEL, 65529, 0));
        last = static_cast<int>(SendMessageA(lb(), LB_GETSEL, rows - 1, 0));
      },
  }));
  EXPECT_EQ(all, rows);
  EXPECT_EQ(run, 11);
  EXPECT_EQ(below, 0);
  EXPECT_GT(last, 0);
}

TEST(EditorWindow, TheRowChosenByTheContextKeyShowsSelectedBeforeItsPropertiesOpen) {
  tzvshortcutlist list;
  AddFiles(list, 3);
  tkeptlisthost host;
  bool propertiesOpen = false, lastSelected = false;
  int selectedCount = -1;
  auto lb = [&] { return host.Dialog()->shortcutslb.Handle(); };
  ASSERT_TRUE(RunEditor(list, host, {
      [&] {
        SendMessageA(lb(), LB_SETSEL, TRUE, 0);
        SendMessageA(lb(), LB_SETCARETINDEX, 0, FALSE);
        // The context-menu key: no position.
        PostMessageA(host.Dialog()->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(lb()), -1);
      },
      [&] {
        HWND properties = FindWindowA("tzvshortcutdialog", nullptr);
        propertiesOpen = properties && IsWindowVisible(properties);
        lastSelected = SendMessageA(lb(), LB_GETSEL, 2, 0) > 0;
        selectedCount = static_cast<int>(SendMessageA(lb(), LB_GETSELCOUNT, 0, 0));
        SaveWindowScreenshot(GetDesktopWindow(), "editor-context-key.bmp");
        if (properties) PostMessageA(properties, WM_CLOSE, 0, 0);
      },
      [] {},
  }));
  EXPECT_TRUE(propertiesOpen);
  EXPECT_TRUE(lastSelected);
  EXPECT_EQ(selectedCount, 1);
}

TEST(EditorWindow, OKRunsOnlyForAPressAndAReleaseOnIt) {
  tzvshortcutlist list;
  AddFiles(list, 1);
  tkeptlisthost host;
  bool openAfterStrayReleases = false;
  tmodalscript script({
      [&] {
        teditordialog* d = host.Dialog();
        const RECT& picture = d->okimg->Bounds;
        const LPARAM onPicture = Point((picture.left + picture.right) / 2, (picture.top + picture.bottom) / 2);
        // The second click of a double-click that closed a file dialog over
        // the editor: only its release lands, on the label and the picture.
        SendMessageA(d->oklbl->Handle(), WM_LBUTTONUP, 0, Point(4, 4));
        SendMessageA(d->Handle(), WM_LBUTTONUP, 0, onPicture);
        // Pressed on the picture, released on the label.
        SendMessageA(d->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, onPicture);
        SendMessageA(d->oklbl->Handle(), WM_LBUTTONUP, 0, Point(4, 4));
        SendMessageA(d->Handle(), WM_LBUTTONUP, 0, Point(300, 200));
        openAfterStrayReleases = d->ModalResult() == tmodalresult::None && !host.commands->accepted;
      },
      [&] { PostClick(host.Dialog()->oklbl->Handle(), 4, 4); },
  });
  bool accepted = false;
  script.Run([&] { accepted = EditShortcutList(list, host); }, [&] {
    if (host.Dialog()) host.Dialog()->Close();
  });
  EXPECT_FALSE(script.TimedOut());
  EXPECT_TRUE(openAfterStrayReleases);
  EXPECT_TRUE(accepted);
}

TEST(EditorWindow, OKPictureRunsOnAPressAndAReleaseOnIt) {
  tzvshortcutlist list;
  AddFiles(list, 1);
  tkeptlisthost host;
  tmodalscript script({
      [&] {
        const RECT& picture = host.Dialog()->okimg->Bounds;
        PostClick(host.Dialog()->Handle(), (picture.left + picture.right) / 2, (picture.top + picture.bottom) / 2);
      },
  });
  bool accepted = false;
  script.Run([&] { accepted = EditShortcutList(list, host); }, [&] {
    if (host.Dialog()) host.Dialog()->Close();
  });
  EXPECT_FALSE(script.TimedOut());
  EXPECT_TRUE(accepted);
}

TEST(EditorWindow, ARowDragRepaintsOnlyTheStatusLineAndErasingSparesTheRows) {
  tzvshortcutlist list;
  AddFiles(list, 3);
  tkeptlisthost host;
  bool statusToRepaint = false, countToRepaint = true;
  RECT formToRepaint = {0, 0, 1, 1}, statusLine = {};
  COLORREF onRow = 0, belowRows = 0;
  std::string during;
  auto lb = [&] { return host.Dialog()->shortcutslb.Handle(); };
  ASSERT_TRUE(RunEditor(list, host, {
      [&] {
        teditordialog* d = host.Dialog();
        RedrawWindow(d->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const RECT from = RowRect(lb(), 2), to = RowRect(lb(), 0);
        SendMessageA(lb(), WM_LBUTTONDOWN, MK_LBUTTON, Point(20, from.top + 3));
        SendMessageA(lb(), WM_MOUSEMOVE, MK_LBUTTON, Point(20, from.top - 10));
        SendMessageA(lb(), WM_MOUSEMOVE, MK_LBUTTON, Point(20, to.top + 2));
        during = d->statuslbl->Text();
        // The window itself: at most the strip a narrower status text uncovered.
        GetUpdateRect(d->Handle(), &formToRepaint, FALSE);
        GetWindowRect(d->statuslbl->Handle(), &statusLine);
        MapWindowPoints(nullptr, d->Handle(), reinterpret_cast<POINT*>(&statusLine), 2);
        statusToRepaint = GetUpdateRect(d->statuslbl->Handle(), nullptr, FALSE) != FALSE;
        countToRepaint = GetUpdateRect(d->countlbl->Handle(), nullptr, FALSE) != FALSE;
        d->shortcutslb.CancelDrag();

        // The list's erasing, into a picture already holding its rows.
        RECT client;
        GetClientRect(lb(), &client);
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bmp = CreateCompatibleBitmap(screen, client.right, client.bottom);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(dc, bmp);
        HBRUSH marker = CreateSolidBrush(RGB(1, 2, 3));
        FillRect(dc, &client, marker);
        SendMessageA(lb(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        onRow = GetPixel(dc, 50, (from.top + from.bottom) / 2);
        belowRows = GetPixel(dc, 50, from.bottom + 5);
        SelectObject(dc, old);
        DeleteObject(marker);
        DeleteObject(bmp);
        DeleteDC(dc);
      },
  }));
  EXPECT_EQ(during, "Move shortcut \"F2\" before shortcut \"F0\"");
  EXPECT_TRUE(statusToRepaint);
  EXPECT_TRUE(IsRectEmpty(&formToRepaint) ||
              (formToRepaint.top >= statusLine.top && formToRepaint.bottom <= statusLine.bottom &&
               formToRepaint.left >= statusLine.left))
      << "the window is repainted from " << formToRepaint.left << "," << formToRepaint.top << " to "
      << formToRepaint.right << "," << formToRepaint.bottom << " for a new status text";
  EXPECT_FALSE(countToRepaint);
  EXPECT_EQ(onRow, RGB(1, 2, 3)) << "erasing paints over the rows";
  EXPECT_EQ(belowRows, GetSysColor(COLOR_WINDOW));
}

// ---- the keyboard alone

TEST(EditorWindow, KeysReachEveryCommandAndTheFocusComesBackAfterEachQuestion) {
  tzvshortcutlist list;
  AddFiles(list, 2);
  tkeptlisthost host;
  std::string clashes = "not read";
  std::vector<std::string> order;
  HWND afterProperties = nullptr, afterBox = nullptr, listWindow = nullptr;
  bool propertiesOpened = false;
  auto lb = [&] { return host.Dialog()->shortcutslb.Handle(); };
  auto note = [&] {
    HWND f = GetFocus();
    order.push_back(f == lb() ? std::string("list") : WindowTextOf(f));
  };
  auto altKey = [](char c) { PostMessageA(GetFocus(), WM_SYSCHAR, static_cast<unsigned char>(c), 1 | (1 << 29)); };
  std::vector<std::function<void()>> steps = {[&] {
    clashes = AccessKeyClashes(host.Dialog()->Handle());
    listWindow = lb();
    // Ctrl+Tab leaves the list (its Tab moves rows): the test cannot hold
    // Ctrl down for posted keys, so it puts the focus on the first command.
    SetFocus(host.Dialog()->newlbl->Handle());
    note();
  }};
  for (int i = 0; i < 13; ++i) {
    steps.push_back([] { PostKey(GetFocus(), VK_TAB, '\t'); });
    steps.push_back(note);
    if (i == 10) steps.push_back([] { SaveWindowScreenshot(GetActiveWindow(), "editor-tab-focus.bmp"); });
  }
  // Alt+E edits the selected row; Alt+O in the properties is OK, and the
  // list has the focus again. So it has after the question of Delete.
  steps.push_back([&] {
    SendMessageA(lb(), LB_SETSEL, TRUE, 0);
    SendMessageA(lb(), LB_SETCARETINDEX, 0, FALSE);
    altKey('e');
  });
  steps.push_back([&] {
    HWND properties = FindWindowA("tzvshortcutdialog", nullptr);
    propertiesOpened = properties && IsWindowVisible(properties);
    altKey('o');
  });
  steps.push_back([&] { afterProperties = GetFocus(); });
  steps.push_back([&] { PostMessageA(lb(), WM_KEYDOWN, VK_DELETE, 0); });
  steps.push_back([&] {
    if (HWND box = FindWindowA("#32770", DeleteShortcutTitle)) PostMessageA(box, WM_COMMAND, IDNO, 0);
  });
  steps.push_back([&] { afterBox = GetFocus(); });
  EXPECT_TRUE(RunEditor(list, host, steps));
  EXPECT_EQ(clashes, "");
  const std::vector<std::string> expected = {
      "Create a &new shortcut", "&Edit the selected shortcut", "D&uplicate the selected shortcut",
      "&Delete the selected shortcut", "Insert a &separator", "Insert a &group", "Dissol&ve the selected group",
      "&Import a shortcut list", "E&xport the shortcut list", "C&lear the shortcut list", "&OK", "&Cancel",
      "list", "list"};  // in the list Tab is the rows' (here: nothing to go into)
  EXPECT_EQ(order, expected);
  EXPECT_TRUE(propertiesOpened) << "Alt+E did not open the properties";
  EXPECT_EQ(afterProperties, listWindow);
  EXPECT_EQ(afterBox, listWindow);
  EXPECT_EQ(list.Count(), 2);
}

TEST(EditorWindow, AnAmpersandOfACaptionShowsInTheStatusLine) {
  tzvshortcutlist list;
  auto s = FileShortcut("Tom & Jerry");
  list.Add(s, true);
  AddFiles(list, 1);
  tkeptlisthost host;
  std::string status;
  int shown = -1, withoutAmpersand = -1;
  auto lb = [&] { return host.Dialog()->shortcutslb.Handle(); };
  // Where the ink of the status line's text ends.
  auto inkEnd = [&] {
    HWND label = host.Dialog()->statuslbl->Handle();
    RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT r;
    GetClientRect(label, &r);
    HDC dc = GetDC(label);
    const COLORREF paper = GetPixel(dc, r.right - 1, 0) & 0xFFFFFF;
    int end = -1;
    for (int x = 0; x < r.right; ++x)
      for (int y = 0; y < r.bottom; ++y)
        if ((GetPixel(dc, x, y) & 0xFFFFFF) != paper) end = x;
    ReleaseDC(label, dc);
    return end;
  };
  ASSERT_TRUE(RunEditor(list, host, {
      [&] {
        // Row 0 pressed and dragged onto row 1: the status line names both.
        const RECT from = RowRect(lb(), 0), to = RowRect(lb(), 1);
        SendMessageA(lb(), WM_LBUTTONDOWN, MK_LBUTTON, Point(20, from.top + 3));
        SendMessageA(lb(), WM_MOUSEMOVE, MK_LBUTTON, Point(20, from.top + 12));
        SendMessageA(lb(), WM_MOUSEMOVE, MK_LBUTTON, Point(20, to.bottom - 2));
        teditordialog* d = host.Dialog();
        status = d->statuslbl->Text();
        shown = inkEnd();
        SaveWindowScreenshot(d->Handle(), "editor-status-ampersand.bmp");
        // What an access-key reading would leave of it: the "&" gone.
        d->statuslbl->SetText(WithoutAccessKeys(status));
        withoutAmpersand = inkEnd();
        SendMessageA(lb(), WM_LBUTTONUP, 0, Point(20, to.bottom - 2));
      },
  }));
  EXPECT_EQ(status, "Move shortcut \"Tom & Jerry\" after shortcut \"F0\"");
  EXPECT_GT(shown, withoutAmpersand + 2) << "the \"&\" is not drawn";
}
