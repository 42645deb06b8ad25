#include "model/colourpreference.h"

namespace zv {

tcolourpreference ReadColourPreference(tregistrybackend& registry) {
  tcolourpreference p;
  TSafeRegistry r(registry);
  // Read only: the key is the system's, never made here.
  if (!r.OpenKey(PersonalizeKey, false)) return p;
  p.AppsUseLightTheme = r.ReadBoolDef("AppsUseLightTheme", true);
  p.SystemUsesLightTheme = r.ReadBoolDef("SystemUsesLightTheme", true);
  return p;
}

}  // namespace zv
