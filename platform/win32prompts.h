#pragma once
// Real message boxes and common file dialogs.
#include <windows.h>

#include "core/userprompts.h"

namespace zv {

class twin32prompts : public tuserprompts {
 public:
  // The window that owns boxes asked for by the main window.
  void SetMainWindow(HWND wnd) { main_ = wnd; }
  int ShowMessageBox(tpromptowner owner, const std::string& title, const std::string& text,
                 std::uint32_t flags) override;
  void ErrorDialog(const std::string& text) override;
  bool FileDialog(tfiledialog& dialog) override;

 private:
  HWND Owner(tpromptowner owner) const;
  HWND main_ = nullptr;
};

twin32prompts& ProcessPrompts();

// "Text (*.x)|*.x" as the dialog wants it: zero-separated, double-zero ended.
std::string DialogFilter(const std::string& filter);

}  // namespace zv
