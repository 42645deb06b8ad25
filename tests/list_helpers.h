#pragma once
// Building and describing shortcut lists in tests.
#include <memory>
#include <string>

#include "model/tzvshortcutlist.h"

inline std::unique_ptr<zv::tzvshortcut> MakeShortcut(std::uint8_t type, const std::string& caption,
                                                     const std::string& path = "",
                                                     std::uint16_t hotkey = 0) {
  auto s = std::make_unique<zv::tzvshortcut>();
  s->ShortcutType = type;
  s->Caption = caption;
  s->Path = path;
  s->Hotkey = hotkey;
  return s;
}

inline void Append(zv::tzvshortcutlist& list, std::unique_ptr<zv::tzvshortcut> s) {
  list.Add(s, true);
}

inline std::unique_ptr<zv::tzvshortcut> Separator() {
  return MakeShortcut(zv::stSeparator, "");
}

// Every stored field of every entry, for comparing whole lists.
inline std::string Describe(const zv::tzvshortcutlist& list) {
  std::string out;
  for (int i = 0; i < list.Count(); ++i) {
    const zv::tzvshortcut* s = list.GetItem(i);
    out += std::to_string(s->ShortcutType) + "|" + s->Caption + "|" + std::to_string(s->ViewStyle) +
           "|" + s->Path + "|" + s->Parameters + "|" + s->WorkingDir + "|" +
           (s->FullExplorer ? "1" : "0") + "|" + std::to_string(s->Hotkey) + (s->Icon.empty() ? "" : "|" + s->Icon) +
           "\n";
  }
  return out;
}

// Captions only, separators as "-".
inline std::string Captions(const zv::tzvshortcutlist& list) {
  std::string out;
  for (int i = 0; i < list.Count(); ++i) {
    const zv::tzvshortcut* s = list.GetItem(i);
    if (!out.empty()) out += ",";
    out += s->ShortcutType == zv::stSeparator ? std::string("-") : s->Caption;
  }
  return out;
}

// A group: a separator with a caption that holds the deeper entries after it.
inline std::unique_ptr<zv::tzvshortcut> Group(const std::string& caption, std::uint8_t level = 0) {
  auto s = MakeShortcut(zv::stSeparator, caption);
  s->Group = true;
  s->Level = level;
  return s;
}

inline std::unique_ptr<zv::tzvshortcut> AtLevel(std::unique_ptr<zv::tzvshortcut> s, std::uint8_t level) {
  s->Level = level;
  return s;
}

// The list's structure: each entry's level, groups in brackets, separators
// as "-", e.g. "0[Tools],1Editor,2[Deep],0-".
inline std::string Structure(const zv::tzvshortcutlist& list) {
  std::string out;
  for (int i = 0; i < list.Count(); ++i) {
    const zv::tzvshortcut* s = list.GetItem(i);
    if (!out.empty()) out += ",";
    out += std::to_string(s->Level);
    out += s->IsGroup() ? "[" + s->Caption + "]" : s->IsLine() ? std::string("-") : s->Caption;
  }
  return out;
}
