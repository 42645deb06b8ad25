#pragma once
// What a screen reader reads of a window's client object, for the tests and
// the test driver alike (COM must be started by the caller).
#include <windows.h>
#include <oleacc.h>

#include <string>

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
