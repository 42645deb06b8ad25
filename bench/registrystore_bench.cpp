// Saving and loading the shortcut list, in memory (the store's own cost) and,
// in the Win32 build, against the real registry beside a bare loop of the
// same system calls.
#include <memory>
#include <string>

#include "bench.h"
#include "model/memoryregistry.h"
#include "model/tzvshortcutlist.h"

namespace zvbench {

void FillList(zv::tzvshortcutlist& list, int count) {
  for (int i = 0; i < count; ++i) {
    auto s = std::make_unique<zv::tzvshortcut>();
    s->ShortcutType = static_cast<std::uint8_t>(i % 7 == 6 ? zv::stSeparator : 1 + i % 3);
    s->Caption = "Shortcut number " + std::to_string(i);
    s->Path = "C:\\Program Files\\Tool " + std::to_string(i) + "\\tool.exe";
    s->Parameters = "--open \"file " + std::to_string(i) + ".txt\"";
    s->WorkingDir = "C:\\Work\\" + std::to_string(i);
    s->Hotkey = static_cast<std::uint16_t>(0x4000 | (0x41 + i % 26));
    list.Add(s, true);
  }
}

}  // namespace zvbench

ZV_BENCHMARK(MemoryRegistryStore, "shortcut list store, in-memory registry") {
  for (int n : {1000, 10000}) {
    zv::tzvshortcutlist list;
    zvbench::FillList(list, n);
    zv::tmemoryregistry reg;
    double save = zvbench::Millis([&] { list.SaveToRegistry(reg, zv::ShortcutListKey); });
    double resave = zvbench::Millis([&] { list.SaveToRegistry(reg, zv::ShortcutListKey); });
    zv::tzvshortcutlist back;
    double load = zvbench::Millis([&] { back.LoadFromRegistry(reg, zv::ShortcutListKey); });
    zvbench::Row("save " + std::to_string(n) + " entries, first", save);
    zvbench::Row("save " + std::to_string(n) + " entries, over the old list", resave);
    zvbench::Row("load " + std::to_string(n) + " entries", load);
  }
}
