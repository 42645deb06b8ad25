#include "core/codepage.h"

#include <map>

namespace zv {

namespace {

const char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t Replacement = 0xFFFD;

class tutf8codepage : public tcodepage {
 public:
  bool IsUtf8() const override { return true; }
  std::string ToUtf8(std::string_view text) const override { return SanitizeUtf8(text); }
  bool FromUtf8(std::string_view utf8, std::string& out) const override {
    out = SanitizeUtf8(utf8);
    return out == utf8;  // only ill-formed bytes change
  }
};

class tcp1252codepage : public tcodepage {
 public:
  bool IsUtf8() const override { return false; }
  std::string ToUtf8(std::string_view text) const override { return Utf8FromCp1252(text); }
  bool FromUtf8(std::string_view utf8, std::string& out) const override { return Cp1252FromUtf8(utf8, out); }
};

const tcodepage* chosen = nullptr;

}  // namespace

char32_t Cp1252ToChar(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? static_cast<char32_t>(Cp1252High[byte - 0x80]) : byte;
}

int CharToCp1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (int i = 0; i < 32; ++i)
    if (Cp1252High[i] == c) return 0x80 + i;
  return -1;
}

std::int32_t NextUtf8(std::string_view s, std::size_t& i) {
  const unsigned char c = static_cast<unsigned char>(s[i]);
  if (c < 0x80) {
    ++i;
    return c;
  }
  int extra;
  std::uint32_t cp;
  unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
  if (c >= 0xC2 && c <= 0xDF) {
    extra = 1;
    cp = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    extra = 2;
    cp = c & 0x0F;
    if (c == 0xE0) low = 0xA0;   // overlong
    if (c == 0xED) high = 0x9F;  // surrogates
  } else if (c >= 0xF0 && c <= 0xF4) {
    extra = 3;
    cp = c & 0x07;
    if (c == 0xF0) low = 0x90;   // overlong
    if (c == 0xF4) high = 0x8F;  // above U+10FFFF
  } else {
    ++i;
    return -1;
  }
  if (s.size() - i <= static_cast<std::size_t>(extra)) {
    ++i;
    return -1;
  }
  for (int k = 1; k <= extra; ++k) {
    const unsigned char d = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
    if (d < (k == 1 ? low : 0x80) || d > (k == 1 ? high : 0xBF)) {
      ++i;
      return -1;
    }
    cp = (cp << 6) | (d & 0x3F);
  }
  i += 1 + static_cast<std::size_t>(extra);
  return static_cast<std::int32_t>(cp);
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();)
    if (NextUtf8(text, i) < 0) return false;
  return true;
}

std::string SanitizeUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t start = i;
    const std::int32_t c = NextUtf8(text, i);
    if (c < 0)
      AppendUtf8(out, Replacement);
    else
      out.append(text.substr(start, i - start));
  }
  return out;
}

std::string Utf8FromCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (char b : text) AppendUtf8(out, Cp1252ToChar(static_cast<unsigned char>(b)));
  return out;
}

bool Cp1252FromUtf8(std::string_view utf8, std::string& out) {
  out.clear();
  out.reserve(utf8.size());
  bool whole = true;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::int32_t c = NextUtf8(utf8, i);
    const int b = c < 0 ? -1 : CharToCp1252(static_cast<char32_t>(c));
    if (b < 0) whole = false;
    out += b < 0 ? '?' : static_cast<char>(b);
  }
  return whole;
}

std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian) {
  std::string out;
  out.reserve(bytes.size());
  auto unit = [&](std::size_t i) -> char32_t {
    const unsigned char a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? static_cast<char32_t>(a << 8 | b) : static_cast<char32_t>(b << 8 | a);
  };
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const char32_t u = unit(i);
    if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
      const char32_t v = unit(i + 2);
      if (v >= 0xDC00 && v <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00));
        i += 2;
        continue;
      }
    }
    AppendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? Replacement : u);
  }
  return out;
}

const tcodepage& Utf8CodePage() {
  static const tutf8codepage page;
  return page;
}

const tcodepage& Cp1252CodePage() {
  static const tcp1252codepage page;
  return page;
}

#if !defined(_WIN32)
const tcodepage& DefaultProcessCodePage() { return Cp1252CodePage(); }
#endif

const tcodepage& ProcessCodePage() { return chosen ? *chosen : DefaultProcessCodePage(); }

void UseProcessCodePage(const tcodepage* page) { chosen = page; }

const std::string& ProgramText(std::string_view cp1252) {
  // Nodes stay where they are, so a text handed out stays valid while its
  // code page is in use; another code page gets texts of its own.
  static std::map<std::pair<const tcodepage*, std::string>, std::string, std::less<>> texts;
  const tcodepage* page = &ProcessCodePage();
  auto key = std::make_pair(page, std::string(cp1252));
  auto it = texts.find(key);
  if (it == texts.end()) {
    std::string converted;
    page->FromUtf8(Utf8FromCp1252(cp1252), converted);
    it = texts.emplace(std::move(key), std::move(converted)).first;
  }
  return it->second;
}

}  // namespace zv
