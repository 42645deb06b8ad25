#pragma once
// Font fallback for the dialog windows: they are designed with "Tahoma",
// and where that face is not installed they switch to "MS Sans Serif".
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zv {

inline constexpr const char* DialogFontFace = "Tahoma";
inline constexpr const char* FallbackFontFace = "MS Sans Serif";

// The installed font families: sorted, always holding "Default", looked up
// without regard to letter case.
class tfontfamilies {
 public:
  tfontfamilies();
  explicit tfontfamilies(const std::vector<std::string>& names);
  bool Contains(std::string_view face) const;
  const std::vector<std::string>& Names() const { return names_; }

 private:
  std::vector<std::string> names_;
};

// A font as a dialog describes it. Colour is 0xBBGGRR; charset 1 is the
// default character set.
struct tfontdescription {
  std::string Name = DialogFontFace;
  int Height = -11;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  std::uint32_t Colour = 0;
  std::uint8_t Charset = 1;
};

// One component of a form, in the form's component order. Only labels with
// a font of their own are examined; components with ParentFont follow the
// form's font.
struct tformcomponent {
  std::string Name;
  bool IsLabel = false;
  bool ParentFont = true;
  tfontdescription Font;
};

struct tformfonts {
  tfontdescription Font;
  std::vector<tformcomponent> Components;
};

// The face itself when installed, "MS Sans Serif" otherwise.
std::string InstalledFaceOr(const std::string& face, const tfontfamilies& installed);

// Switches the form font and the own fonts of its labels to "MS Sans Serif"
// where their face is not installed; size, style, colour and character set
// stay as they are.
void ApplyFontFallback(tformfonts& form, const tfontfamilies& installed);

// The menus' face: "Tahoma" when installed, the system's menu face otherwise.
std::string MenuFontFace(const std::string& systemMenuFace, const tfontfamilies& installed);

}  // namespace zv
