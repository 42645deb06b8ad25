// Any bytes through the decoding of list file texts: UTF-8 comes out
// well-formed, Windows-1252 survives the trip through UTF-8, and a list file
// imported with the UTF-8 code page exports and imports back the same.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/codepage.h"
#include "model/listprogress.h"
#include "model/memoryfileio.h"
#include "model/tzvshortcutlist.h"

namespace {

std::string Stored(const zv::tzvshortcutlist& list) {
  std::string out;
  for (int i = 0; i < list.Count(); ++i) {
    const zv::tzvshortcut* s = list.GetItem(i);
    out += std::to_string(s->ShortcutType) + "|" + s->Caption + "|" + s->Path + "|" + s->Parameters + "|" +
           s->WorkingDir + "\n";
  }
  return out;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  const std::string clean = zv::SanitizeUtf8(bytes);
  Check(zv::IsValidUtf8(clean));
  Check(zv::SanitizeUtf8(clean) == clean);
  Check((clean == bytes) == zv::IsValidUtf8(bytes));
  std::string cp1252;
  zv::Cp1252FromUtf8(zv::Utf8FromCp1252(bytes), cp1252);
  Check(cp1252 == bytes);
  Check(zv::IsValidUtf8(zv::Utf8FromUtf16(bytes, false)));
  Check(zv::IsValidUtf8(zv::Utf8FromUtf16(bytes, true)));

  for (const zv::tcodepage* page : {&zv::Utf8CodePage(), &zv::Cp1252CodePage()}) {
    zv::UseProcessCodePage(page);
    zv::tmemoryfileio io;
    io.Files["in.shl"] = bytes;
    zv::tnullprogress progress;
    zv::tzvshortcutlist list;
    list.ImportFromFile("in.shl", progress, io);
    // Whatever came in holds texts of the code page.
    if (page->IsUtf8())
      for (int i = 0; i < list.Count(); ++i) Check(zv::IsValidUtf8(list.GetItem(i)->Caption));
    Check(list.ExportToFile("out.shl", progress, io));
    zv::tzvshortcutlist back, again;
    Check(back.ImportFromFile("out.shl", progress, io));
    Check(back.ExportToFile("back.shl", progress, io));
    Check(again.ImportFromFile("back.shl", progress, io));
    Check(Stored(again) == Stored(back));
  }
  zv::UseProcessCodePage(nullptr);
  return 0;
}
