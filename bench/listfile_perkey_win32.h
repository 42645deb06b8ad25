#pragma once
// The list file written and read with one call of the system's profile
// functions per key: the yardstick the list file code is measured and
// checked against.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "model/inifile.h"
#include "model/tzvshortcutlist.h"

namespace zvperkey {

inline void WriteKey(const std::string& file, const std::string& section, const char* key,
                     const std::string& value) {
  WritePrivateProfileStringA(section.c_str(), key, value.c_str(), file.c_str());
}

inline void Export(const zv::tzvshortcutlist& list, const std::string& file) {
  DeleteFileA(file.c_str());
  WriteKey(file, "Root", "SavedByClass", "tzvshortcutlist");
  WriteKey(file, "Root", "Count", std::to_string(list.Count()));
  for (int i = 0; i < list.Count(); ++i) {
    const zv::tzvshortcut* s = list.GetItem(i);
    const std::string section = "Item" + std::to_string(i);
    WriteKey(file, section, "ShortcutType", std::to_string(s->ShortcutType));
    if (s->ShortcutType == zv::stSeparator) continue;
    WriteKey(file, section, "Caption", zv::EscapeQuotes(s->Caption));
    WriteKey(file, section, "Path", zv::EscapeQuotes(s->Path));
    if (s->ShortcutType == zv::stApplication) {
      WriteKey(file, section, "Parameters", zv::EscapeQuotes(s->Parameters));
      WriteKey(file, section, "WorkingDir", zv::EscapeQuotes(s->WorkingDir));
    }
    if (s->ShortcutType == zv::stFolder) WriteKey(file, section, "FullExplorer", s->FullExplorer ? "1" : "0");
    WriteKey(file, section, "Hotkey", std::to_string(s->Hotkey));
    if (s->ShortcutType != zv::stFile) WriteKey(file, section, "ViewStyle", std::to_string(s->ViewStyle));
  }
}

inline std::string ReadKey(const std::string& file, const std::string& section, const char* key,
                           const char* def, DWORD bufferSize) {
  std::vector<char> buffer(bufferSize);
  DWORD n = GetPrivateProfileStringA(section.c_str(), key, def, buffer.data(), bufferSize, file.c_str());
  return std::string(buffer.data(), n);
}

inline std::int32_t ReadInt(const std::string& file, const std::string& section, const char* key,
                            std::int32_t def) {
  return zv::ParseIniInteger(ReadKey(file, section, key, "", 64), def);
}

// bufferSize 2048 reads as the system's way always did (values cut at 2,047).
inline bool Import(zv::tzvshortcutlist& list, const std::string& file, DWORD bufferSize = 2048) {
  if (ReadKey(file, "Root", "SavedByClass", "undefined", bufferSize) != "tzvshortcutlist") return false;
  const std::int32_t count = ReadInt(file, "Root", "Count", 0);
  if (count < 0) return false;
  bool result = true;
  for (std::int32_t i = 0; i < count; ++i) {
    const std::string section = "Item" + std::to_string(i);
    auto s = std::make_unique<zv::tzvshortcut>();
    std::int32_t type = ReadInt(file, section, "shortcuttype", 0);
    if (type >= 0 && type <= 3) s->ShortcutType = static_cast<std::uint8_t>(type);
    if (s->ShortcutType == zv::stApplication || s->ShortcutType == zv::stFolder) {
      std::int32_t view = ReadInt(file, section, "ViewStyle", 1);
      if (view >= 0 && view <= 2) s->ViewStyle = static_cast<std::uint8_t>(view);
    }
    s->Caption = zv::UnescapeQuotes(ReadKey(file, section, "Caption", "", bufferSize));
    s->Path = zv::UnescapeQuotes(ReadKey(file, section, "Path", "", bufferSize));
    s->Parameters = zv::UnescapeQuotes(ReadKey(file, section, "Parameters", "", bufferSize));
    s->WorkingDir = zv::UnescapeQuotes(ReadKey(file, section, "WorkingDir", "", bufferSize));
    s->FullExplorer = ReadInt(file, section, "FullExplorer", 0) != 0;
    s->Hotkey = static_cast<std::uint16_t>(ReadInt(file, section, "Hotkey", 0) & 0xFFFF);
    if (list.Add(s, false) == -1) result = false;
  }
  return result;
}

}  // namespace zvperkey
