#include "model/registrybackend.h"

namespace zv {

bool SplitRegistryPath(const std::string& path, std::vector<std::string>& parts) {
  parts.clear();
  size_t begin = 0, end = path.size();
  while (begin < end && path[begin] == '\\') ++begin;
  while (end > begin && path[end - 1] == '\\') --end;
  if (begin == end) return true;
  std::string current;
  for (size_t i = begin; i < end; ++i) {
    if (path[i] == '\\') {
      if (current.empty()) return false;
      parts.push_back(current);
      current.clear();
    } else {
      current += path[i];
    }
  }
  parts.push_back(current);
  return true;
}

}  // namespace zv
