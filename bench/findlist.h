#pragma once
// The list the find benchmarks search: entries in groups of 49 under a
// group each, with captions, vendors' folders and file names that differ.
#include <memory>
#include <string>

#include "model/tzvshortcutlist.h"

namespace zvbench {

inline void FillFindList(zv::tzvshortcutlist& list, int count) {
  const char* names[] = {"Editor", "Browser", "Terminal", "Notes", "Visual Studio Code", "Paint", "Calculator"};
  for (int i = 0; i < count; ++i) {
    auto s = std::make_unique<zv::tzvshortcut>();
    if (i % 50 == 0) {
      s->ShortcutType = zv::stSeparator;
      s->Group = true;
      s->Caption = "Tools " + std::to_string(i / 50);
    } else {
      s->Level = 1;
      s->Caption = std::string(names[i % 7]) + " " + std::to_string(i);
      s->Path = "C:\\Program Files\\Vendor " + std::to_string(i % 37) + "\\bin\\tool" + std::to_string(i) + ".exe";
    }
    list.Add(s, true);
  }
}

}  // namespace zvbench
