#include "core/iconlocation.h"

#include <charconv>

#include "core/textutil.h"

namespace zv {

namespace {

// Never in a path or an icon location, so a source cannot be mistaken.
constexpr char SourceMark = '\x01';

// "-12", "+3" or "7", whole.
bool ParseIndex(std::string_view text, int& index) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

bool ParseIconLocation(std::string_view text, ticonlocation& out) {
  text = TrimmedSpaces(text);
  int index = 0;
  const std::size_t comma = text.rfind(',');
  // A comma with no number after it belongs to the file name.
  if (comma != std::string_view::npos && ParseIndex(TrimmedSpaces(text.substr(comma + 1)), index))
    text = TrimmedSpaces(text.substr(0, comma));
  else
    index = 0;
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = TrimmedSpaces(text.substr(1, text.size() - 2));
  if (text.empty() || text.size() > MaxIconFileChars) return false;
  for (char c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == '"') return false;
  out.File = std::string(text);
  out.Index = index;
  return true;
}

std::string IconLocationText(const ticonlocation& location) {
  return location.File + "," + std::to_string(location.Index);
}

std::string IconSourceText(std::string_view icon, std::string_view path) {
  if (icon.empty()) return std::string(path);
  std::string source;
  source.reserve(icon.size() + path.size() + 2);
  source += SourceMark;
  source += icon;
  source += SourceMark;
  source += path;
  return source;
}

bool SplitIconSource(std::string_view source, std::string& icon, std::string& path) {
  if (source.empty() || source.front() != SourceMark) return false;
  const std::size_t second = source.find(SourceMark, 1);
  if (second == std::string_view::npos) return false;
  icon = std::string(source.substr(1, second - 1));
  path = std::string(source.substr(second + 1));
  return true;
}

std::string ProgramOfCommand(std::string_view command) {
  command = TrimmedSpaces(command);
  if (!command.empty() && command.front() == '"') {
    const std::size_t close = command.find('"', 1);
    return std::string(command.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
  }
  return std::string(command.substr(0, command.find_first_of(" \t")));
}

}  // namespace zv
