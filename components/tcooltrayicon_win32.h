#pragma once
// The tray icon's system side: Shell_NotifyIconA with the shell-5.0 record,
// the shared message window, and a context menu over a menu handle.
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "components/tcooltrayicon.h"
#include "components/traypopupmenu.h"

namespace zv {

// The class of the shared, never-shown message window.
extern const char* const TrayWindowClass;

// The backend every tray icon of the program uses:
//   TCoolTrayIcon trayicon(Win32TrayBackend(), mainWindow);
ttraybackend& Win32TrayBackend();

// The shell-5.0 record's size: 488 bytes on x86, 504 on x64, where the
// window and icon handles are 8 bytes wide and aligned.
#ifdef _WIN64
inline constexpr unsigned TrayRecordSize = 504;
#else
inline constexpr unsigned TrayRecordSize = 488;
#endif

// The record as it goes to the shell: the shell-5.0 layout (cbSize
// TrayRecordSize, tip of 128 characters), balloon fields zero.
void FillNotifyIconData(const ttrayicondata& data, NOTIFYICONDATAA& record);

// A context menu over an existing menu handle (not owned). The chosen item's
// WM_COMMAND and the owner-drawing messages go to window.
class twin32traymenu : public ttraypopupmenu {
 public:
  twin32traymenu(HMENU menu, HWND window) : menu_(menu), window_(window) {}
  void Popup(int x, int y) override;
  bool ClickDefaultItem() override;
  HMENU Menu() const { return menu_; }

 private:
  HMENU menu_;
  HWND window_;
};

}  // namespace zv
