#pragma once
// What the tray icon needs of the system: the shell's icon calls on one icon
// record, the shared message window, icon copies and the input state. One
// real implementation over user32/shell32, one recording fake in the tests.
#include <cstdint>

namespace zv {

// The message the shell sends for mouse activity on the icon (WM_USER + 0x400).
const std::uint32_t TrayCallbackMessage = 0x0800;

// In the classic notification mode the notification is the raw mouse message.
enum : std::uint32_t {
  tnMouseMove = 0x0200,
  tnLButtonDown = 0x0201,
  tnLButtonUp = 0x0202,
  tnLButtonDblClk = 0x0203,
  tnRButtonDown = 0x0204,
  tnRButtonUp = 0x0205,
  tnMButtonDown = 0x0207,
  tnMButtonUp = 0x0208,
};

// The fields of the shell's icon record that the component sets; everything
// else of the record stays zero.
struct ttrayicondata {
  void* Window = nullptr;   // the window the notifications go to
  std::uint32_t ID = 0;     // names the icon; comes back as the notification's wParam
  std::uint32_t Flags = 7;  // message, icon and tip are valid
  std::uint32_t CallbackMessage = TrayCallbackMessage;
  void* Icon = nullptr;
  char Tip[128] = {};
  std::uint32_t Version = 0;  // 0: classic notifications
};

// Modifier keys held down while a notification is handled.
enum : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4 };

class TCoolTrayIcon;

class ttraybackend {
 public:
  virtual ~ttraybackend() = default;

  // True when the shell took the icon. It refuses adding an icon twice or
  // changing an absent one, and also everything while the taskbar is not
  // there (at logon, or while it restarts).
  virtual bool AddIcon(const ttrayicondata& data) = 0;
  virtual bool ModifyIcon(const ttrayicondata& data) = 0;
  virtual void DeleteIcon(const ttrayicondata& data) = 0;
  virtual void SetIconVersion(const ttrayicondata& data) = 0;

  // The hidden window that receives the notifications of every icon of the
  // process; its messages go to TTrayIconHandler::WindowMessage.
  virtual void* CreateMessageWindow() = 0;
  virtual void DestroyMessageWindow(void* window) = 0;
  // The registered "TaskbarCreated" message, or 0 where the shell is too old
  // to send it.
  virtual std::uint32_t TaskbarCreatedMessage() = 0;
  // A timer on the shared window named by the icon's identifier, whose
  // messages go to TCoolTrayIcon::RetryTimer.
  virtual void SetRetryTimer(void* window, std::uint32_t id, unsigned milliseconds) = 0;
  virtual void KillRetryTimer(void* window, std::uint32_t id) = 0;

  // The component keeps its own copy of the picture it is given. A picture
  // that cannot be copied gives nullptr.
  virtual void* CopyIcon(void* icon) = 0;
  virtual void DestroyIcon(void* icon) = 0;

  virtual bool CursorPos(int& x, int& y) = 0;
  virtual unsigned ShiftState() = 0;

  // Around the context menu.
  virtual void SetForegroundWindow(void* window) = 0;
  virtual void ProcessMessages() = 0;
  virtual void PostNullMessage(void* window) = 0;

  // The owner window's messages pass TCoolTrayIcon::OwnerMessage before their
  // own procedure.
  virtual void HookOwner(void* owner, TCoolTrayIcon& icon) = 0;
  virtual void UnhookOwner(void* owner, TCoolTrayIcon& icon) = 0;
};

}  // namespace zv
