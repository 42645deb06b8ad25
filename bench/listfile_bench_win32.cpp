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

ZV_TABLE(ListFileTable, 30, ".shl files vs. one profile call per key") {
  const int n = zvbench::Count(1000, 20);
  const int rounds = zvbench::Count(3, 1);
  const auto folder = std::filesystem::temp_directory_path();
  const std::string ours = (folder / "zvbench-table-own.shl").string();
  const std::string perKey = (folder / "zvbench-table-perkey.shl").string();
  const std::string perKeyCopy = (folder / "zvbench-table-perkey-copy.shl").string();
  zv::tzvshortcutlist list;
  zvbench::FillList(list, n);
  zv::tnullprogress progress;
  bool ok = true;
  const double exportOwn = zvbench::Best(rounds, [&] { ok = list.ExportToFile(ours, progress) && ok; });
  const double exportPerKey = zvbench::Best(rounds, [&] { zvperkey::Export(list, perKey); });
  // Read from a copy, so the system cannot answer from the cache of what
  // it wrote.
  CopyFileA(perKey.c_str(), perKeyCopy.c_str(), FALSE);
  int ownCount = 0, perKeyCount = 0;
  const double importOwn = zvbench::Best(rounds, [&] {
    zv::tzvshortcutlist a;
    ok = a.ImportFromFile(ours, progress) && ok;
    ownCount = a.Count();
  });
  const double importPerKey = zvbench::Best(rounds, [&] {
    zv::tzvshortcutlist b;
    zvperkey::Import(b, perKeyCopy);
    perKeyCount = b.Count();
  });
  for (const std::string& f : {ours, perKey, perKeyCopy}) DeleteFileA(f.c_str());
  const std::string size = std::to_string(n) + " entries";
  if (!ok || ownCount != n || perKeyCount != n) {
    zvbench::AddFailure(".shl export and import, " + size, "a list file lost entries or failed");
    return;
  }
  auto against = [](double base, double ours) {
    return "per-key profile calls " + zvbench::Ms(base) + " (" + zvbench::Format("%.1fx as long", base / ours) + ")";
  };
  zvbench::AddRow(".shl export, " + size, zvbench::Ms(exportOwn), against(exportPerKey, exportOwn));
  zvbench::AddRow(".shl import, " + size, zvbench::Ms(importOwn), against(importPerKey, importOwn));
}
