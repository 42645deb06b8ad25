// Finding by typing over 10,000 entries in groups: the index built once per
// change of the list, then the results of each keystroke.
#include <algorithm>
#include <string>
#include <vector>

#include "bench.h"
#include "findlist.h"
#include "model/findranking.h"

ZV_TABLE(FindTable, 57, "find by typing, core only") {
  const int count = zvbench::Count(10000, 100);
  const int rounds = zvbench::Count(5, 1);
  zv::tzvshortcutlist list;
  zvbench::FillFindList(list, count);
  zv::tfindindex index;
  const double build = zvbench::Best(rounds, [&] { index.Build(list, zv::Utf8CodePage()); });
  // What someone types, a keystroke at a time, for a few typical finds.
  const char* finds[] = {"visual code", "tools 12 term", "tool4242", "calc"};
  std::vector<std::string> keystrokes;
  for (const char* f : finds)
    for (std::size_t n = 1; f[n - 1]; ++n) keystrokes.emplace_back(f, n);
  std::size_t found = 0;
  std::vector<double> perKey;
  for (const std::string& typed : keystrokes)
    perKey.push_back(zvbench::Best(rounds, [&] { found += zv::FindEntries(index, typed).size(); }));
  const double worst = *std::max_element(perKey.begin(), perKey.end());
  const std::string n = zvbench::Quick() ? std::to_string(count) : std::string("10,000");
  zvbench::AddRow("find: index of " + n + " entries built", zvbench::Ms(build), "once per change of the list");
  zvbench::AddRow("find: results for one keystroke, " + n + " entries", zvbench::Ms(worst),
                  found ? "slowest of " + std::to_string(keystrokes.size()) + " keystrokes, target <= 16 ms"
                        : "nothing found",
                  found ? zvbench::AtMost(worst, 16) : zvbench::verdict::Failed);
  zvbench::Note("find: median keystroke " + zvbench::Ms(zvbench::Median(perKey)));
}
