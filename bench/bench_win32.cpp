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

}  // namespace zvbench
