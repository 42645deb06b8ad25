// The same check against the real hotkey table, whose probes are system calls.
#include <windows.h>

#include <memory>
#include <string>

#include "bench.h"
#include "model/tzvshortcutlist.h"
#include "platform/win32hotkeys.h"

namespace zvbench {
void FillClashingHotkeys(zv::tzvshortcutlist& list, int count);
}

ZV_BENCHMARK(Win32HotkeyCheck, "hotkey check, real hotkey table") {
  HWND wnd = CreateWindowExA(0, "STATIC", "bench", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  zv::twin32hotkeys table(wnd);
  for (int n : {100, 1000}) {
    for (bool resolve : {false, true}) {
      zv::tzvshortcutlist list;
      zvbench::FillClashingHotkeys(list, n);
      double ms = zvbench::Millis([&] { list.CheckHotkeys(table, resolve); });
      zvbench::Row(std::to_string(n) + " entries, " + (resolve ? "resolving" : "marking"), ms);
    }
    zv::tzvshortcutlist list;
    zvbench::FillClashingHotkeys(list, n);
    double reg = zvbench::Millis([&] { list.RegisterHotkeys(table); });
    double unreg = zvbench::Millis([&] { list.UnregisterHotkeys(table); });
    zvbench::Row("register " + std::to_string(n) + " entries", reg);
    zvbench::Row("unregister " + std::to_string(n) + " entries", unreg);
  }
  DestroyWindow(wnd);
}
