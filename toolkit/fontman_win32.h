#pragma once
// Win32 layer of the font fallback: the screen's font families and fonts
// made from dialog font descriptions.
#include <windows.h>

#include "toolkit/gdi.h"
#include "core/fontman.h"

namespace zv {

// The families enumerated for the screen with the default character set,
// plus "Default"; enumerated once per process, on first use.
const tfontfamilies& ScreenFontFamilies();

// The fallback over the screen's families; call it from a dialog's
// FormCreate, before its fonts are made and the window is shown.
void ApplyFontFallback(tformfonts& form);

LOGFONTA ToLogFont(const tfontdescription& font);
tfont CreateDescribedFont(const tfontdescription& font);

}  // namespace zv
