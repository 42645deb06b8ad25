#pragma once
// Links as people put them in a launcher: "https://example.org",
// "mailto:someone@example.org", "ms-settings:display", any registered
// protocol. The shell starts them; no file is looked for.
#include <string_view>

namespace zv {

// Whether text starts with a URL scheme and its colon: a letter, then
// letters, digits, "+", "-" or "."; two characters at least, so a drive
// letter ("C:") never counts.
bool IsUrl(std::string_view text);

}  // namespace zv
