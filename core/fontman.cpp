#include "core/fontman.h"

#include <algorithm>

#include "core/textutil.h"

namespace zv {

namespace {

bool LessNoCase(const std::string& a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(AsciiUpper(x)) < static_cast<unsigned char>(AsciiUpper(y));
  });
}

}  // namespace

tfontfamilies::tfontfamilies() : tfontfamilies(std::vector<std::string>()) {}

tfontfamilies::tfontfamilies(const std::vector<std::string>& names) : names_(names) {
  names_.push_back("Default");
  std::sort(names_.begin(), names_.end(),
            [](const std::string& a, const std::string& b) { return LessNoCase(a, b); });
  names_.erase(std::unique(names_.begin(), names_.end(),
                           [](const std::string& a, const std::string& b) {
                             return SameTextAscii(a, b);
                           }),
               names_.end());
}

bool tfontfamilies::Contains(std::string_view face) const {
  auto it = std::lower_bound(names_.begin(), names_.end(), face, LessNoCase);
  return it != names_.end() && SameTextAscii(*it, face);
}

std::string InstalledFaceOr(const std::string& face, const tfontfamilies& installed) {
  return installed.Contains(face) ? face : std::string(FallbackFontFace);
}

void ApplyFontFallback(tformfonts& form, const tfontfamilies& installed) {
  form.Font.Name = InstalledFaceOr(form.Font.Name, installed);
  for (tformcomponent& c : form.Components) {
    if (c.ParentFont)
      c.Font = form.Font;
    else if (c.IsLabel)
      c.Font.Name = InstalledFaceOr(c.Font.Name, installed);
  }
}

std::string MenuFontFace(const std::string& systemMenuFace, const tfontfamilies& installed) {
  return installed.Contains(DialogFontFace) ? std::string(DialogFontFace) : systemMenuFace;
}

}  // namespace zv
