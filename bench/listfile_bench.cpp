// Exporting and importing list files with the own INI code, in memory (its
// own cost) and through the disk, at sizes far beyond a real list so that
// the growth shows.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench.h"
#include "model/listprogress.h"
#include "model/memoryfileio.h"
#include "model/tzvshortcutlist.h"

namespace zvbench {
void FillList(zv::tzvshortcutlist& list, int count);
}

ZV_BENCHMARK(ListFileOwnCode, "list files, own INI code (in memory and on disk)") {
  const std::string file = (std::filesystem::temp_directory_path() / "zvbench-list.shl").string();
  for (int n : {1000, 10000, 100000}) {
    zv::tzvshortcutlist list;
    zvbench::FillList(list, n);
    zv::tnullprogress progress;
    zv::tmemoryfileio memory;
    double exportMemory = zvbench::Best(3, [&] { list.ExportToFile("list.shl", progress, memory); });
    zv::tzvshortcutlist fromMemory;
    double importMemory = zvbench::Best(3, [&] {
      fromMemory.Clear();
      fromMemory.ImportFromFile("list.shl", progress, memory);
    });
    double exportDisk = zvbench::Best(3, [&] { list.ExportToFile(file, progress); });
    zv::tzvshortcutlist fromDisk;
    double importDisk = zvbench::Best(3, [&] {
      fromDisk.Clear();
      fromDisk.ImportFromFile(file, progress);
    });
    const std::string size = std::to_string(n) + " entries";
    zvbench::Row("export " + size + ", in memory", exportMemory);
    zvbench::Row("import " + size + ", in memory", importMemory);
    zvbench::Row("export " + size + ", to disk", exportDisk);
    zvbench::Row("import " + size + ", from disk", importDisk);
    std::printf("  %-52s %10.3f us\n", ("per entry, export + import, disk, " + size).c_str(),
                (exportDisk + importDisk) * 1000.0 / n);
    if (fromDisk.Count() != n || fromMemory.Count() != n) std::printf("  !! imported a different count\n");
  }
  std::filesystem::remove(file);
}
