#include "toolkit/fontman_win32.h"

#include <string>
#include <vector>

namespace zv {

namespace {

int CALLBACK CollectFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM names) {
  reinterpret_cast<std::vector<std::string>*>(names)->push_back(font->lfFaceName);
  return 1;
}

std::vector<std::string> EnumerateScreenFamilies() {
  std::vector<std::string> names;
  twindowdc screen;
  if (!screen) return names;
  LOGFONTA all = {};
  all.lfCharSet = DEFAULT_CHARSET;  // an empty face: one entry per family (and charset)
  EnumFontFamiliesExA(screen.Get(), &all, reinterpret_cast<FONTENUMPROCA>(CollectFamily),
                      reinterpret_cast<LPARAM>(&names), 0);
  return names;
}

}  // namespace

const tfontfamilies& ScreenFontFamilies() {
  static const tfontfamilies families(EnumerateScreenFamilies());
  return families;
}

void ApplyFontFallback(tformfonts& form) { ApplyFontFallback(form, ScreenFontFamilies()); }

LOGFONTA ToLogFont(const tfontdescription& font) {
  LOGFONTA lf = {};
  lf.lfHeight = font.Height;
  lf.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = font.Italic;
  lf.lfUnderline = font.Underline;
  lf.lfStrikeOut = font.StrikeOut;
  lf.lfCharSet = font.Charset;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  lstrcpynA(lf.lfFaceName, font.Name.c_str(), LF_FACESIZE);
  return lf;
}

tfont CreateDescribedFont(const tfontdescription& font) {
  const LOGFONTA lf = ToLogFont(font);
  return tfont(CreateFontIndirectA(&lf));
}

}  // namespace zv
