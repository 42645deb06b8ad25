#pragma once
// Links as people put them in a launcher: "https://example.org",
// "mailto:someone@example.org", "ms-settings:display", any registered
// protocol. The shell starts them; no file is looked for.
#include <cstddef>
#include <string>
#include <string_view>

namespace zv {

// Whether text starts with a URL scheme and its colon: a letter, then
// letters, digits, "+", "-" or "."; two characters at least, so a drive
// letter ("C:") never counts.
bool IsUrl(std::string_view text);
// The scheme of a URL without its colon ("https"); empty for no URL.
std::string_view UrlScheme(std::string_view text);

// Internet shortcut files (".url") longer than this are not read further.
inline constexpr std::size_t MaxInternetShortcutBytes = 64 * 1024;
// The URL of an Internet shortcut file's text: "URL=" in its
// "[InternetShortcut]" section (names in any case, spaces around them
// ignored, a UTF-8 mark skipped). Empty when there is none, or when it is
// no URL, holds control characters or is longer than 2,048 characters.
std::string UrlOfInternetShortcut(std::string_view contents);
// The icon an Internet shortcut names, "IconFile,IconIndex" (index 0 when
// missing or no number), as an entry's Icon; empty when it names none, or
// one that is an address (a site's icon), holds control characters or is
// longer than 2,048 characters.
std::string IconOfInternetShortcut(std::string_view contents);

}  // namespace zv
