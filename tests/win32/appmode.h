#pragma once
// The user's app mode as Windows stores it, read by the program as at a
// WM_SETTINGCHANGE "ImmersiveColorSet"; put back to light at the end.
#include <windows.h>

#include "toolkit/colourmode.h"

class tappmode {
 public:
  explicit tappmode(DWORD light) { Set(light); }
  ~tappmode() {
    HKEY k = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, Key, 0, KEY_SET_VALUE, &k) == ERROR_SUCCESS) {
      RegDeleteValueA(k, "AppsUseLightTheme");
      RegCloseKey(k);
    }
    zv::RefreshColourMode();
  }
  void Set(DWORD light) {
    HKEY k = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, Key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) == ERROR_SUCCESS) {
      RegSetValueExA(k, "AppsUseLightTheme", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&light), sizeof(light));
      RegCloseKey(k);
    }
    zv::RefreshColourMode();
  }

 private:
  static constexpr const char* Key = "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
};
