// Groups: the first menu after a start with 500 entries in 20 groups of
// 25, and the first submenu opened in it.
#include <windows.h>

#include <string>
#include <vector>

#include "bench.h"
#include "processprobe_win32.h"
#include "screencapture_win32.h"
#include "startup_bench_win32.h"

using zvbench::Capture;
using zvbench::Click;
using zvbench::CountRowIcons;
using zvbench::Now;
using zvbench::ticoncount;

namespace {

// A menu window on screen other than except.
HWND VisibleMenu(HWND except) {
  HWND w = nullptr;
  while ((w = FindWindowExA(nullptr, w, "#32768", nullptr)))
    if (w != except && IsWindowVisible(w)) return w;
  return nullptr;
}

struct tmenuseen {
  HWND Menu = nullptr;
  double Shown = -1, Complete = -1;  // after start
  ticoncount Icons;
};

// Waits for a menu other than except whose rows all show their icons.
tmenuseen WaitMenu(HWND except, int rows, double start, DWORD timeout) {
  tmenuseen m;
  while (Now() - start < timeout) {
    if ((m.Menu = VisibleMenu(except))) {
      if (m.Shown < 0) m.Shown = Now() - start;
      m.Icons = CountRowIcons(Capture(m.Menu), rows);
      if (m.Icons.Rows == rows && m.Icons.WithoutIcon == 0) {
        m.Complete = Now() - start;
        break;
      }
    }
    Sleep(1);
  }
  return m;
}

void CloseMenus() {
  for (int i = 0; i < 100 && VisibleMenu(nullptr); ++i) {
    zvbench::PressEscape();
    Sleep(20);
  }
}

}  // namespace

ZV_TABLE(GroupsStartupTable, 17, "first menu and a submenu with 500 entries in 20 groups") {
  const int runs = zvbench::Count(5, 1);
  const int groups = zvbench::Count(20, 2), perGroup = zvbench::Count(24, 4);
  zvbench::startups s = zvbench::TableTargets("first menu with groups");
  if (!s.Ok) return;
  zvbench::tstoredlist list(groups, perGroup);
  const std::string n = std::to_string(groups * (perGroup + 1)) + " entries in " + std::to_string(groups) + " groups";
  zvbench::StartOnce(s.Program, s.Timeout);  // the first start writes the links
  std::vector<double> tops, subs;
  for (int r = 0; r < runs; ++r) {
    zvbench::StartOnce(s.Program, s.Timeout, [&] {
      HWND icon = zvbench::FirstTrayIcon();
      RECT i;
      if (!icon || !GetWindowRect(icon, &i)) return;
      const double clicked = Now();
      Click((i.left + i.right) / 2, (i.top + i.bottom) / 2);
      const tmenuseen top = WaitMenu(nullptr, groups, clicked, s.Timeout);
      RECT m;
      if (top.Complete >= 0 && GetWindowRect(top.Menu, &m)) {
        tops.push_back(top.Complete);
        // A click on the first group opens it at once.
        const double opened = Now();
        Click((m.left + m.right) / 2, m.top + top.Icons.Top + top.Icons.RowHeight / 2);
        const tmenuseen sub = WaitMenu(top.Menu, perGroup, opened, s.Timeout);
        if (sub.Complete >= 0) subs.push_back(sub.Complete);
      }
      CloseMenus();
    });
  }
  if (tops.size() != static_cast<std::size_t>(runs) || subs.size() != static_cast<std::size_t>(runs)) {
    zvbench::AddFailure("first menu and submenu, " + n, "a menu was not complete in time");
    return;
  }
  const double top = zvbench::Median(tops), sub = zvbench::Median(subs);
  zvbench::AddRow("first menu after start, " + n + ", every icon", zvbench::Ms(top),
                  "click to the top level with icons, target <= 60 ms; " + zvbench::MedianOf(runs),
                  zvbench::AtMost(top, 60));
  zvbench::AddRow("  a group opened in it, every icon", zvbench::Ms(sub),
                  "click to the submenu with icons, target <= 30 ms", zvbench::AtMost(sub, 30));
}
