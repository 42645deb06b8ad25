#include "editor/editorrows.h"

#include <algorithm>
#include <vector>

#include "core/codepage.h"
#include "core/dpiscale.h"

namespace zv {

std::string CountLabelText(std::int32_t count) {
  if (count == 1) return "1 Shortcut";
  return std::to_string(count) + " Shortcuts";
}

std::string RowReadText(const tzvshortcut& entry, const std::string& hotkeyText) {
  if (entry.IsLine()) return "Separator";
  if (entry.IsGroup()) return entry.Caption + ", Group";
  const char* kind = entry.ShortcutType == stFile ? "File" : entry.ShortcutType == stFolder ? "Folder" : "Application";
  std::string text = entry.Caption + ", " + kind;
  if (!entry.Path.empty()) text += ", " + entry.Path;
  if (entry.Hotkey != 0 && !hotkeyText.empty()) text += ", " + hotkeyText;
  if (entry.HotkeyStatus == hsInvalid) text += ", invalid hotkey";
  return text;
}

std::int32_t RowHeight(const tzvshortcut& entry, bool largeMode, std::int32_t textHeight,
                       std::int32_t iconHeight, int dpi) {
  const std::int32_t margin = ScaleForDpi(4, dpi);
  if (entry.IsLine()) return textHeight + margin;
  std::int32_t text = largeMode ? 2 * textHeight + margin : textHeight + margin;
  return std::max(text, iconHeight + margin);
}

std::int32_t RowIndent(std::uint8_t level, bool largeMode, std::int32_t width, int dpi) {
  const std::int32_t step = ScaleForDpi(largeMode ? 24 : 16, dpi);
  return std::min(level * step, std::max(width, 0) / 2);
}

trowcolours RowColours(const tzvshortcut& entry, bool selected) {
  if (selected) return {trowcolour::Highlight, trowcolour::HighlightText};
  if (entry.HotkeyStatus == hsInvalid) return {trowcolour::InvalidHotkey, trowcolour::WindowText};
  return {trowcolour::Window, trowcolour::WindowText};
}

tseparatorrow LayoutSeparatorRow(std::int32_t width, std::int32_t height, const ttextwidth& textWidth,
                                 int dpi, std::int32_t indent) {
  const std::int32_t two = ScaleForDpi(2, dpi);
  tseparatorrow r;
  r.LineFrom = {indent + two, height / 2};
  r.LineTo = {width - two, height / 2};
  r.TextAt = {indent + (width - indent - textWidth(SeparatorRowText)) / 2, two};
  return r;
}

tshortcutrow LayoutShortcutRow(const tzvshortcut& entry, const trowmetrics& m,
                               const std::function<std::string(std::uint16_t)>& hotkeyText) {
  auto px = [&m](int figure) { return ScaleForDpi(figure, m.Dpi); };
  const std::int32_t in = RowIndent(entry.Level, m.LargeMode, m.Width, m.Dpi);
  tshortcutrow r;
  r.IconAt = {in + px(2), px(2)};
  r.Caption = entry.Caption;
  if (entry.IsGroup()) {
    r.CaptionBold = true;
    r.CaptionAt = {in + m.IconWidth + px(7), (m.Height - m.TextHeight) / 2};
    return r;
  }
  r.Badge = entry.HotkeyStatus == hsInvalid;
  if (entry.Hotkey != 0) r.HotkeyText = "(" + (hotkeyText ? hotkeyText(entry.Hotkey) : std::string()) + ")";
  if (m.LargeMode) {
    r.BadgeAt = {in + m.IconWidth - px(20), m.IconHeight - px(20)};
    r.BadgeSize = px(22);
    std::int32_t y = (m.Height - 2 * m.TextHeight) / 2;
    r.CaptionBold = true;
    r.CaptionAt = {in + m.IconWidth + px(7), y};
    r.HotkeyAt = {in + m.IconWidth + px(12) + m.Bold(entry.Caption), y};
    r.ShowPath = true;
    r.PathText = ShortenPath(entry.Path, m.Width - in - m.IconWidth - px(11), m.Regular);
    r.PathAt = {in + m.IconWidth + px(7), y + m.TextHeight};
  } else {
    r.BadgeAt = {in + m.IconWidth - px(9), m.IconHeight - px(9)};
    r.BadgeSize = px(11);
    std::int32_t y = (m.Height - m.TextHeight) / 2;
    r.CaptionAt = {in + m.IconWidth + px(7), y};
    if (!r.HotkeyText.empty()) r.HotkeyAt = {m.Width - m.Regular(r.HotkeyText) - px(4), y};
  }
  return r;
}

std::string ShortenPath(const std::string& path, std::int32_t maxWidth, const ttextwidth& textWidth) {
  if (textWidth(path) <= maxWidth) return path;

  // The part that stays in front: "C:\", "\\server\share\" or "\".
  std::size_t rootEnd = 0;
  if (path.size() >= 3 && path[1] == ':' && path[2] == '\\') {
    rootEnd = 3;
  } else if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
    std::size_t server = path.find('\\', 2);
    std::size_t share = server == std::string::npos ? std::string::npos : path.find('\\', server + 1);
    rootEnd = share == std::string::npos ? path.size() : share + 1;
  } else if (!path.empty() && path[0] == '\\') {
    rootEnd = 1;
  }
  std::string root = path.substr(0, rootEnd);
  std::vector<std::string> parts;
  std::size_t start = rootEnd;
  while (start <= path.size()) {
    std::size_t next = path.find('\\', start);
    if (next == std::string::npos) next = path.size();
    parts.push_back(path.substr(start, next - start));
    start = next + 1;
  }
  std::string name = parts.empty() ? std::string() : parts.back();

  // Drop the leading directories one by one.
  for (std::size_t drop = 1; drop < parts.size(); ++drop) {
    std::string candidate = root + "...";
    for (std::size_t i = drop; i < parts.size(); ++i) candidate += "\\" + parts[i];
    if (textWidth(candidate) <= maxWidth) return candidate;
  }
  std::string bare = "...\\" + name;
  if (textWidth(bare) <= maxWidth) return bare;
  // Even the name alone is too wide: keep as much of its start as fits.
  const bool utf8 = ProcessCodePage().IsUtf8();
  for (std::size_t keep = name.size(); keep-- > 0;) {
    // Never inside a character: a cut sequence would show as a stray sign.
    if (utf8 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) continue;
    std::string candidate = name.substr(0, keep) + "...";
    if (textWidth(candidate) <= maxWidth) return candidate;
  }
  return "...";
}

}  // namespace zv
