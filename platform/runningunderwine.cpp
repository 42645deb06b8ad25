#include "platform/runningunderwine.h"

#include <windows.h>

namespace zv {

bool RunningUnderWine() {
  static const bool wine = [] {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
  }();
  return wine;
}

}  // namespace zv
