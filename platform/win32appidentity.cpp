#include "platform/win32appidentity.h"

#include <windows.h>

#include <vector>

#include "core/apptitle.h"

namespace zv {

twin32appidentity& ProcessIdentity() {
  static twin32appidentity identity;
  return identity;
}

std::string twin32appidentity::ExecutablePath() const {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return std::string();
    if (n < buffer.size()) return std::string(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}

std::string twin32appidentity::ApplicationTitle() const {
  return titleSet_ ? title_ : DefaultApplicationTitle(ExecutablePath());
}

}  // namespace zv
