#pragma once
// The about window's texts and the address its web link opens.
#include <string>

namespace zv {

inline constexpr const char* AboutVersionText = "Version 2.3";
inline constexpr const char* AboutCopyrightText = "Copyright (c) 2026 Halvorix";
inline constexpr const char* AboutWebAddress = "www.halvorix.example";
inline constexpr const char* AboutPortionsText = "Tray and image list code (c) Halvorix";

// "http://" + the shown address + "/?LinkID=Zorvane".
inline std::string AboutLinkUrl(const std::string& address) {
  return "http://" + address + "/?LinkID=Zorvane";
}

}  // namespace zv
