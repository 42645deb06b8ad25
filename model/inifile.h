#pragma once
// An INI document read once into memory and written back as text, with the
// rules of the Windows profile functions that list files rely on:
// - section and key names match without regard to ASCII letter case;
// - only the first section of a name and its first key of a name count;
// - a value runs to its line end (CR or LF), blanks around it removed, and
//   one pair of single or double quotation marks enclosing it removed;
// - a key line without "=" is found but yields the default;
// - writing replaces a key in place or appends it to the end of its section,
//   and a new section goes to the end of the file.
// Values are read whole; there is no length cap.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zv {

// Blanks the profile functions remove around names and values: tab, vertical
// tab, form feed, the end-of-file mark 0x1A and the space.
bool IsIniBlank(char c);

// Integer reading: hexadecimal when longer than two characters and starting
// with "0x" or "0X" (or starting with "$"), else signed decimal; anything that
// is not a 32-bit number gives the default.
std::int32_t ParseIniInteger(std::string_view text, std::int32_t def);

class tinifile {
 public:
  tinifile() = default;
  // Parses the text once. A UTF-8 or UTF-16 byte-order mark makes the text
  // convert to Windows-1252 first, as the system does.
  explicit tinifile(std::string text);

  // Sections by number, for callers that read or write many keys of one
  // section: a number stays valid for the life of the document.
  static constexpr std::size_t NoSection = static_cast<std::size_t>(-1);
  std::size_t FindSection(std::string_view name) const;  // NoSection when missing
  std::size_t AddSection(std::string_view name);         // found or appended
  // Every section header in file order with its number and name; a repeated
  // name is listed again, though only its first section is ever found.
  std::vector<std::pair<std::size_t, std::string_view>> Sections() const;

  bool SectionExists(std::string_view section) const { return FindSection(section) != NoSection; }
  // The value as the profile functions give it; nothing when the section or
  // key is missing or the key line has no "=".
  std::optional<std::string> Find(std::size_t section, std::string_view key) const;
  std::optional<std::string> Find(std::string_view section, std::string_view key) const {
    return Find(FindSection(section), key);
  }
  std::string ReadString(std::size_t section, std::string_view key, std::string_view def) const;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const {
    return ReadString(FindSection(section), key, def);
  }
  std::int32_t ReadInteger(std::size_t section, std::string_view key, std::int32_t def) const;
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const {
    return ReadInteger(FindSection(section), key, def);
  }

  void WriteString(std::size_t section, std::string_view key, std::string_view value);
  void WriteString(std::string_view section, std::string_view key, std::string_view value) {
    WriteString(AddSection(section), key, value);
  }
  void WriteInteger(std::size_t section, std::string_view key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
  }
  void WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(AddSection(section), key, std::to_string(value));
  }

  // The whole document; lines not written to stay byte for byte as read.
  std::string Text() const;

  // What the writer puts after "=" so that a reader keeping the rules above
  // gets the value back exactly: line breaks and NUL bytes become blanks
  // (they would end the line), and a value with a blank at either end or
  // enclosed in a pair of quotation marks is put in double quotation marks.
  static std::string FormatValue(std::string_view value);

 private:
  // A line is a stretch of text_ as read, or of added_ once written here,
  // so that a document of many lines does not hold one allocation per line.
  struct line {
    std::uint32_t begin = 0;
    std::uint32_t length = 0;  // with its line break
    std::uint32_t keyBegin = 0, keyLength = 0;      // relative to the line
    std::uint32_t valueBegin = 0, valueLength = 0;  // relative to the line
    bool added = false;
    bool hasValue = false;
    bool blank = false;
  };
  struct section {
    std::string name;
    bool hasHeader = false;
    line header;
    std::vector<line> lines;
  };

  std::string_view View(const line& l) const;
  std::string_view KeyOf(const line& l) const { return View(l).substr(l.keyBegin, l.keyLength); }
  const line* FindLine(std::size_t section, std::string_view key) const;
  void Parse();
  void AddLine(std::uint32_t begin, std::uint32_t end, std::uint32_t next);
  void EnsureLineBreak(line& l);
  line AddedLine(std::string_view text);

  std::string text_;
  std::string added_;
  std::vector<section> sections_;  // [0] holds what comes before the first header
  std::unordered_map<std::string, std::uint32_t> index_;  // upper-case name -> first section
};

}  // namespace zv
