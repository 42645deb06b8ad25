#pragma once
// Whether the program runs under Wine rather than Windows. Only code that
// works around a difference of Wine's asks it; on Windows it is false.

namespace zv {

// Wine's ntdll exports wine_get_version; no Windows ntdll does.
bool RunningUnderWine();

}  // namespace zv
