// The own list file code beside the system's profile functions called once
// per key. The per-key way grows quadratically; it runs at 1,000 entries only.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench.h"
#include "listfile_perkey_win32.h"
#include "model/listprogress.h"
#include "model/tzvshortcutlist.h"

namespace zvbench {
void FillList(zv::tzvshortcutlist& list, int count);
}

ZV_BENCHMARK(ListFileVersusProfileCalls, "list files, own code vs. one profile call per key") {
  const int n = 1000;
  const auto folder = std::filesystem::temp_directory_path();
  const std::string ours = (folder / "zvbench-own.shl").string();
  const std::string perKey = (folder / "zvbench-perkey.shl").string();
  const std::string perKeyCopy = (folder / "zvbench-perkey-copy.shl").string();
  zv::tzvshortcutlist list;
  zvbench::FillList(list, n);
  zv::tnullprogress progress;
  double exportOwn = zvbench::Millis([&] { list.ExportToFile(ours, progress); });
  double exportPerKey = zvbench::Millis([&] { zvperkey::Export(list, perKey); });
  // A copy, so the system cannot answer from the cache of what it wrote.
  CopyFileA(perKey.c_str(), perKeyCopy.c_str(), FALSE);
  zv::tzvshortcutlist a, b;
  double importOwn = zvbench::Millis([&] { a.ImportFromFile(ours, progress); });
  double importPerKey = zvbench::Millis([&] { zvperkey::Import(b, perKeyCopy); });
  zvbench::Row("export 1000 entries, own code", exportOwn);
  zvbench::Row("export 1000 entries, one call per key", exportPerKey);
  zvbench::Ratio("export 1000 entries, speed-up", exportPerKey, exportOwn);
  zvbench::Row("import 1000 entries, own code", importOwn);
  zvbench::Row("import 1000 entries, one call per key", importPerKey);
  zvbench::Ratio("import 1000 entries, speed-up", importPerKey, importOwn);
  if (a.Count() != n || b.Count() != n) std::printf("  !! imported a different count\n");
  for (const std::string& f : {ours, perKey, perKeyCopy}) DeleteFileA(f.c_str());
}
