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

  bool SectionExists(std::string_view section) const;
  // The value as the profile functions give it; nothing when the section or
  // key is missing or the key line has no "=".
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const;

  // Names of all sections, in file order, as they stand in their headers.
  std::vector<std::string_view> SectionNames() const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);

  // The whole document; lines not written to stay byte for byte as read.
  std::string Text() const;

  // What the writer puts after "=" so that a reader keeping the rules above
  // gets the value back exactly: line breaks and NUL bytes become blanks
  // (they would end the line), and a value with a blank at either end or
  // enclosed in a pair of quotation marks is put in double quotation marks.
  static std::string FormatValue(std::string_view value);

 private:
  struct line {
    std::string own;          // the text when written here, else empty
    std::uint32_t begin = 0;  // otherwise its place in text_
    std::uint32_t length = 0; // with its line break
    std::uint32_t keyBegin = 0, keyLength = 0;      // relative to the line
    std::uint32_t valueBegin = 0, valueLength = 0;  // relative to the line
    bool owned = false;
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
  const line* FindLine(std::string_view section, std::string_view key) const;
  void Parse();
  void AddLine(std::uint32_t begin, std::uint32_t end, std::uint32_t next);
  section& SectionFor(std::string_view name);
  void EnsureLineBreak(line& l);
  static line OwnedLine(std::string text);

  std::string text_;
  std::vector<section> sections_;  // [0] holds what comes before the first header
  std::unordered_map<std::string, std::uint32_t> index_;  // upper-case name -> first section
};

}  // namespace zv
