#include "platform/win32environment.h"

#include <windows.h>

#include <vector>

namespace zv {

twin32environment& ProcessEnvironment() {
  static twin32environment environment;
  return environment;
}

std::string twin32environment::Expand(const std::string& text) {
  if (text.find('%') == std::string::npos) return text;
  std::vector<char> out(text.size() + MAX_PATH);
  // The size needed may grow between calls if a variable changes meanwhile.
  for (int tries = 0; tries < 3; ++tries) {
    const DWORD need = ExpandEnvironmentStringsA(text.c_str(), out.data(), static_cast<DWORD>(out.size()));
    if (need == 0) return text;
    if (need <= out.size()) return std::string(out.data());
    out.resize(need);
  }
  return text;
}

}  // namespace zv
