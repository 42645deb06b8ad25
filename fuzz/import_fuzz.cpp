// Any bytes as a list file: the import ends with a defined result, and once
// exported (which drops the fields a type does not store) a list exports and
// imports back the same.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "model/listprogress.h"
#include "model/memoryfileio.h"
#include "model/tzvshortcutlist.h"

namespace {

// The fields a list file carries for each type.
std::string Stored(const zv::tzvshortcutlist& list) {
  std::string out;
  for (int i = 0; i < list.Count(); ++i) {
    const zv::tzvshortcut* s = list.GetItem(i);
    out += std::to_string(s->ShortcutType) + "|";
    if (s->ShortcutType == zv::stSeparator) continue;
    out += s->Caption + "|" + s->Path + "|" + std::to_string(s->Hotkey) + "|";
    if (s->ShortcutType == zv::stApplication) out += s->Parameters + "|" + s->WorkingDir + "|";
    if (s->ShortcutType == zv::stFolder) out += s->FullExplorer ? "1|" : "0|";
    if (s->ShortcutType != zv::stFile) out += std::to_string(s->ViewStyle) + "|";
    out += "\n";
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zv::tmemoryfileio io;
  io.Files["in.shl"] = std::string(reinterpret_cast<const char*>(data), size);
  zv::tnullprogress progress;
  zv::tzvshortcutlist list;
  auto existing = std::make_unique<zv::tzvshortcut>();
  existing->Caption = "Mail";
  list.Add(existing, true);
  list.ImportFromFile("in.shl", progress, io);
  if (list.Count() > 1 + 2 * static_cast<int>(size)) std::abort();  // entries cost bytes
  if (!list.ExportToFile("out.shl", progress, io)) std::abort();
  zv::tzvshortcutlist back, again;
  if (!back.ImportFromFile("out.shl", progress, io)) std::abort();
  if (!back.ExportToFile("back.shl", progress, io)) std::abort();
  if (!again.ImportFromFile("back.shl", progress, io)) std::abort();
  if (Stored(again) != Stored(back)) std::abort();
  return 0;
}
