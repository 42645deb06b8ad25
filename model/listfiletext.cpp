#include "model/listfiletext.h"

#include "core/codepage.h"
#include "model/inifile.h"
#include "core/textutil.h"

namespace zv {

tfiletext ToFileText(std::string_view text) {
  tfiletext t;
  t.Utf8 = ProcessCodePage().ToUtf8(text);
  t.FitsCp1252 = Cp1252FromUtf8(t.Utf8, t.Cp1252);
  return t;
}

std::string DecodeByteOrderMark(std::string text, bool& utf8) {
  const unsigned char* b = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  utf8 = true;
  std::string decoded;
  if (n >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF)
    decoded = std::string_view(text).substr(3);
  else if (n >= 2 && b[0] == 0xFF && b[1] == 0xFE)
    decoded = Utf8FromUtf16(std::string_view(text).substr(2), false);
  else if (n >= 2 && b[0] == 0xFE && b[1] == 0xFF)
    decoded = Utf8FromUtf16(std::string_view(text).substr(2), true);
  else {
    utf8 = false;
    return text;
  }
  // A mark written twice would make the INI reader convert the text again.
  std::size_t skip = 0;
  while (decoded.compare(skip, 3, "\xEF\xBB\xBF") == 0) skip += 3;
  return decoded.substr(skip);
}

bool IsUtf8ListFile(const tinifile& ini) {
  return SameTextAscii(ini.ReadString("Root", EncodingKey, ""), Utf8EncodingName);
}

bool FromFileText(std::string_view value, bool utf8, std::string& out) {
  if (utf8) return ProcessCodePage().FromUtf8(value, out);
  return ProcessCodePage().FromUtf8(Utf8FromCp1252(value), out);
}

}  // namespace zv
