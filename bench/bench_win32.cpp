#include "bench_win32.h"

#include <memory>

namespace zvbench {

void FillEverydayList(zv::tzvshortcutlist& list, int count) {
  static const struct {
    std::uint8_t Type;
    const char* Path;
  } kinds[] = {{zv::stApplication, "C:\\windows\\notepad.exe"},
               {zv::stApplication, "C:\\windows\\system32\\cmd.exe"},
               {zv::stFile, "C:\\windows\\win.ini"},
               {zv::stFolder, "C:\\windows"},
               {zv::stApplication, "C:\\windows\\regedit.exe"},
               {zv::stFolder, "C:\\users"},
               {zv::stFile, "C:\\windows\\system32\\drivers\\etc\\hosts"},
               {zv::stApplication, "C:\\windows\\system32\\winecfg.exe"},
               {zv::stFile, "C:\\Missing\\report.txt"}};
  for (int i = 0; i < count; ++i) {
    auto s = std::make_unique<zv::tzvshortcut>();
    if (i % 10 == 9) {
      s->ShortcutType = zv::stSeparator;
    } else {
      const auto& k = kinds[i % (sizeof kinds / sizeof kinds[0])];
      s->ShortcutType = k.Type;
      s->Caption = "Shortcut number " + std::to_string(i);
      s->Path = k.Path;
    }
    list.Add(s, true);
  }
}

void FillGroupedList(zv::tzvshortcutlist& list, int groups, int perGroup) {
  for (int g = 0; g < groups; ++g) {
    auto group = std::make_unique<zv::tzvshortcut>();
    group->ShortcutType = zv::stSeparator;
    group->Group = true;
    group->Caption = "Group number " + std::to_string(g);
    list.Add(group, true);
    zv::tzvshortcutlist members;
    FillEverydayList(members, perGroup + perGroup / 9 + 1);
    int added = 0;
    for (std::int32_t i = 0; i < members.Count() && added < perGroup; ++i) {
      const zv::tzvshortcut* m = members.GetItem(i);
      if (m->ShortcutType == zv::stSeparator) continue;
      auto s = std::make_unique<zv::tzvshortcut>(*m);
      s->Level = 1;
      list.Add(s, true);
      ++added;
    }
  }
}

}  // namespace zvbench
