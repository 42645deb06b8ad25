#pragma once
// The real environment: ExpandEnvironmentStringsA.
#include "core/environment.h"

namespace zv {

class twin32environment : public tenvironment {
 public:
  std::string Expand(const std::string& text) override;
};

twin32environment& ProcessEnvironment();

}  // namespace zv
