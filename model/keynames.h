#pragma once
// Where the names of keys without a fixed German name come from: the
// keyboard layout on Windows, a table in tests.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace zv {

class tkeynamesource {
 public:
  virtual ~tkeynamesource() = default;
  // The keyboard's name of a virtual key; empty when the key has none.
  virtual std::string KeyName(std::uint8_t virtualKey) const = 0;
};

// Another source's names, each asked of it once: the keyboard's are slow to
// ask for thousands of rows. Made anew when the layout may have changed.
class tkeynamecache : public tkeynamesource {
 public:
  explicit tkeynamecache(const tkeynamesource& names) : names_(names) {}
  std::string KeyName(std::uint8_t virtualKey) const override {
    std::optional<std::string>& known = known_[virtualKey];
    if (!known) known = names_.KeyName(virtualKey);
    return *known;
  }

 private:
  const tkeynamesource& names_;
  mutable std::array<std::optional<std::string>, 256> known_;
};

}  // namespace zv
