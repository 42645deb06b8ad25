#pragma once
// The system hotkey table for one window (HWND), over user32.
#include "model/hotkeytable.h"

namespace zv {

class twin32hotkeys : public thotkeytable {
 public:
  explicit twin32hotkeys(void* window) : window_(window) {}
  bool Register(std::int32_t id, std::uint32_t modifiers, std::uint32_t virtualKey) override;
  bool Unregister(std::int32_t id) override;
  void* Window() const { return window_; }

 private:
  void* window_;
};

}  // namespace zv
