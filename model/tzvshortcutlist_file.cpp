// List files (.shl): an INI file with a section "Root" that carries the
// class marker and the entry count, and one section "Item<i>" per entry.
#include <algorithm>
#include <string>
#include <tuple>
#include <unordered_set>
#include <utility>
#include <vector>

#include "model/inifile.h"
#include "model/listfileio.h"
#include "model/listfiletext.h"
#include "model/listprogress.h"
#include "core/textutil.h"
#include "model/tzvshortcutlist.h"

namespace zv {

namespace {

const char* const RootSection = "Root";

std::string ItemSection(std::int32_t i) { return "Item" + std::to_string(i); }

// The texts of one entry as the file spells them.
struct entrytexts {
  tfiletext Caption, Path, Parameters, WorkingDir, Icon;
  explicit entrytexts(const tzvshortcut& s) {
    // Only what the type stores decides how the file is spelled.
    if (s.ShortcutType != stApplication && s.ShortcutType != stFile && s.ShortcutType != stFolder &&
        !s.IsGroup())
      return;
    Caption = ToFileText(s.Caption);
    Path = ToFileText(s.Path);
    Icon = ToFileText(s.Icon);
    if (s.ShortcutType == stApplication) {
      Parameters = ToFileText(s.Parameters);
      WorkingDir = ToFileText(s.WorkingDir);
    }
  }
  bool FitCp1252() const {
    return Caption.FitsCp1252 && Path.FitsCp1252 && Parameters.FitsCp1252 && WorkingDir.FitsCp1252 &&
           Icon.FitsCp1252;
  }
};

void WriteEntry(tinifile& ini, std::size_t section, const tzvshortcut& s, const entrytexts& t, bool utf8) {
  auto text = [utf8](const tfiletext& f) { return EscapeQuotes(utf8 ? f.Utf8 : f.Cp1252); };
  ini.WriteInteger(section, "ShortcutType", s.ShortcutType);
  switch (s.ShortcutType) {
    case stApplication:
      ini.WriteString(section, "Caption", text(t.Caption));
      ini.WriteString(section, "Path", text(t.Path));
      ini.WriteString(section, "Parameters", text(t.Parameters));
      ini.WriteString(section, "WorkingDir", text(t.WorkingDir));
      ini.WriteInteger(section, "Hotkey", s.Hotkey);
      ini.WriteInteger(section, "ViewStyle", s.ViewStyle);
      break;
    case stFile:
      ini.WriteString(section, "Caption", text(t.Caption));
      ini.WriteString(section, "Path", text(t.Path));
      ini.WriteInteger(section, "Hotkey", s.Hotkey);
      break;
    case stFolder:
      ini.WriteString(section, "Caption", text(t.Caption));
      ini.WriteString(section, "Path", text(t.Path));
      ini.WriteString(section, "FullExplorer", s.FullExplorer ? "1" : "0");
      ini.WriteInteger(section, "Hotkey", s.Hotkey);
      ini.WriteInteger(section, "ViewStyle", s.ViewStyle);
      break;
    default:
      if (s.Group) {
        ini.WriteInteger(section, "Group", 1);
        ini.WriteString(section, "Caption", text(t.Caption));
      }
      break;
  }
  // As in the registry: a list without groups or icons is written as before.
  if (s.Level > 0) ini.WriteInteger(section, "Level", s.Level);
  if (!s.Icon.empty() && (s.ShortcutType != stSeparator || s.Group)) ini.WriteString(section, "Icon", text(t.Icon));
}

// Null when a text cannot be held in the process code page.
std::unique_ptr<tzvshortcut> ReadEntry(const tinifile& ini, std::size_t section, bool utf8) {
  auto s = std::make_unique<tzvshortcut>();
  const std::int32_t type = ini.ReadInteger(section, "shortcuttype", 0);
  if (type >= stSeparator && type <= stFolder) s->ShortcutType = static_cast<std::uint8_t>(type);
  if (s->ShortcutType == stApplication || s->ShortcutType == stFolder) {
    const std::int32_t view = ini.ReadInteger(section, "ViewStyle", 1);
    if (view >= vsMinimized && view <= vsMaximized) s->ViewStyle = static_cast<std::uint8_t>(view);
  }
  s->Group = s->ShortcutType == stSeparator && ini.ReadInteger(section, "Group", 0) != 0;
  s->Level = StoredLevel(ini.ReadInteger(section, "Level", 0));
  // Texts a type does not store are never used or written; only the others
  // must come whole.
  const bool named = s->ShortcutType != stSeparator || s->Group;
  const bool application = s->ShortcutType == stApplication;
  for (auto [field, key, used] : {std::tuple{&s->Caption, "Caption", named}, std::tuple{&s->Path, "Path", named},
                                  std::tuple{&s->Parameters, "Parameters", application},
                                  std::tuple{&s->WorkingDir, "WorkingDir", application},
                                  std::tuple{&s->Icon, "Icon", named}})
    if (!FromFileText(UnescapeQuotes(ini.ReadString(section, key, "")), utf8, *field) && used) return nullptr;
  s->FullExplorer = ini.ReadInteger(section, "FullExplorer", 0) != 0;
  s->Hotkey = static_cast<std::uint16_t>(ini.ReadInteger(section, "Hotkey", 0) & 0xFFFF);
  return s;
}

// "Item<i>" with i in decimal without leading zeros (the only spelling the
// lookup of entry i finds), or -1.
std::int64_t ItemNumber(std::string_view name) {
  if (name.size() < 5 || name.size() > 14 || !SameTextAscii(name.substr(0, 4), "Item")) return -1;
  std::string_view digits = name.substr(4);
  if (digits.size() > 1 && digits[0] == '0') return -1;
  std::int64_t n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

// The entry sections by number, each found once: entry i is the first
// section named "Item<i>".
struct entrysection {
  std::int64_t Number;
  std::size_t Section;
};

std::vector<entrysection> EntrySections(const tinifile& ini, std::int32_t count) {
  std::vector<entrysection> found;
  for (auto& [id, name] : ini.Sections()) {
    const std::int64_t n = ItemNumber(name);
    if (n >= 0 && n < count) found.push_back({n, id});
  }
  // Stable: of two sections with one name the first in the file counts.
  std::stable_sort(found.begin(), found.end(),
                   [](const entrysection& a, const entrysection& b) { return a.Number < b.Number; });
  found.erase(std::unique(found.begin(), found.end(),
                          [](const entrysection& a, const entrysection& b) { return a.Number == b.Number; }),
              found.end());
  return found;
}

// Equal keys exactly when IsEqual holds between two non-separators: the
// fields it compares without regard to case go in upper case.
std::string DuplicateKey(const tzvshortcut& s) {
  std::string key;
  key += static_cast<char>(s.ShortcutType);
  key += static_cast<char>(s.ViewStyle);
  key += static_cast<char>(s.FullExplorer ? 1 : 0);
  key += static_cast<char>(s.Hotkey & 0xFF);
  key += static_cast<char>(s.Hotkey >> 8);
  for (const std::string* field : {&s.Caption, &s.Path, &s.Parameters, &s.WorkingDir, &s.Icon}) {
    key += std::to_string(field->size());
    key += ':';
    key += field == &s.Parameters ? *field : UpperAscii(*field);
  }
  return key;
}

// Closes the progress on every way out once it was opened.
struct progressguard {
  explicit progressguard(tlistprogress& p) : Progress(p) {}
  ~progressguard() {
    if (Opened) Progress.Close();
  }
  progressguard(const progressguard&) = delete;
  progressguard& operator=(const progressguard&) = delete;
  tlistprogress& Progress;
  bool Opened = false;
};

}  // namespace

std::string EscapeQuotes(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '"') out += '\\';
    out += c;
  }
  return out;
}

std::string UnescapeQuotes(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '"') continue;
    out += text[i];
  }
  return out;
}

#if !defined(_WIN32)
// The Win32 build has these beside its file functions.
bool tzvshortcutlist::ExportToFile(const std::string& fileName, tlistprogress& progress) {
  return ExportToFile(fileName, progress, DefaultListFileIo());
}

bool tzvshortcutlist::ImportFromFile(const std::string& fileName, tlistprogress& progress) {
  return ImportFromFile(fileName, progress, DefaultListFileIo());
}
#endif

bool tzvshortcutlist::ExportToFile(const std::string& fileName, tlistprogress& progress,
                                   tlistfileio& io) {
  progressguard guard(progress);
  try {
    const std::int32_t count = Count();
    guard.Opened = progress.Open(count);
    std::vector<entrytexts> texts;
    texts.reserve(static_cast<size_t>(count));
    bool utf8 = false;
    for (const auto& item : items_) {
      texts.emplace_back(*item);
      utf8 = utf8 || !texts.back().FitCp1252();
    }
    tinifile ini;
    ini.WriteString(RootSection, "SavedByClass", ClassName);
    ini.WriteInteger(RootSection, "Count", count);
    if (utf8) ini.WriteString(RootSection, EncodingKey, Utf8EncodingName);
    for (std::int32_t i = 0; i < count; ++i) {
      progress.Step(i, true);
      WriteEntry(ini, ini.AddSection(ItemSection(i)), *items_[static_cast<size_t>(i)],
                 texts[static_cast<size_t>(i)], utf8);
    }
    // The old file stays until the new one is complete on the disk.
    return WriteFileReplacing(io, fileName, ini.Text());
  } catch (...) {
    return false;
  }
}

bool tzvshortcutlist::ImportFromFile(const std::string& fileName, tlistprogress& progress,
                                     tlistfileio& io) {
  progressguard guard(progress);
  bool result = false;
  try {
    std::string text;
    if (io.ReadAll(fileName, MaxListFileSize, text) != treadstatus::Ok) return false;
    bool utf8 = false;
    const tinifile ini(DecodeByteOrderMark(std::move(text), utf8));
    if (ini.ReadString(RootSection, "SavedByClass", "undefined") != ClassName) return false;
    utf8 = utf8 || IsUtf8ListFile(ini);
    result = true;
    const std::int32_t count = ini.ReadInteger(RootSection, "Count", 0);
    // A count may claim far more entries than the file holds, and numbers
    // may leave huge gaps. Missing sections stand for separators; a run of
    // them is one separator, which is what remains of it once the editor
    // tidies the list, and past the last entry section there is nothing.
    const std::vector<entrysection> sections = count > 0 ? EntrySections(ini, count) : std::vector<entrysection>();
    const std::int32_t entries =
        count > 0 ? (sections.empty() ? 0 : static_cast<std::int32_t>(sections.back().Number + 1)) : count;
    if (!progress.Open(entries)) return false;
    guard.Opened = true;
    // The file's groups are appended as they are, their levels fitted
    // among the file's own entries.
    const std::int32_t first = Count();

    // The duplicate test of Add, with the entries in a hash set so that a
    // large file does not take quadratic time. Separators never match.
    std::unordered_set<std::string> present;
    for (const auto& existing : items_)
      if (existing->ShortcutType != stSeparator) present.insert(DuplicateKey(*existing));
    auto take = [&](std::unique_ptr<tzvshortcut> s) {
      if (!s) {
        result = false;  // a text this system cannot hold: not taken
        return;
      }
      std::string key;
      if (s->ShortcutType != stSeparator) {
        key = DuplicateKey(*s);
        if (present.count(key)) return;  // already in the list: not an error
      }
      if (Add(s, true) == -1) {
        result = false;
        return;
      }
      if (!key.empty()) present.insert(std::move(key));
    };
    std::int64_t next = 0;
    for (const entrysection& e : sections) {
      if (e.Number > next) {
        progress.Step(static_cast<std::int32_t>(next), false);
        auto separator = std::make_unique<tzvshortcut>();
        separator->ShortcutType = stSeparator;
        separator->Caption.clear();
        take(std::move(separator));
      }
      progress.Step(static_cast<std::int32_t>(e.Number), false);
      take(ReadEntry(ini, e.Section, utf8));
      next = e.Number + 1;
    }
    FitGroupLevels(first);
  } catch (...) {
    result = false;
  }
  return result;
}

}  // namespace zv
