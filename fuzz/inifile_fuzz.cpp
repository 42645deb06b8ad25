// Any bytes as an INI document: reading never fails, an untouched document
// writes back byte for byte, and whatever is written reads back exactly.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/inifile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  zv::tinifile ini(text);
  const bool marked = size >= 2 && (data[0] == 0xEF || data[0] == 0xFF || data[0] == 0xFE);
  if (!marked && ini.Text() != text) std::abort();
  for (auto& [id, name] : ini.Sections()) {
    ini.ReadString(id, "k", "");
    ini.ReadInteger(id, "Count", 0);
  }
  ini.ReadString("Root", "SavedByClass", "undefined");
  // The input's tail as a value, written into an existing and a new section.
  const std::string value = text.substr(size / 2);
  std::string expected = value;
  for (char& c : expected)
    if (c == '\r' || c == '\n' || c == '\0') c = ' ';
  const std::size_t first = ini.Sections().empty() ? ini.AddSection("S") : ini.Sections().front().first;
  ini.WriteString(first, "written", value);
  ini.WriteString("fresh section", "k", value);
  zv::tinifile back(ini.Text());
  if (!marked) {
    // A key line of the same name earlier in the section wins, as it should.
    std::string name(ini.Sections().front().second);
    auto got = back.Find(name, "written");
    auto fresh = back.Find("fresh section", "k");
    if (!got || !fresh) std::abort();
    if (back.FindSection(name) == back.FindSection("fresh section")) return 0;
    if (*fresh != expected || *got != expected) std::abort();
  }
  return 0;
}
