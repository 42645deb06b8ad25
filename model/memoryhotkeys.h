#pragma once
// An in-memory system hotkey table for one window. Other programs can be made
// to hold combinations, which the window's registrations then cannot get.
// Like the system it compares only the Alt, Ctrl, Shift and Win bits, keeps a
// second registration under an identifier already in use alongside the first,
// and releases every registration of an identifier at once.
#include <cstdint>
#include <vector>

#include "model/hotkeytable.h"

namespace zv {

class tmemoryhotkeys : public thotkeytable {
 public:
  bool Register(std::int32_t id, std::uint32_t modifiers, std::uint32_t virtualKey) override;
  bool Unregister(std::int32_t id) override;

  // Another program takes the combination; false when someone holds it.
  bool HoldForOtherProgram(std::uint32_t modifiers, std::uint32_t virtualKey);

  // Held by anyone, this window or another program.
  bool IsHeld(std::uint32_t modifiers, std::uint32_t virtualKey) const;
  // This window's registrations.
  bool IsRegistered(std::int32_t id) const;
  int RegistrationCount() const;
  // Calls of Register so far, refused ones included.
  int RegisterCalls() const { return registerCalls_; }

 private:
  struct entry {
    bool Own;
    std::int32_t Id;
    std::uint32_t Modifiers;
    std::uint32_t VirtualKey;
  };
  std::vector<entry> entries_;
  int registerCalls_ = 0;
};

}  // namespace zv
