#pragma once
// The process's environment variables, as paths written with %NAME% need
// them. Such paths are stored and shown as written and expanded only where
// they are used: existence tests, launch, icon lookup and Send To links.
#include <string>

namespace zv {

class tenvironment {
 public:
  virtual ~tenvironment() = default;
  // text with every %NAME% of an existing variable replaced by its value;
  // a name that is not set stays as written.
  virtual std::string Expand(const std::string& text) = 0;
};

}  // namespace zv
