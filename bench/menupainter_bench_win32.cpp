// What one menu item costs to measure and to draw: each draw makes its font
// and off-screen bitmap afresh and copies the item in one blit.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "bench.h"
#include "bench_win32.h"
#include "components/shellimages.h"
#include "components/systemimagelist.h"
#include "model/hotkeytext.h"
#include "toolkit/gdi.h"
#include "ui/tpopupmenu.h"

namespace {

HIMAGELIST SystemList(bool large) {
  SHFILEINFOA info = {};
  return reinterpret_cast<HIMAGELIST>(SHGetFileInfoA(
      "", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | (large ? 0 : SHGFI_SMALLICON)));
}

std::int32_t Index(const std::string& path) {
  SHFILEINFOA info = {};
  SHGetFileInfoA(path.c_str(), 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES);
  return info.iIcon;
}

void MeasureItems(zv::tpopupmenu& menu) {
  for (int i = 0; i < menu.Count(); ++i) {
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemData = menu.ItemData(i);
    menu.MeasureItem(mis);
  }
}

// Every item drawn into dc as the menu would; selected (-1: none) drawn
// highlighted.
void DrawItems(zv::tpopupmenu& menu, HDC dc, bool large, int selected) {
  for (int i = 0; i < menu.Count(); ++i) {
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_MENU;
    dis.itemState = i == selected ? ODS_SELECTED : 0;
    dis.hwndItem = reinterpret_cast<HWND>(menu.Handle());
    dis.hDC = dc;
    dis.rcItem = {0, 0, 300, large ? 36 : 20};
    dis.itemData = menu.ItemData(i);
    menu.DrawItem(dis);
  }
}

}  // namespace

ZV_BENCHMARK(MenuPainter, "owner-drawn menu items") {
  for (bool large : {false, true}) {
    zv::timagelisticons icons(SystemList(large));
    zv::tmenupainter painter(icons);
    zv::tpopupmenu menu(painter);
    zv::tzvshortcutlist list;
    for (int i = 0; i < 40; ++i) {
      auto s = std::make_unique<zv::tzvshortcut>();
      s->ShortcutType = i % 10 == 9 ? zv::stSeparator : zv::stApplication;
      s->Caption = "Shortcut number " + std::to_string(i);
      s->Path = "C:\\Programs\\tool" + std::to_string(i) + ".exe";
      s->Hotkey = static_cast<std::uint16_t>(0x4041 + i % 20);
      list.Add(s, true);
    }
    zv::RebuildShortcutMenu(menu, list, true, Index,
                            [](std::uint16_t) { return std::string("Strg+Umsch+A"); });
    zv::twindowdc screen;
    zv::tmemorydc mem(screen.Get());
    zv::tbitmap target(CreateCompatibleBitmap(screen.Get(), 300, 40));
    zv::tselection into(mem.Get(), target.Get());
    HDC dc = mem.Get();
    const int rounds = 25;
    const double measure = zvbench::Millis([&] {
      for (int r = 0; r < rounds; ++r) MeasureItems(menu);
    });
    const double draw = zvbench::Millis([&] {
      for (int r = 0; r < rounds; ++r) DrawItems(menu, dc, large, 3);
    });
    const double items = static_cast<double>(rounds) * menu.Count();
    std::printf("  %s icons, %d items x %d rounds\n", large ? "large" : "small", menu.Count(), rounds);
    std::printf("  %-52s %10.1f us\n", "measure, per item", 1000.0 * measure / items);
    std::printf("  %-52s %10.1f us\n", "draw, per item", 1000.0 * draw / items);
    zvbench::Row("whole 40-item menu drawn once", draw / rounds);
  }
}

ZV_TABLE(MenuTable, 40, "menu rebuild and drawing") {
  const int rounds = zvbench::Count(10, 1);
  const int count = 40;
  for (bool large : {false, true}) {
    const std::string icons = large ? "large icons" : "small icons";
    zv::TdfsSystemImageList systemil(zv::ProcessShellImages());
    systemil.SetImageSize(large ? zv::isLarge : zv::isSmall);
    zv::timagelisticons images(SystemList(large));
    zv::tmenupainter painter(images);
    zv::tpopupmenu menu(painter);
    zv::tzvshortcutlist list;
    zvbench::FillEverydayList(list, count);
    bool ok = true;
    // As the main window rebuilds it: icon indexes from the system image list.
    const double rebuild = zvbench::Best(rounds, [&] {
      ok = zv::RebuildShortcutMenu(
               menu, list, true, [&](const std::string& p) { return systemil.GetFileIconIndex(p); },
               [](std::uint16_t hk) { return zv::HotkeyToText(hk); }) &&
           ok;
    });
    if (!ok || menu.Count() != count) {
      zvbench::AddFailure("menu rebuild, " + icons, "the menu has " + std::to_string(menu.Count()) + " items");
      continue;
    }
    zv::twindowdc screen;
    zv::tmemorydc mem(screen.Get());
    zv::tbitmap target(CreateCompatibleBitmap(screen.Get(), 300, 40));
    zv::tselection into(mem.Get(), target.Get());
    HDC dc = mem.Get();
    // What showing the menu asks of it: every item measured, then drawn.
    const double draw = zvbench::Best(rounds, [&] {
      MeasureItems(menu);
      DrawItems(menu, dc, large, -1);
    });
    const std::string best = "best of " + std::to_string(rounds);
    zvbench::AddRow("menu rebuild, 40 entries, " + icons, zvbench::Ms(rebuild), best + ", icon lookups included");
    zvbench::AddRow("menu measure and draw, 40 items, " + icons, zvbench::Ms(draw), best);
  }
}
