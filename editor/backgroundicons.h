#pragma once
// The program's background icon lookups, as the editor's rows use them
// right after start, before every path has been looked up.
#include <functional>
#include <string>

namespace zv {

class tbackgroundicons {
 public:
  virtual ~tbackgroundicons() = default;
  // True when the path's index is being looked up in the background (queued
  // now if it was not yet), so the editor need not ask the shell itself;
  // false when it is known already.
  virtual bool LookedUpLater(const std::string& path) = 0;
  // Runs on the window thread after each report of arrivals, while set.
  std::function<void()> OnArrivals;
};

}  // namespace zv
