#pragma once
// What the keyboard and screen readers find in a window: the access keys of
// its labels, links and buttons, and what a screen reader reads of a child.
#include <windows.h>
#include <oleacc.h>

#include <map>
#include <string>
#include <vector>

#include "core/accesskey.h"
#include "core/textutil.h"
#include "toolkit/tform.h"
#include "win32/readaloud.h"

// The access keys of a window's labels and buttons (upper case), each with
// the texts that have it; links without one under 0.
inline std::map<char, std::vector<std::string>> AccessKeysOf(HWND form) {
  std::map<char, std::vector<std::string>> keys;
  for (HWND c = GetWindow(form, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (GetWindow(c, GW_CHILD)) {
      for (auto& [key, texts] : AccessKeysOf(c)) keys[key].insert(keys[key].end(), texts.begin(), texts.end());
      continue;
    }
    if (!zv::IsClassOf(c, "TZvLabel") && !zv::IsClassOf(c, "Button")) continue;
    const std::string text = zv::WindowTextOf(c);
    const char key = zv::AsciiUpper(zv::AccessKeyOf(text));
    const bool link = zv::IsClassOf(c, "TZvLabel") && (GetWindowLongA(c, GWL_STYLE) & WS_TABSTOP);
    if (key || link) keys[key].push_back(text);
  }
  return keys;
}

// The keys given twice, or links without one, as "K: text, text" lines;
// empty when every key is the window's only one.
inline std::string AccessKeyClashes(HWND form) {
  std::string out;
  for (const auto& [key, texts] : AccessKeysOf(form)) {
    if (key && texts.size() < 2) continue;
    out += (key ? std::string(1, key) : std::string("none")) + ":";
    for (const std::string& t : texts) out += " " + t;
    out += "\n";
  }
  return out;
}

