// What a start does with a long list, step by step, in this process: the
// list loaded, the Send To links written and then found unchanged, the menu
// rebuilt with its icons still unknown, and every item measured as the
// system does when the menu first comes up.
#include <windows.h>
#include <objbase.h>

#include <string>

#include "app/sendto.h"
#include "bench.h"
#include "bench_win32.h"
#include "components/iconindexcache.h"
#include "model/hotkeytext.h"
#include "platform/win32filesystem.h"
#include "platform/win32shell.h"
#include "settings/settings.h"
#include "ui/tpopupmenu.h"

namespace {

void MeasureEvery(zv::tpopupmenu& menu) {
  for (int i = 0; i < menu.Count(); ++i) {
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemData = menu.ItemData(i);
    menu.MeasureItem(mis);
  }
}

}  // namespace

ZV_TABLE(LongListStepsTable, 13, "start-up steps with long lists, in process") {
  CoInitialize(nullptr);
  zvbench::tkeptlist kept;
  zv::tsettings settings;
  settings.UseSendToMenu = true;
  for (int count : {zvbench::Count(500, 20), zvbench::Count(10000, 40)}) {
    const std::string n = std::to_string(count) + " shortcuts";
    {
      zv::tzvshortcutlist stored;
      zvbench::FillEverydayList(stored, count);
      stored.SaveToRegistry(zv::ProcessRegistry(), zv::ShortcutListKey);
    }
    zv::ClearSendToFolder(zv::ProcessRegistry(), zv::ProcessFileSystem());
    zv::tzvshortcutlist list;
    bool loaded = false;
    const double load = zvbench::Millis([&] { loaded = list.LoadFromRegistry(zv::ProcessRegistry(), zv::ShortcutListKey); });
    auto sendTo = [&] {
      return zvbench::Millis([&] {
        zv::RebuildSendTo(list, settings, zv::ProcessRegistry(), zv::ProcessFileSystem(), zv::ProcessShell());
      });
    };
    const double written = sendTo();
    const double unchanged = sendTo();
    zv::timagelisticons icons;
    zv::tmenupainter painter(icons);
    zv::tpopupmenu menu(painter);
    bool built = false;
    // Icons as a start finds them: none known yet.
    const double rebuild = zvbench::Millis([&] {
      built = zv::RebuildShortcutMenu(
          menu, list, true, [](const std::string& p) { return zv::ProcessIconCache().Find(p); },
          [](std::uint16_t hk) { return zv::HotkeyToText(hk); });
    });
    const double measure = zvbench::Millis([&] { MeasureEvery(menu); });
    const double clear = zvbench::Millis([&] { zv::ClearSendToFolder(zv::ProcessRegistry(), zv::ProcessFileSystem()); });
    if (!loaded || !built || list.Count() != count || menu.Count() != count) {
      zvbench::AddFailure("start-up steps, " + n, "the list or the menu is not whole");
      continue;
    }
    zvbench::AddRow("  list loaded from the registry, " + n, zvbench::Ms(load));
    zvbench::AddRow("  Send To links written, " + n, zvbench::Ms(written), "a first start");
    zvbench::AddRow("  Send To, nothing changed, " + n, zvbench::Ms(unchanged),
                    "every later start; no link written");
    zvbench::AddRow("  menu rebuilt, icons not known yet, " + n, zvbench::Ms(rebuild));
    zvbench::AddRow("  menu items measured (menu coming up), " + n, zvbench::Ms(measure));
    zvbench::AddRow("  Send To links removed (option off), " + n, zvbench::Ms(clear));
  }
  CoUninitialize();
}
