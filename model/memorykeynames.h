#pragma once
// Key names from a table, standing in for the keyboard layout.
#include <map>
#include <string>

#include "model/keynames.h"

namespace zv {

class tmemorykeynames : public tkeynamesource {
 public:
  void Set(std::uint8_t virtualKey, const std::string& name) { names_[virtualKey] = name; }
  std::string KeyName(std::uint8_t virtualKey) const override {
    ++asked_;
    auto it = names_.find(virtualKey);
    return it == names_.end() ? std::string() : it->second;
  }
  int TimesAsked() const { return asked_; }

 private:
  std::map<std::uint8_t, std::string> names_;
  mutable int asked_ = 0;
};

}  // namespace zv
