#pragma once
// The application title: what the hidden application window is called, what
// the tray hint starts with and what names the Run value.
#include <string>

namespace zv {

// Until the program sets its title: the executable's file name without
// folder, cut at its first dot, every character after the first in lower case.
std::string DefaultApplicationTitle(const std::string& executablePath);

}  // namespace zv
