#include "model/inifile.h"

#include "core/codepage.h"
#include "core/textutil.h"

namespace zv {

namespace {

std::string_view Trimmed(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && IsIniBlank(s[b])) ++b;
  while (e > b && IsIniBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

char ToCp1252(std::uint32_t cp) {
  const int b = CharToCp1252(static_cast<char32_t>(cp));
  return b < 0 ? '?' : static_cast<char>(b);
}

std::string FromUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    std::uint32_t cp = extra > 0 ? (c & (0x3F >> extra)) : c;
    bool ok = extra >= 0 && i + static_cast<size_t>(extra) < s.size();
    for (int k = 1; ok && k <= extra; ++k) {
      const unsigned char d = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
      ok = (d & 0xC0) == 0x80;
      cp = (cp << 6) | (d & 0x3F);
    }
    if (!ok) {
      out += '?';  // a broken sequence stands for one unknown character
      ++i;
      continue;
    }
    out += ToCp1252(cp);
    i += 1 + static_cast<size_t>(extra);
  }
  return out;
}

std::string FromUtf16(std::string_view s, bool bigEndian) {
  std::string out;
  out.reserve(s.size() / 2);
  for (size_t i = 0; i + 1 < s.size(); i += 2) {
    const unsigned char a = static_cast<unsigned char>(s[i]), b = static_cast<unsigned char>(s[i + 1]);
    const std::uint32_t unit = bigEndian ? (a << 8 | b) : (b << 8 | a);
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < s.size()) {
      i += 2;  // a pair stands for one character outside the code page
      out += '?';
      continue;
    }
    out += ToCp1252(unit);
  }
  return out;
}

std::string ToAnsi(std::string text) {
  const unsigned char* b = reinterpret_cast<const unsigned char*>(text.data());
  const size_t n = text.size();
  if (n >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) return FromUtf8(std::string_view(text).substr(3));
  if (n >= 2 && b[0] == 0xFF && b[1] == 0xFE) return FromUtf16(std::string_view(text).substr(2), false);
  if (n >= 2 && b[0] == 0xFE && b[1] == 0xFF) return FromUtf16(std::string_view(text).substr(2), true);
  return text;
}

bool RiskyAtEnd(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  // More than the system trims today: a reader that also drops other control
  // bytes or the no-break space must still get the value whole.
  return u <= 0x20 || u == 0x7F || u == 0xA0;
}

}  // namespace

bool IsIniBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1A'; }

std::int32_t ParseIniInteger(std::string_view s, std::int32_t def) {
  std::string_view hex;
  bool isHex = true;
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X'))
    hex = s.substr(2);
  else if (!s.empty() && s[0] == '$')
    hex = s.substr(1);
  else
    isHex = false;
  if (isHex) {
    if (hex.empty()) return def;
    std::uint64_t v = 0;
    for (char c : hex) {
      int d = (c >= '0' && c <= '9') ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                                             : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1;
      if (d < 0) return def;
      v = v * 16 + static_cast<std::uint64_t>(d);
      if (v > 0xFFFFFFFFull) return def;
    }
    // Eight digits cover all 32 bits: $FFFFFFFF is -1.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
  }
  size_t i = 0;
  bool negative = false;
  if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
    negative = s[0] == '-';
    i = 1;
  }
  if (i >= s.size()) return def;
  std::int64_t v = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return def;
    v = v * 10 + (s[i] - '0');
    if (v > 2147483648LL) return def;
  }
  if (negative) v = -v;
  if (v > 2147483647LL) return def;
  return static_cast<std::int32_t>(v);
}

std::string tinifile::FormatValue(std::string_view value) {
  std::string v(value);
  for (char& c : v)
    if (c == '\r' || c == '\n' || c == '\0') c = ' ';
  if (v.empty()) return v;
  const char first = v.front(), last = v.back();
  const bool quoted = v.size() >= 2 && (first == '"' || first == '\'') && last == first;
  if (quoted || RiskyAtEnd(first) || RiskyAtEnd(last)) return '"' + v + '"';
  return v;
}

tinifile::tinifile(std::string text) : text_(ToAnsi(std::move(text))) {
  // Offsets are 32-bit; callers never read files anywhere near that size.
  if (text_.size() >= 0xF0000000u) text_.clear();
  Parse();
}

std::string_view tinifile::View(const line& l) const {
  return std::string_view(l.added ? added_ : text_).substr(l.begin, l.length);
}

namespace {

// Splits one line's content into header, key with value, key alone or blank.
struct classified {
  enum kind { Blank, Header, Key } Kind = Blank;
  std::string_view Name;  // section name or key
  std::string_view Value;
  bool HasValue = false;
};

classified Classify(std::string_view content) {
  classified c;
  std::string_view t = Trimmed(content);
  if (t.empty()) return c;
  if (t[0] == '[') {
    size_t close = t.rfind(']');
    if (close != std::string_view::npos && close > 0) {
      c.Kind = classified::Header;
      c.Name = Trimmed(t.substr(1, close - 1));
      return c;
    }
  }
  c.Kind = classified::Key;
  size_t eq = t.find('=');
  if (eq == std::string_view::npos) {
    c.Name = t;
    return c;
  }
  c.Name = Trimmed(t.substr(0, eq));
  c.Value = Trimmed(t.substr(eq + 1));
  c.HasValue = true;
  return c;
}

std::uint32_t Offset(std::string_view inner, std::string_view outer) {
  return static_cast<std::uint32_t>(inner.data() - outer.data());
}

// A key line's name and value, as places in the line's text (whole).
template <typename line>
void TakeKey(line& l, const classified& c, std::string_view whole) {
  l.keyBegin = Offset(c.Name, whole);
  l.keyLength = static_cast<std::uint32_t>(c.Name.size());
  l.hasValue = c.HasValue;
  if (c.HasValue) {
    l.valueBegin = Offset(c.Value, whole);
    l.valueLength = static_cast<std::uint32_t>(c.Value.size());
  }
}

}  // namespace

void tinifile::Parse() {
  sections_.clear();
  index_.clear();
  sections_.emplace_back();
  const size_t n = text_.size();
  size_t pos = 0;
  while (pos < n) {
    size_t end = pos;
    while (end < n && text_[end] != '\r' && text_[end] != '\n') ++end;
    size_t next = end;
    if (next < n && text_[next] == '\r') ++next;
    if (next < n && text_[next] == '\n' && (next == end || text_[next - 1] == '\r')) ++next;
    AddLine(static_cast<std::uint32_t>(pos), static_cast<std::uint32_t>(end),
            static_cast<std::uint32_t>(next));
    pos = next;
  }
}

void tinifile::AddLine(std::uint32_t begin, std::uint32_t end, std::uint32_t next) {
  line l;
  l.begin = begin;
  l.length = next - begin;
  const std::string_view whole = std::string_view(text_).substr(begin, l.length);
  const classified c = Classify(whole.substr(0, end - begin));
  if (c.Kind == classified::Header) {
    section s;
    s.name = std::string(c.Name);
    s.hasHeader = true;
    s.header = l;
    index_.emplace(UpperAscii(s.name), static_cast<std::uint32_t>(sections_.size()));
    sections_.push_back(std::move(s));
    return;
  }
  if (c.Kind == classified::Blank) {
    l.blank = true;
  } else {
    TakeKey(l, c, whole);
  }
  sections_.back().lines.push_back(std::move(l));
}

tinifile::line tinifile::AddedLine(std::string_view text) {
  line l;
  l.added = true;
  l.begin = static_cast<std::uint32_t>(added_.size());
  l.length = static_cast<std::uint32_t>(text.size());
  added_ += text;
  const std::string_view whole = View(l);
  const classified c = Classify(whole.substr(0, whole.find_first_of("\r\n")));
  l.blank = c.Kind == classified::Blank;
  if (c.Kind == classified::Key) TakeKey(l, c, whole);
  return l;
}

std::size_t tinifile::FindSection(std::string_view name) const {
  auto it = index_.find(UpperAscii(Trimmed(name)));
  return it == index_.end() ? NoSection : it->second;
}

std::vector<std::pair<std::size_t, std::string_view>> tinifile::Sections() const {
  std::vector<std::pair<std::size_t, std::string_view>> list;
  list.reserve(sections_.size());
  for (size_t i = 0; i < sections_.size(); ++i)
    if (sections_[i].hasHeader) list.emplace_back(i, sections_[i].name);
  return list;
}

const tinifile::line* tinifile::FindLine(std::size_t section, std::string_view key) const {
  if (section >= sections_.size() || !sections_[section].hasHeader) return nullptr;
  key = Trimmed(key);
  for (const line& l : sections_[section].lines)
    if (!l.blank && SameTextAscii(KeyOf(l), key)) return &l;
  return nullptr;
}

std::optional<std::string> tinifile::Find(std::size_t section, std::string_view key) const {
  const line* l = FindLine(section, key);
  if (!l || !l->hasValue) return std::nullopt;
  std::string_view v = View(*l).substr(l->valueBegin, l->valueLength);
  // The system's strings end at a NUL byte.
  v = v.substr(0, v.find('\0'));
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  return std::string(v);
}

std::string tinifile::ReadString(std::size_t section, std::string_view key, std::string_view def) const {
  std::optional<std::string> v = Find(section, key);
  return v ? std::move(*v) : std::string(def);
}

std::int32_t tinifile::ReadInteger(std::size_t section, std::string_view key, std::int32_t def) const {
  std::optional<std::string> v = Find(section, key);
  return v ? ParseIniInteger(*v, def) : def;
}

void tinifile::EnsureLineBreak(line& l) {
  std::string_view v = View(l);
  if (!v.empty() && (v.back() == '\n' || v.back() == '\r')) return;
  std::string text(v);  // added_ may move while it grows
  text += "\r\n";
  l = AddedLine(text);
}

std::size_t tinifile::AddSection(std::string_view name) {
  name = Trimmed(name);
  std::string upper = UpperAscii(name);
  auto it = index_.find(upper);
  if (it != index_.end()) return it->second;
  // The new header starts a line of its own even after a last line that
  // had no line break.
  for (size_t i = sections_.size(); i-- > 0;) {
    section& s = sections_[i];
    if (!s.lines.empty()) {
      EnsureLineBreak(s.lines.back());
      break;
    }
    if (s.hasHeader) {
      EnsureLineBreak(s.header);
      break;
    }
  }
  section s;
  s.name = std::string(name);
  s.hasHeader = true;
  s.header = AddedLine("[" + s.name + "]\r\n");
  const std::size_t id = sections_.size();
  index_.emplace(std::move(upper), static_cast<std::uint32_t>(id));
  sections_.push_back(std::move(s));
  return id;
}

void tinifile::WriteString(std::size_t sectionId, std::string_view key, std::string_view value) {
  if (sectionId >= sections_.size() || !sections_[sectionId].hasHeader) return;
  section& s = sections_[sectionId];
  key = Trimmed(key);
  std::string text(key);
  text += '=';
  text += FormatValue(value);
  text += "\r\n";
  for (line& l : s.lines) {
    if (!l.blank && SameTextAscii(KeyOf(l), key)) {
      // In place, under the name the file already spells it with.
      std::string existing(KeyOf(l));
      l = AddedLine(existing + text.substr(key.size()));
      return;
    }
  }
  // After the section's last key, so blank lines before the next header stay.
  size_t at = s.lines.size();
  while (at > 0 && s.lines[at - 1].blank) --at;
  EnsureLineBreak(at > 0 ? s.lines[at - 1] : s.header);
  s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(at), AddedLine(text));
}

std::string tinifile::Text() const {
  size_t total = 0;
  for (const section& s : sections_) {
    if (s.hasHeader) total += s.header.length;
    for (const line& l : s.lines) total += l.length;
  }
  std::string out;
  out.reserve(total);
  for (const section& s : sections_) {
    if (s.hasHeader) out += View(s.header);
    for (const line& l : s.lines) out += View(l);
  }
  return out;
}

}  // namespace zv
