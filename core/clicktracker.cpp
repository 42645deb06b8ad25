#include "core/clicktracker.h"

namespace zv {

bool tclicktracker::Release(const void* target) {
  const bool click = pressed_ && pressed_ == target;
  pressed_ = nullptr;
  return click;
}

}  // namespace zv
