// The duplicate-hotkey check over a long list full of clashes: how often it
// asks the system and what it costs beside that.
#include <memory>
#include <string>

#include "bench.h"
#include "model/memoryhotkeys.h"
#include "model/tzvshortcutlist.h"

namespace zvbench {

// Every entry on Ctrl+<letter>, 26 letters round: from the seventh round on
// each letter has used up all of its candidates.
void FillClashingHotkeys(zv::tzvshortcutlist& list, int count) {
  for (int i = 0; i < count; ++i) {
    auto s = std::make_unique<zv::tzvshortcut>();
    s->Caption = "Shortcut " + std::to_string(i);
    s->Hotkey = static_cast<std::uint16_t>(0x4000 | (0x41 + i % 26));
    list.Add(s, true);
  }
}

}  // namespace zvbench

ZV_BENCHMARK(MemoryHotkeyCheck, "hotkey check, in-memory hotkey table") {
  for (int n : {100, 1000}) {
    for (bool resolve : {false, true}) {
      zv::tzvshortcutlist list;
      zvbench::FillClashingHotkeys(list, n);
      zv::tmemoryhotkeys table;
      double ms = zvbench::Millis([&] { list.CheckHotkeys(table, resolve); });
      std::string what = std::to_string(n) + " entries, " + (resolve ? "resolving" : "marking");
      zvbench::Row(what, ms);
      std::printf("  %-52s %10d\n", ("  system probes, " + what).c_str(), table.RegisterCalls());
    }
  }
}
