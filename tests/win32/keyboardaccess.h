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

struct treading {
  long Role = -1;
  std::string Name, Shortcut;
};

inline std::string Narrow(BSTR s) {
  if (!s) return "";
  std::string out(SysStringLen(s) * 3 + 1, '\0');
  const int n = WideCharToMultiByte(CP_UTF8, 0, s, static_cast<int>(SysStringLen(s)), out.data(),
                                    static_cast<int>(out.size()), nullptr, nullptr);
  out.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return out;
}

// What a screen reader reads of the window's client object; with act, its
// default action is done too.
inline treading ReadAloud(HWND wnd, bool act = false) {
  treading r;
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(wnd, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&object))) ||
      !object)
    return r;
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  VARIANT role;
  VariantInit(&role);
  if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4) r.Role = role.lVal;
  BSTR name = nullptr, keys = nullptr;
  object->get_accName(self, &name);
  object->get_accKeyboardShortcut(self, &keys);
  r.Name = Narrow(name);
  r.Shortcut = Narrow(keys);
  SysFreeString(name);
  SysFreeString(keys);
  if (act) object->accDoDefaultAction(self);
  object->Release();
  return r;
}
