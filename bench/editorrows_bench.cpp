// Filling the editor with 2,000 entries and laying out every row's texts,
// as one repaint of a full list does.
#include <string>

#include "bench.h"
#include "editor/editorrows.h"
#include "editor/teditorcommands.h"

namespace {

std::int32_t Width(std::string_view s) { return static_cast<std::int32_t>(s.size()) * 6; }
std::int32_t BoldWidth(std::string_view s) { return static_cast<std::int32_t>(s.size()) * 7; }

void FillEditor(zv::teditorcommands& editor, int count) {
  for (int i = 0; i < count; ++i) {
    auto s = std::make_unique<zv::tzvshortcut>();
    if (i % 10 == 9) {
      s->ShortcutType = zv::stSeparator;
    } else {
      s->Caption = "Shortcut " + std::to_string(i);
      s->Path = "C:\\Program Files\\Vendor " + std::to_string(i % 37) + "\\Product\\bin\\tool" +
                std::to_string(i) + ".exe";
      s->Hotkey = static_cast<std::uint16_t>(i % 5 == 0 ? 0x4000 | ('A' + i % 26) : 0);
    }
    editor.worklist.Add(s, true);
  }
}

}  // namespace

ZV_BENCHMARK(editor_rows_2000, "editor rows: fill and lay out 2,000 entries") {
  const int count = 2000;
  zv::teditorcommands editor;
  editor.Services().GetFileIconIndex = [](const std::string& p) { return static_cast<std::int32_t>(p.size()); };
  FillEditor(editor, count);
  zvbench::Row("FillShortcutList, 2,000 entries", zvbench::Millis([&] { editor.FillShortcutList(); }));

  auto hotkeyText = [](std::uint16_t) { return std::string("Strg+Umsch+A"); };
  for (bool large : {true, false}) {
    zv::trowmetrics m;
    m.Width = 421;
    m.LargeMode = large;
    m.IconWidth = m.IconHeight = large ? 32 : 16;
    m.TextHeight = 13;
    m.Regular = Width;
    m.Bold = BoldWidth;
    std::size_t bytes = 0;
    double ms = zvbench::Millis([&] {
      for (int i = 0; i < count; ++i) {
        const zv::tzvshortcut* s = editor.worklist.GetItem(i);
        m.Height = zv::RowHeight(*s, large, 13, m.IconHeight);
        if (s->ShortcutType == zv::stSeparator) {
          bytes += static_cast<std::size_t>(zv::LayoutSeparatorRow(m.Width, m.Height, Width).TextAt.X);
        } else {
          zv::tshortcutrow r = zv::LayoutShortcutRow(*s, m, hotkeyText);
          bytes += r.Caption.size() + r.HotkeyText.size() + r.PathText.size();
        }
      }
    });
    zvbench::Row(std::string(large ? "large" : "small") + " rows laid out, 2,000 entries", ms);
    std::printf("  %-52s %10zu\n", "  (bytes of text produced)", bytes);
  }
}

// The core's share of the editor's figures, without any window: what a
// faster window could never go below.
ZV_TABLE(EditorCoreTable, 55, "editor rows, core only") {
  const int count = zvbench::Count(2000, 30);
  const int rounds = zvbench::Count(5, 1);
  zv::teditorcommands editor;
  editor.Services().GetFileIconIndex = [](const std::string& p) { return static_cast<std::int32_t>(p.size()); };
  FillEditor(editor, count);
  const double fill = zvbench::Best(rounds, [&] { editor.FillShortcutList(); });
  zv::trowmetrics m;
  m.Width = 421;
  m.LargeMode = true;
  m.IconWidth = m.IconHeight = 32;
  m.TextHeight = 13;
  m.Regular = Width;
  m.Bold = BoldWidth;
  auto hotkeyText = [](std::uint16_t) { return std::string("Strg+Umsch+A"); };
  std::size_t bytes = 0;
  const double layout = zvbench::Best(rounds, [&] {
    for (int i = 0; i < count; ++i) {
      const zv::tzvshortcut* s = editor.worklist.GetItem(i);
      if (s->ShortcutType != zv::stSeparator) bytes += zv::LayoutShortcutRow(*s, m, hotkeyText).PathText.size();
    }
  });
  const std::string n = std::to_string(count);
  zvbench::AddRow("editor core: FillShortcutList, " + n + " entries", zvbench::Ms(fill), "no window, no hotkey check");
  zvbench::AddRow("editor core: lay out " + n + " large rows", zvbench::Ms(layout),
                  bytes ? "no window, fixed-width text" : "no text laid out", bytes ? zvbench::verdict::None
                                                                                    : zvbench::verdict::Failed);
}
