// The real editor window with a long list: filling its rows, repainting
// every visible row, and one page scrolled, in large and in small mode.
#include <windows.h>
#include <objbase.h>

#include <string>
#include <vector>

#include "bench.h"
#include "bench_win32.h"
#include "editor/editshortcutlist.h"
#include "editor/teditordialog_win32.h"
#include "settings/settings.h"

namespace {

void FillWithHotkeys(zv::tzvshortcutlist& list, int count) {
  static const char* const paths[] = {"C:\\windows\\notepad.exe", "C:\\windows\\win.ini", "C:\\windows",
                                      "C:\\windows\\system32\\cmd.exe",
                                      "C:\\Program Files\\Vendor\\Product\\bin\\missing tool.exe"};
  for (int i = 0; i < count; ++i) {
    auto s = std::make_unique<zv::tzvshortcut>();
    if (i % 10 == 9) {
      s->ShortcutType = zv::stSeparator;
    } else {
      s->Caption = "Shortcut " + std::to_string(i);
      s->Path = paths[i % 5];
      // Every fifth on Ctrl+<letter>: from the second round of letters on
      // they clash and their rows show red.
      s->Hotkey = static_cast<std::uint16_t>(i % 5 == 0 ? 0x4000 | ('A' + i / 5 % 26) : 0);
    }
    list.Add(s, true);
  }
}

// Rows drawn in full since the last reset, counted on their way to the window.
int DrawnRows = 0;
WNDPROC FormProc = nullptr;

LRESULT CALLBACK CountingProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DRAWITEM && reinterpret_cast<const DRAWITEMSTRUCT*>(lp)->itemAction == ODA_DRAWENTIRE)
    ++DrawnRows;
  return CallWindowProcA(FormProc, wnd, msg, wp, lp);
}

struct editorfigures {
  bool Ok = false;
  double Fill = -1, Repaint = -1, PageScroll = -1;
  double Icons = 0, Check = 0;  // parts of Fill
  int RepaintRows = 0, ScrollRows = 0;
  std::string Error;
};

editorfigures Measure(bool large, int count, int rounds) {
  editorfigures f;
  const bool kept = zv::Settings().UseLargeEditorIcons;
  zv::Settings().UseLargeEditorIcons = large;
  {
    zv::teditorcommands commands;
    zv::twin32editorhost host;
    host.CreateEditorWindow(commands);
    zv::teditordialog& dialog = *host.Dialog();
    FillWithHotkeys(commands.worklist, count);
    // The icon lookups and the hotkey check timed on their way through.
    zv::teditorservices& services = commands.Services();
    auto icon = services.GetFileIconIndex;
    auto check = services.CheckHotkeys;
    services.GetFileIconIndex = [&](const std::string& path) {
      std::int32_t index = 0;
      f.Icons += zvbench::Millis([&] { index = icon(path); });
      return index;
    };
    services.CheckHotkeys = [&](zv::tzvshortcutlist& list, bool resolve) {
      std::int32_t result = 0;
      f.Check += zvbench::Millis([&] { result = check(list, resolve); });
      return result;
    };
    // As the editor opens: filled while hidden, then shown.
    f.Fill = zvbench::Millis([&] { host.ApplyOutcome(commands.FillShortcutList()); });
    ShowWindow(dialog.Handle(), SW_SHOWNOACTIVATE);
    UpdateWindow(dialog.Handle());
    FormProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(dialog.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProc)));
    HWND list = dialog.shortcutslb.Handle();
    std::vector<double> repaint, scroll;
    for (int r = 0; r < rounds; ++r) {
      DrawnRows = 0;
      repaint.push_back(zvbench::Millis([&] {
        RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        UpdateWindow(list);
      }));
      f.RepaintRows = DrawnRows;
    }
    for (int r = 0; r < rounds; ++r) {
      DrawnRows = 0;
      scroll.push_back(zvbench::Millis([&] {
        SendMessageA(list, WM_VSCROLL, SB_PAGEDOWN, 0);
        UpdateWindow(list);
      }));
      f.ScrollRows = DrawnRows;
    }
    SetWindowLongPtrA(dialog.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FormProc));
    f.Repaint = zvbench::Median(repaint);
    f.PageScroll = zvbench::Median(scroll);
    const int rows = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    if (rows != count)
      f.Error = std::to_string(rows) + " rows for " + std::to_string(count) + " entries";
    else if (f.RepaintRows == 0 || f.ScrollRows == 0)
      f.Error = "no row was painted";
    f.Ok = f.Error.empty();
    host.DestroyEditorWindow();
  }
  zv::Settings().UseLargeEditorIcons = kept;
  return f;
}

}  // namespace

ZV_TABLE(EditorWindowTable, 50, "editor window: fill and paint") {
  const int count = zvbench::Count(2000, 30);
  const int rounds = zvbench::Count(10, 1);
  CoInitialize(nullptr);
  for (bool large : {true, false}) {
    const std::string mode = large ? "large" : "small";
    const std::string n = std::to_string(count);
    editorfigures f;
    try {
      f = Measure(large, count, rounds);
    } catch (const std::exception& e) {
      f.Error = e.what();
    }
    if (!f.Ok) {
      zvbench::AddFailure("editor, " + mode + " mode", f.Error);
      continue;
    }
    zvbench::AddRow("editor fill, " + n + " entries, " + mode + " mode", zvbench::Ms(f.Fill),
                    "icon lookups " + zvbench::Ms(f.Icons) + ", hotkey check " + zvbench::Ms(f.Check) +
                        ", rows " + zvbench::Ms(f.Fill - f.Icons - f.Check));
    zvbench::AddRow("editor repaint of visible rows, " + mode + " mode", zvbench::Ms(f.Repaint),
                    std::to_string(f.RepaintRows) + " rows, median of " + std::to_string(rounds));
    zvbench::AddRow("editor page-down scroll repaint, " + mode + " mode", zvbench::Ms(f.PageScroll),
                    std::to_string(f.ScrollRows) + " rows, median of " + std::to_string(rounds));
  }
  CoUninitialize();
}

namespace {

struct editoropen {
  double Open = -1, Ok = -1;
  double Create = 0, Fill = 0;  // parts of Open; the rest is showing and painting
  std::string Error;
};

// As the command runs it: the window made, the list copied and filled, the
// window shown and its rows painted; then OK: separators tidied, the list
// handed back and stored.
editoropen OpenAndConfirm(int count) {
  editoropen f;
  zv::tzvshortcutlist live;
  FillWithHotkeys(live, count);
  zv::teditorcommands commands;
  zv::twin32editorhost host;
  f.Open = zvbench::Millis([&] {
    f.Create = zvbench::Millis([&] { host.CreateEditorWindow(commands); });
    f.Fill = zvbench::Millis([&] {
      commands.worklist.Assign(live);
      host.ApplyOutcome(commands.FillShortcutList());
    });
    HWND wnd = host.Dialog()->Handle();
    ShowWindow(wnd, SW_SHOWNOACTIVATE);
    UpdateWindow(wnd);
    UpdateWindow(host.Dialog()->shortcutslb.Handle());
  });
  const int rows = static_cast<int>(SendMessageA(host.Dialog()->shortcutslb.Handle(), LB_GETCOUNT, 0, 0));
  if (rows != count) f.Error = std::to_string(rows) + " rows for " + std::to_string(count) + " entries";
  {
    zvbench::tkeptlist kept;
    bool saved = false;
    f.Ok = zvbench::Millis([&] {
      commands.worklist.TidySeparators();
      live.Assign(commands.worklist);
      saved = host.SaveToRegistry(live);
    });
    if (!saved) f.Error = "the list was not stored";
  }
  host.DestroyEditorWindow();
  return f;
}

}  // namespace

ZV_TABLE(EditorOpenTable, 51, "editor opened and confirmed with long lists") {
  CoInitialize(nullptr);
  const bool kept = zv::Settings().UseLargeEditorIcons;
  zv::Settings().UseLargeEditorIcons = true;
  for (int count : {zvbench::Count(2000, 30), zvbench::Count(10000, 60)}) {
    const std::string n = std::to_string(count) + " entries";
    editoropen f;
    try {
      f = OpenAndConfirm(count);
    } catch (const std::exception& e) {
      f.Error = e.what();
    }
    if (!f.Error.empty()) {
      zvbench::AddFailure("editor open, " + n, f.Error);
      continue;
    }
    const bool target = count <= 2000;
    zvbench::AddRow("editor open to rows painted, " + n, zvbench::Ms(f.Open),
                    "window made " + zvbench::Ms(f.Create) + ", rows filled " + zvbench::Ms(f.Fill) +
                        ", shown and painted " + zvbench::Ms(f.Open - f.Create - f.Fill) +
                        (target ? "; large mode; target <= 300 ms" : "; large mode"),
                    target ? zvbench::AtMost(f.Open, 300) : zvbench::verdict::None);
    zvbench::AddRow("editor OK (tidy, hand back, store), " + n, zvbench::Ms(f.Ok), "registry store included");
  }
  zv::Settings().UseLargeEditorIcons = kept;
  CoUninitialize();
}
