#include "core/apptitle.h"

namespace zv {

std::string DefaultApplicationTitle(const std::string& executablePath) {
  size_t slash = executablePath.find_last_of("\\/:");
  std::string name = slash == std::string::npos ? executablePath : executablePath.substr(slash + 1);
  name = name.substr(0, name.find('.'));
  for (size_t i = 1; i < name.size(); ++i)
    if (name[i] >= 'A' && name[i] <= 'Z') name[i] = static_cast<char>(name[i] - 'A' + 'a');
  return name;
}

}  // namespace zv
