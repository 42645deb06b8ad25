#pragma once
// A list whose texts use every character of Windows-1252, spelled in that
// code page. tests/data/cp1252-list.shl holds its export as version 2.3.0
// wrote it, before list files could be UTF-8.
#include <memory>
#include <string>

#include "model/tzvshortcutlist.h"

inline void FillCp1252List(zv::tzvshortcutlist& list) {
  auto add = [&list](std::uint8_t type, const std::string& caption, const std::string& path) -> zv::tzvshortcut& {
    auto s = std::make_unique<zv::tzvshortcut>();
    s->ShortcutType = type;
    s->Caption = caption;
    s->Path = path;
    zv::tzvshortcut& added = *s;
    list.Add(s, true);
    return added;
  };
  zv::tzvshortcut& app = add(zv::stApplication, "\xDC" "bersicht", "C:\\Programme\\\xDC" "bersicht\\\xFC.exe");
  app.Parameters = "/t \"Gr\xF6\xDF" "e\" \x80 \\\"";
  app.WorkingDir = "C:\\Programme\\\xDC" "bersicht";
  app.Hotkey = 0x4045;
  app.ViewStyle = zv::vsMaximized;
  add(zv::stSeparator, "", "");
  add(zv::stFile, "Caf\xE9 \x96 Men\xFC", "D:\\Docs\\R\xE9sum\xE9.txt").Hotkey = 0x8041;
  zv::tzvshortcut& folder = add(zv::stFolder, "B\xFC" "cher", "E:\\B\xFC" "cher");
  folder.FullExplorer = true;
  folder.ViewStyle = zv::vsMinimized;
  std::string every;
  for (int b = 0x80; b <= 0xFF; ++b) every += static_cast<char>(b);
  zv::tzvshortcut& all = add(zv::stApplication, "  " + every + "  ", "C:\\" + every.substr(0x20) + ".exe");
  all.Parameters = "'" + every + "'";
  all.WorkingDir = every;
}
