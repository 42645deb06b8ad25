// Long lists: start-up with 500 and 10,000 shortcuts, Send To on and off,
// and the first shortcut menu after a start.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "app/sendto.h"
#include "bench.h"
#include "bench_win32.h"
#include "model/hotkeytable.h"
#include "model/saferegistry.h"
#include "platform/win32filesystem.h"
#include "processprobe_win32.h"
#include "screencapture_win32.h"
#include "settings/settings.h"
#include "startup_bench_win32.h"

using zvbench::Capture;
using zvbench::Click;
using zvbench::Counter;
using zvbench::CountMenuIcons;
using zvbench::EmptyListStartupMedian;
using zvbench::Env;
using zvbench::figures;
using zvbench::FirstTrayIcon;
using zvbench::Measure;
using zvbench::MedianOf;
using zvbench::Now;
using zvbench::PressEscape;
using zvbench::ReadSteps;
using zvbench::StartOnce;
using zvbench::startups;
using zvbench::TableTargets;
using zvbench::target;
using zvbench::ticoncount;
using zvbench::tstep;

namespace {

// The settings value, set for a while and put back as it was.
class tkeptsetting {
 public:
  tkeptsetting(const char* name, bool value) : name_(name) {
    zv::TSafeRegistry r(zv::ProcessRegistry());
    if (r.OpenKey(zv::SettingsKey, true)) {
      had_ = r.ValueExists(name_);
      if (had_) old_ = r.ReadBoolDef(name_, true);
      r.WriteBool(name_, value);
    }
  }
  ~tkeptsetting() {
    zv::TSafeRegistry r(zv::ProcessRegistry());
    if (!r.OpenKey(zv::SettingsKey, false)) return;
    if (had_)
      r.WriteBool(name_, old_);
    else
      r.DeleteValue(name_);
  }
  tkeptsetting(const tkeptsetting&) = delete;
  tkeptsetting& operator=(const tkeptsetting&) = delete;

 private:
  std::string name_;
  bool had_ = false, old_ = false;
};

HWND VisibleMenuWindow() {
  HWND w = nullptr;
  while ((w = FindWindowExA(nullptr, w, "#32768", nullptr)))
    if (IsWindowVisible(w)) return w;
  return nullptr;
}

struct tfirstmenu {
  double Shown = -1, Complete = -1;
  ticoncount Icons;
};

// A left click on the program's tray icon; then the time until the menu is
// on screen, and until every row in sight shows its icon.
tfirstmenu FirstMenu(DWORD timeout) {
  tfirstmenu f;
  HWND icon = FirstTrayIcon();
  RECT r;
  if (!icon || !GetWindowRect(icon, &r)) return f;
  const double start = Now();
  Click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  while (Now() - start < timeout) {
    HWND menu = VisibleMenuWindow();
    if (menu) {
      if (f.Shown < 0) f.Shown = Now() - start;
      f.Icons = CountMenuIcons(Capture(menu));
      if (f.Icons.Rows >= 9 && f.Icons.WithoutIcon == 0) {
        f.Complete = Now() - start;
        break;
      }
    }
    Sleep(2);
  }
  for (int i = 0; i < 100 && VisibleMenuWindow(); ++i) {
    PressEscape();
    Sleep(20);
  }
  return f;
}

// Whether the list's rows in view are painted: the selected first row in the
// highlight colour, and the last whole row in view with some pixel that is
// not the window's background (its text or icon).
bool RowsPainted(HWND list) {
  RECT first = {}, client = {};
  if (SendMessageA(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first)) == LB_ERR) return false;
  GetClientRect(list, &client);
  const zvbench::tpicture p = Capture(list);
  const int rowHeight = first.bottom - first.top;
  if (p.Width < 20 || rowHeight <= 0 || p.Height < rowHeight) return false;
  POINT origin = {0, 0};
  ClientToScreen(list, &origin);
  RECT window = {};
  GetWindowRect(list, &window);
  const int dx = origin.x - window.left, dy = origin.y - window.top;
  const COLORREF h = GetSysColor(COLOR_HIGHLIGHT), w = GetSysColor(COLOR_WINDOW);
  auto rgb = [](COLORREF c) { return static_cast<std::uint32_t>(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c)); };
  if (p.At(dx + client.right - 4, dy + rowHeight / 2) != rgb(h)) return false;
  const int last = (client.bottom / rowHeight - 1) * rowHeight;
  for (int y = last; y < last + rowHeight && dy + y < p.Height; ++y)
    for (int x = 0; x < client.right && dx + x < p.Width; ++x)
      if (p.At(dx + x, dy + y) != rgb(w)) return true;
  return false;
}

struct tfindopen {
  double Shown = -1;
  int Rows = -1;
};

// The find hotkey's message posted as the system posts it when the keys
// are pressed: the time until the window is on screen with every row in
// view painted, a row for each of entries.
tfindopen FindByHotkey(int entries, DWORD timeout) {
  tfindopen f;
  HWND main = FindWindowA("tzorvanemaindialog", nullptr);
  if (!main) return f;
  const double start = Now();
  PostMessageA(main, WM_HOTKEY, zv::FindHotkeyId, MAKELPARAM(MOD_WIN | MOD_SHIFT, 'Q'));
  HWND find = nullptr;
  while (Now() - start < timeout) {
    find = FindWindowA("tfindwindow", "Find Shortcut");
    HWND list = find && IsWindowVisible(find) ? FindWindowExA(find, nullptr, "ListBox", nullptr) : nullptr;
    if (list) {
      f.Rows = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
      if (f.Rows == entries && RowsPainted(list)) {
        f.Shown = Now() - start;
        break;
      }
    }
    Sleep(1);
  }
  if (find) PostMessageA(find, WM_CLOSE, 0, 0);
  return f;
}

}  // namespace

ZV_TABLE(LongListStartupTable, 15, "start-up and first menu with long lists") {
  const int runs = zvbench::Count(5, 1);
  const int count = zvbench::Count(500, 20);
  startups s = TableTargets("start-up with long lists");
  if (!s.Ok) return;
  zvbench::tstoredlist list(count);
  const std::string n = std::to_string(count) + " shortcuts";
  figures on, off;
  {
    tkeptsetting sendTo("UseSendToMenu", true);
    StartOnce(s.Program, s.Timeout);  // writes the links; later starts find them
    on = Measure(runs, [&] { return StartOnce(s.Program, s.Timeout); });
  }
  {
    tkeptsetting sendTo("UseSendToMenu", false);
    off = Measure(runs, [&] { return StartOnce(s.Program, s.Timeout); });
  }
  if (on.Median < 0 || off.Median < 0 || on.Failed || off.Failed) {
    zvbench::AddFailure("start-up, " + n, "a start did not get ready in time");
    return;
  }
  const double emptyList = EmptyListStartupMedian();
  const double ratio = emptyList > 0 ? on.Median / emptyList : -1;
  zvbench::AddRow("start-up to active tray icon, " + n + ", Send To on", zvbench::Ms(on.Median),
                  MedianOf(runs) + "; target <= 1.5x the empty list: " + zvbench::Times(ratio),
                  ratio > 0 ? zvbench::AtMost(ratio, 1.5) : zvbench::verdict::None);
  zvbench::AddRow("start-up, " + n + ", Send To off", zvbench::Ms(off.Median),
                  "Send To on, nothing changed: " + zvbench::Times(on.Median / off.Median) +
                      " (no link written)");

  // The first menu: clicked as soon as the tray icon is active.
  std::vector<double> shown, complete, found;
  int entries = 0;  // what the find window lists for no text
  {
    zv::tzvshortcutlist l;
    zvbench::FillEverydayList(l, count);
    for (int i = 0; i < l.Count(); ++i)
      entries += l.GetItem(i)->ShortcutType != zv::stSeparator && !l.GetItem(i)->IsGroup();
  }
  tfindopen findOpen;
  ticoncount icons;
  // ZV_BENCH_STEPS=1: the program's own notes of each first menu, printed.
  const bool steps = Env("ZV_BENCH_STEPS", "0") == "1";
  target traced = s.Program;
  if (steps) {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    traced.Trace = std::string(temp) + "zvmenu.trace";
    SetEnvironmentVariableA("ZV_STARTUP_TRACE", traced.Trace.c_str());
  }
  for (int r = 0; r < runs; ++r) {
    tfirstmenu f;
    double clicked = 0;
    std::vector<tstep> notes;
    StartOnce(traced, s.Timeout, [&] {
      clicked = Counter();
      f = FirstMenu(s.Timeout);
      Sleep(300);  // the notes are written when the menu has closed
      if (steps) notes = ReadSteps(traced.Trace, clicked);
      findOpen = FindByHotkey(entries, s.Timeout);
      if (findOpen.Shown >= 0) found.push_back(findOpen.Shown);
    });
    if (steps) {
      std::printf("  first menu %d: shown %.1f ms, complete %.1f ms after the click; the program's notes:\n", r,
                  f.Shown, f.Complete);
      std::string previous;
      int same = 0;
      for (std::size_t i = 0; i < notes.size(); ++i) {
        const tstep& x = notes[i];
        if (x.Ms < -50) continue;
        if (x.Name == previous && i + 1 < notes.size() && notes[i + 1].Name == x.Name) {
          ++same;
          continue;
        }
        std::printf("    %8.1f ms  %s%s\n", x.Ms, x.Name.c_str(),
                    same ? (" (after " + std::to_string(same) + " more)").c_str() : "");
        same = 0;
        previous = x.Name;
      }
    }
    if (f.Shown >= 0) shown.push_back(f.Shown);
    if (f.Complete >= 0) complete.push_back(f.Complete);
    icons = f.Icons;
  }
  if (steps) SetEnvironmentVariableA("ZV_STARTUP_TRACE", nullptr);
  if (complete.size() != static_cast<std::size_t>(runs)) {
    zvbench::AddFailure("first menu after start, " + n,
                        "not complete in time (" + std::to_string(icons.WithoutIcon) + " of " +
                            std::to_string(icons.Rows) + " rows without icon)");
  } else {
    const double c = zvbench::Median(complete);
    zvbench::AddRow("first menu after start, " + n + ", every icon", zvbench::Ms(c),
                    "click to menu with icons, target <= 150 ms; shown after " +
                        zvbench::Ms(zvbench::Median(shown)) + "; " + std::to_string(icons.Rows) +
                        " rows checked",
                    zvbench::AtMost(c, 150));
  }
  if (found.size() != static_cast<std::size_t>(runs))
    zvbench::AddFailure("find window after the hotkey, " + n,
                        "not shown with its rows in time (" + std::to_string(findOpen.Rows) + " rows)");
  else
    zvbench::AddRow("find window after the hotkey, " + n + ", rows painted", zvbench::Ms(zvbench::Median(found)),
                    "right after the first menu, same run; target <= 50 ms",
                    zvbench::AtMost(zvbench::Median(found), 50));

}

ZV_TABLE(TenThousandStartupTable, 16, "start-up and first menu with 10,000 shortcuts") {
  startups s = TableTargets("start-up with 10,000 shortcuts");
  if (!s.Ok) return;
  // Ten thousand: the program still starts, and its menu still comes up.
  const int many = zvbench::Count(10000, 40);
  zvbench::tstoredlist list(many);
  tfirstmenu big;
  StartOnce(s.Program, 240000);  // the first start writes the links
  const figures m = Measure(1, [&] { return StartOnce(s.Program, 120000, [&] { big = FirstMenu(30000); }); });
  const std::string nm = std::to_string(many) + " shortcuts";
  if (m.Median < 0 || big.Complete < 0) {
    zv::ClearSendToFolder(zv::ProcessRegistry(), zv::ProcessFileSystem());
    zvbench::AddFailure("start-up and first menu, " + nm,
                        m.Median < 0 ? "not ready in time" : "menu not complete in time");
    return;
  }
  // The next parts start with few links again.
  zv::ClearSendToFolder(zv::ProcessRegistry(), zv::ProcessFileSystem());
  zvbench::AddRow("start-up to active tray icon, " + nm, zvbench::Ms(m.Median),
                  "one start, Send To on, links in place");
  zvbench::AddRow("first menu after start, " + nm + ", every icon", zvbench::Ms(big.Complete),
                  "shown after " + zvbench::Ms(big.Shown) + "; scrolls as the system's menus do");
}
