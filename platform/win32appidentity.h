#pragma once
#include <string>

#include "core/appidentity.h"

namespace zv {

// The running process: its module path and the application title, which
// starts as the default derived from the executable's name.
class twin32appidentity : public tappidentity {
 public:
  std::string ApplicationTitle() const override;
  std::string ExecutablePath() const override;
  void SetApplicationTitle(const std::string& title) { title_ = title; titleSet_ = true; }

 private:
  std::string title_;
  bool titleSet_ = false;
};

twin32appidentity& ProcessIdentity();

}  // namespace zv
