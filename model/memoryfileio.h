#pragma once
// Files kept in memory, for tests, fuzzing and benchmarks. Single operations
// can be made to fail so that callers can be checked at each point.
#include <map>
#include <string>

#include "model/listfileio.h"

namespace zv {

class tmemoryfileio : public tlistfileio {
 public:
  treadstatus ReadAll(const std::string& path, std::size_t limit, std::string& data) override;
  bool WriteAll(const std::string& path, const std::string& data) override;
  bool Replace(const std::string& from, const std::string& to) override;
  bool Remove(const std::string& path) override;

  // Names compare exactly; the tests use plain names.
  std::map<std::string, std::string> Files;
  bool FailWrites = false;    // WriteAll writes half of the data, then fails
  bool FailReplace = false;   // Replace fails without effect
  bool FailReads = false;     // ReadAll fails
};

}  // namespace zv
