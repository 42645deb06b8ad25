#pragma once
// Where the names of keys without a fixed German name come from: the
// keyboard layout on Windows, a table in tests.
#include <cstdint>
#include <string>

namespace zv {

class tkeynamesource {
 public:
  virtual ~tkeynamesource() = default;
  // The keyboard's name of a virtual key; empty when the key has none.
  virtual std::string KeyName(std::uint8_t virtualKey) const = 0;
};

}  // namespace zv
