#include "model/memoryhotkeys.h"

#include <algorithm>

namespace zv {

namespace {
constexpr std::uint32_t comparedModifiers = modAlt | modControl | modShift | modWin;
}

bool tmemoryhotkeys::IsHeld(std::uint32_t modifiers, std::uint32_t virtualKey) const {
  return std::any_of(entries_.begin(), entries_.end(), [&](const entry& e) {
    return e.VirtualKey == virtualKey &&
           (e.Modifiers & comparedModifiers) == (modifiers & comparedModifiers);
  });
}

bool tmemoryhotkeys::Register(std::int32_t id, std::uint32_t modifiers, std::uint32_t virtualKey) {
  ++registerCalls_;
  if (IsHeld(modifiers, virtualKey)) return false;
  entries_.push_back({true, id, modifiers, virtualKey});
  return true;
}

bool tmemoryhotkeys::Unregister(std::int32_t id) {
  auto end = std::remove_if(entries_.begin(), entries_.end(),
                            [&](const entry& e) { return e.Own && e.Id == id; });
  bool found = end != entries_.end();
  entries_.erase(end, entries_.end());
  return found;
}

bool tmemoryhotkeys::HoldForOtherProgram(std::uint32_t modifiers, std::uint32_t virtualKey) {
  if (IsHeld(modifiers, virtualKey)) return false;
  entries_.push_back({false, 0, modifiers, virtualKey});
  return true;
}

bool tmemoryhotkeys::IsRegistered(std::int32_t id) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [&](const entry& e) { return e.Own && e.Id == id; });
}

int tmemoryhotkeys::RegistrationCount() const {
  return static_cast<int>(
      std::count_if(entries_.begin(), entries_.end(), [](const entry& e) { return e.Own; }));
}

}  // namespace zv
