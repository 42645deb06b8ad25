// The Send To links of 50 shortcuts rebuilt, as every start and every
// confirmed edit does it, split into its clearing and its link writing.
#include <objbase.h>

#include "app/sendto.h"
#include "bench.h"
#include "model/tzvshortcutlist.h"
#include "platform/win32filesystem.h"
#include "platform/win32registry.h"
#include "platform/win32shell.h"
#include "settings/settings.h"

ZV_BENCHMARK(sendto, "sendto") {
  CoInitialize(nullptr);
  zv::tzvshortcutlist list;
  for (int i = 0; i < 50; ++i) {
    auto s = std::make_unique<zv::tzvshortcut>();
    s->Caption = "Notepad " + std::to_string(i);
    s->Path = "C:\\windows\\notepad.exe";
    s->WorkingDir = "C:\\windows";
    list.Add(s, true);
  }
  zv::tsettings settings;
  settings.UseSendToMenu = true;
  std::printf("sendto: 50 links in the SendTo subfolder\n");
  for (int round = 0; round < 3; ++round) {
    zvbench::Row("rebuild (clear + write)", zvbench::Millis([&] {
                   zv::RebuildSendTo(list, settings, zv::ProcessRegistry(), zv::ProcessFileSystem(),
                                     zv::ProcessShell());
                 }));
    zvbench::Row("clear only", zvbench::Millis([&] {
                   zv::ClearSendToFolder(zv::ProcessRegistry(), zv::ProcessFileSystem());
                 }));
  }
  CoUninitialize();
}
