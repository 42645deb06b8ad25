#pragma once
// Key names from the current keyboard layout.
#include "model/keynames.h"

namespace zv {

class twin32keynames : public tkeynamesource {
 public:
  std::string KeyName(std::uint8_t virtualKey) const override;
};

// The one the program installs with UseKeyNames.
const twin32keynames& Win32KeyNames();

}  // namespace zv
