#include "platform/win32text.h"

#include <vector>

#include "core/codepage.h"

#ifndef WC_ERR_INVALID_CHARS
#define WC_ERR_INVALID_CHARS 0x80
#endif

namespace zv {

namespace {

// Any other ANSI code page, through the system's own tables.
class tansicodepage : public tcodepage {
 public:
  bool IsUtf8() const override { return false; }
  std::string ToUtf8(std::string_view text) const override {
    std::string out;
    ProcessFromWideIn(CP_UTF8, Widen(CP_ACP, text), out);
    return out;
  }
  bool FromUtf8(std::string_view utf8, std::string& out) const override {
    const std::string valid = SanitizeUtf8(utf8);
    return ProcessFromWideIn(CP_ACP, Widen(CP_UTF8, valid), out) && valid == utf8;
  }

  static std::wstring Widen(UINT page, std::string_view text) {
    if (text.empty()) return std::wstring();
    const int n = MultiByteToWideChar(page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring w(n > 0 ? static_cast<std::size_t>(n) : 0, L'\0');
    if (n > 0) MultiByteToWideChar(page, 0, text.data(), static_cast<int>(text.size()), w.data(), n);
    return w;
  }

  static bool ProcessFromWideIn(UINT page, std::wstring_view text, std::string& out) {
    out.clear();
    if (text.empty()) return true;
    const int size = static_cast<int>(text.size());
    // UTF-8 refuses unpaired surrogates only when asked; best-fit stand-ins
    // ("a" for an accented letter) would name another file.
    const DWORD flags = page == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL defaulted = FALSE;
    BOOL* usedDefault = page == CP_UTF8 ? nullptr : &defaulted;
    const int n = WideCharToMultiByte(page, flags, text.data(), size, nullptr, 0, nullptr, usedDefault);
    if (n <= 0) return false;
    out.resize(static_cast<std::size_t>(n));
    WideCharToMultiByte(page, flags, text.data(), size, out.data(), n, nullptr, usedDefault);
    if (page == CP_UTF8)
      return WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(), size, nullptr, 0, nullptr,
                                 nullptr) > 0;
    return !defaulted;
  }
};

}  // namespace

const tcodepage& DefaultProcessCodePage() {
  static const tansicodepage ansi;
  static const tcodepage* page = GetACP() == CP_UTF8 ? &Utf8CodePage()
                                 : GetACP() == 1252  ? &Cp1252CodePage()
                                                     : static_cast<const tcodepage*>(&ansi);
  return *page;
}

std::wstring WideFromProcess(std::string_view text) {
  return tansicodepage::Widen(CP_ACP, text);
}

bool ProcessFromWide(std::wstring_view text, std::string& out) {
  return tansicodepage::ProcessFromWideIn(GetACP() == CP_UTF8 ? CP_UTF8 : CP_ACP, text, out);
}

std::string WindowText(HWND window) {
  // The length the system reports for the A form may fall short of the
  // bytes of a UTF-8 text: read until the text ends before the buffer does.
  std::size_t size = static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1;
  for (;;) {
    std::vector<char> buffer(size, '\0');
    const int got = GetWindowTextA(window, buffer.data(), static_cast<int>(size));
    if (got <= 0) return std::string();
    if (static_cast<std::size_t>(got) + 1 < size || size >= (1u << 26))
      return std::string(buffer.data(), static_cast<std::size_t>(got));
    size *= 2;
  }
}

SIZE TextExtent(HDC dc, std::string_view text) {
  const std::wstring wide = WideFromProcess(text);
  SIZE size = {0, 0};
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  return size;
}

BOOL TextOutText(HDC dc, int x, int y, std::string_view text) {
  const std::wstring wide = WideFromProcess(text);
  return TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

int DrawTextText(HDC dc, std::string_view text, RECT* r, UINT format) {
  std::wstring wide = WideFromProcess(text);
  return DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), r, format);
}

}  // namespace zv
