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
#include "win32/modalscript.h"
#include "win32/tempfolder.h"

using namespace zv;

namespace {

class tkeptlisthost : public twin32editorhost {
 public:
  bool SaveToRegistry(tzvshortcutlist& list) override {
    saved = list.Count();
    return true;
  }
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
