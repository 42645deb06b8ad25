#include "platform/win32userprompts.h"

#include <windows.h>

namespace zv {

int twin32userprompts::ShowMessageBox(const std::string& title, const std::string& text,
                                      unsigned flags) {
  return MessageBoxA(static_cast<HWND>(owner_), text.c_str(), title.c_str(), flags);
}

}  // namespace zv
