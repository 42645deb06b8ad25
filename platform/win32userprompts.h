#pragma once
// Message boxes through MessageBoxA, owned by a window the caller names
// (none by default).
#include "ui/userprompts.h"

namespace zv {

class twin32userprompts : public tuserprompts {
 public:
  explicit twin32userprompts(void* owner = nullptr) : owner_(owner) {}
  // The owner is a window handle (HWND); null gives an unowned box.
  void SetOwner(void* owner) { owner_ = owner; }
  int ShowMessageBox(const std::string& title, const std::string& text, unsigned flags) override;

 private:
  void* owner_;
};

}  // namespace zv
