#include "platform/win32environment.h"

#include <windows.h>

#include <vector>

#include "platform/win32text.h"

namespace zv {

twin32environment& ProcessEnvironment() {
  static twin32environment environment;
  return environment;
}

std::string twin32environment::Expand(const std::string& text) {
  if (text.find('%') == std::string::npos) return text;
  // The W form: the A form counts its buffer in characters of UTF-16 and
  // gives up on a UTF-8 result longer than that.
  const std::wstring wide = WideFromProcess(text);
  std::vector<wchar_t> out(wide.size() + MAX_PATH);
  // The size needed may grow between calls if a variable changes meanwhile.
  for (int tries = 0; tries < 3; ++tries) {
    const DWORD need = ExpandEnvironmentStringsW(wide.c_str(), out.data(), static_cast<DWORD>(out.size()));
    if (need == 0) return text;
    if (need <= out.size()) {
      std::string expanded;
      // A value the process code page cannot hold would name another file.
      return ProcessFromWide(out.data(), expanded) ? expanded : text;
    }
    out.resize(need);
  }
  return text;
}

}  // namespace zv
