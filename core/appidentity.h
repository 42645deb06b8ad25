#pragma once
// Who the running program is.
#include <string>

namespace zv {

// The application title names the Run value; the executable's full path is
// its data.
class tappidentity {
 public:
  virtual ~tappidentity() = default;
  virtual std::string ApplicationTitle() const = 0;
  virtual std::string ExecutablePath() const = 0;
};

}  // namespace zv
