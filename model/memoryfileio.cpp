#include "model/memoryfileio.h"

namespace zv {

treadstatus tmemoryfileio::ReadAll(const std::string& path, std::size_t limit, std::string& data) {
  data.clear();
  if (FailReads) return treadstatus::Failed;
  auto it = Files.find(path);
  if (it == Files.end()) return treadstatus::Missing;
  if (it->second.size() > limit) return treadstatus::TooLarge;
  data = it->second;
  return treadstatus::Ok;
}

bool tmemoryfileio::WriteAll(const std::string& path, const std::string& data) {
  if (FailWrites) {
    // Like a full disk: the file exists with what fitted.
    Files[path] = data.substr(0, data.size() / 2);
    return false;
  }
  Files[path] = data;
  return true;
}

bool tmemoryfileio::Replace(const std::string& from, const std::string& to) {
  auto it = Files.find(from);
  if (FailReplace || it == Files.end()) return false;
  std::string data = std::move(it->second);
  Files.erase(it);
  Files[to] = std::move(data);
  return true;
}

bool tmemoryfileio::Remove(const std::string& path) { return Files.erase(path) != 0; }

}  // namespace zv
