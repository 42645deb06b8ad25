#pragma once
// One icon with a tooltip in the notification area: turns the shell's mouse
// notifications into events, pops up a context menu on a right-button press
// and puts the icon back when the taskbar is recreated.
//
// The main window's use (Win32 side, see tcooltrayicon_win32.h):
//   trayicon = std::make_unique<TCoolTrayIcon>(Win32TrayBackend(), hwnd);
//   trayicon->SetHint("Zorvane");
//   trayicon->SetPopupMenu(&contextmenu);  // a twin32traymenu
//   trayicon->OnClick = [this](TCoolTrayIcon&) { trayiconClick(); };
//   trayicon->Loaded();
//   // SetTrayActive(active):
//   trayicon->SetEnabled(active);
//   trayicon->SetIcon(active ? normalIcon : grayedIcon);
//   trayicon->SetHint(title + (active ? " (Active)" : " (Disabled)"));
//   trayicon->SetIconVisible(true);  // once, in FormCreate; false on shut-down
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "components/traybackend.h"
#include "components/traypopupmenu.h"

namespace zv {

enum class tmousebutton { mbLeft, mbRight, mbMiddle };

class TCoolTrayIcon {
 public:
  using tnotifyevent = std::function<void(TCoolTrayIcon& sender)>;
  using tmouseevent =
      std::function<void(TCoolTrayIcon& sender, tmousebutton button, unsigned shift, int x, int y)>;
  using tmousemoveevent = std::function<void(TCoolTrayIcon& sender, unsigned shift, int x, int y)>;

  // Joins the shared message window and hooks the owner window (may be
  // nullptr); the icon is not shown yet.
  TCoolTrayIcon(ttraybackend& backend, void* owner);
  // Removes the icon from the notification area.
  ~TCoolTrayIcon();
  TCoolTrayIcon(const TCoolTrayIcon&) = delete;
  TCoolTrayIcon& operator=(const TCoolTrayIcon&) = delete;

  // To be called once the owner has set the start-up properties: sends the
  // picture and tip, applies IconVisible and asks for classic notifications.
  void Loaded();

  // When false every mouse notification is ignored. Sends nothing. A press
  // made before disabling no longer counts: its release may come long after.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (!enabled) clickStarted_ = clickReady_ = false;
  }

  // The component shows its own copy of the picture; the caller keeps its
  // icon. nullptr clears the picture.
  void* Icon() const { return icon_; }
  void SetIcon(void* icon);

  bool IconVisible() const { return iconVisible_; }
  void SetIconVisible(bool visible);

  // The tip shows at most the first 127 characters.
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show);

  // Popped up by a right-button press; not owned.
  ttraypopupmenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(ttraypopupmenu* menu);

  void* Owner() const { return owner_; }
  const ttrayicondata& IconData() const { return data_; }

  // A left click: press and release on the icon. Fired at the release.
  tnotifyevent OnClick;
  // A double click; its first press and release have fired OnClick already.
  tnotifyevent OnDblClick;
  tmouseevent OnMouseDown;
  tmouseevent OnMouseUp;
  tmousemoveevent OnMouseMove;

  void AddTrayIcon();
  void RemoveTrayIcon();
  void UpdateTrayIcon();
  void ShowPopupMenu();

  // From the shared window: a notification for this icon, and the restart of
  // the taskbar.
  void HandleNotification(std::uint32_t notification);
  void TaskbarCreated();
  // The retry timer: offers the icon, as it is now, to the shell again.
  void RetryTimer();
  // Retries made since the shell last took the icon; waiting for one.
  int Retries() const { return retries_; }
  bool RetryPending() const { return retryPending_; }
  // From the owner window, before its own procedure.
  void OwnerMessage(std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam);

 private:
  friend class ttraypopupmenu;
  void PrepareIconData();
  // After a refusal of the shown icon, and after the shell took it.
  void ScheduleRetry();
  void StopRetry();
  void FireMouse(const tmouseevent& event, tmousebutton button);

  ttraybackend& backend_;
  void* owner_;
  ttrayicondata data_;
  bool enabled_ = true;
  void* icon_ = nullptr;
  bool iconVisible_ = false;
  std::string hint_;
  bool showHint_ = true;
  ttraypopupmenu* popupMenu_ = nullptr;
  bool clickStarted_ = false;
  bool clickReady_ = false;
  int retries_ = 0;
  bool retryPending_ = false;
  // Cleared by the destructor: an event handler may destroy the icon.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace zv
