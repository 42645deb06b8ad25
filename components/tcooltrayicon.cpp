#include "components/tcooltrayicon.h"

#include <algorithm>
#include <cstring>

#include "components/trayretry.h"
#include "components/ttrayiconhandler.h"

namespace zv {

namespace {

const std::uint32_t WmShowWindow = 0x0018;

}  // namespace

TCoolTrayIcon::TCoolTrayIcon(ttraybackend& backend, void* owner)
    : backend_(backend), owner_(owner) {
  data_.ID = TTrayIconHandler::Join(*this, backend_);
  data_.Window = TTrayIconHandler::Instance()->Window();
  if (owner_) backend_.HookOwner(owner_, *this);
}

TCoolTrayIcon::~TCoolTrayIcon() {
  *alive_ = false;
  RemoveTrayIcon();
  if (icon_) backend_.DestroyIcon(icon_);
  icon_ = nullptr;
  SetPopupMenu(nullptr);
  if (owner_) backend_.UnhookOwner(owner_, *this);
  TTrayIconHandler::Leave(data_.ID);
}

void TCoolTrayIcon::Loaded() {
  UpdateTrayIcon();
  SetIconVisible(iconVisible_);
  PrepareIconData();
  data_.Version = 0;
  backend_.SetIconVersion(data_);
}

void TCoolTrayIcon::SetIcon(void* icon) {
  void* copy = icon ? backend_.CopyIcon(icon) : nullptr;
  if (icon_) backend_.DestroyIcon(icon_);
  icon_ = copy;
  UpdateTrayIcon();
}

void TCoolTrayIcon::SetIconVisible(bool visible) {
  if (visible)
    AddTrayIcon();
  else
    RemoveTrayIcon();
}

void TCoolTrayIcon::SetHint(const std::string& hint) {
  hint_ = hint;
  UpdateTrayIcon();
}

void TCoolTrayIcon::SetShowHint(bool show) {
  showHint_ = show;
  UpdateTrayIcon();
}


void TCoolTrayIcon::SetPopupMenu(ttraypopupmenu* menu) {
  if (popupMenu_ == menu) return;
  if (popupMenu_) {
    auto& users = popupMenu_->users_;
    users.erase(std::remove(users.begin(), users.end(), this), users.end());
    if (popupMenu_->PopupComponent == this) popupMenu_->PopupComponent = nullptr;
  }
  popupMenu_ = menu;
  if (menu) menu->users_.push_back(this);
}

void TCoolTrayIcon::PrepareIconData() {
  data_.Icon = icon_;  // nullptr when the picture could not be copied; sent all the same
  std::memset(data_.Tip, 0, sizeof(data_.Tip));
  if (showHint_ && !hint_.empty()) {
    const std::size_t n = std::min<std::size_t>(hint_.size(), sizeof(data_.Tip) - 1);
    std::memcpy(data_.Tip, hint_.data(), n);
  }
}

void TCoolTrayIcon::AddTrayIcon() {
  iconVisible_ = true;
  PrepareIconData();
  if (backend_.AddIcon(data_))
    StopRetry();
  else
    ScheduleRetry();
}

void TCoolTrayIcon::RemoveTrayIcon() {
  iconVisible_ = false;
  StopRetry();
  PrepareIconData();
  backend_.DeleteIcon(data_);
}

void TCoolTrayIcon::UpdateTrayIcon() {
  PrepareIconData();
  const bool taken = backend_.ModifyIcon(data_);
  // A hidden icon is refused by design; only the shown one is retried.
  if (!iconVisible_) return;
  if (taken)
    StopRetry();
  else
    ScheduleRetry();
}

void TCoolTrayIcon::ScheduleRetry() {
  // A retry already waiting sends the state as it will be then.
  if (retryPending_) return;
  const unsigned delay = TrayRetryDelay(retries_ + 1);
  if (delay == 0) return;  // given up: the program runs on without its icon
  ++retries_;
  retryPending_ = true;
  backend_.SetRetryTimer(data_.Window, data_.ID, delay);
}

void TCoolTrayIcon::StopRetry() {
  if (retryPending_) backend_.KillRetryTimer(data_.Window, data_.ID);
  retryPending_ = false;
  retries_ = 0;
}

void TCoolTrayIcon::RetryTimer() {
  if (!retryPending_) return;
  backend_.KillRetryTimer(data_.Window, data_.ID);
  retryPending_ = false;
  if (!iconVisible_) return;
  PrepareIconData();
  // Changed if the shell has it after all, added if not.
  if (backend_.ModifyIcon(data_) || backend_.AddIcon(data_))
    StopRetry();
  else
    ScheduleRetry();
}

void TCoolTrayIcon::FireMouse(const tmouseevent& event, tmousebutton button) {
  if (!event) return;
  int x = 0, y = 0;
  backend_.CursorPos(x, y);
  event(*this, button, backend_.ShiftState(), x, y);
}

void TCoolTrayIcon::HandleNotification(std::uint32_t notification) {
  if (!enabled_) return;
  // Any handler may destroy this icon; nothing of it is touched afterwards.
  std::shared_ptr<bool> alive = alive_;
  switch (notification) {
    case tnLButtonDown:
      clickStarted_ = true;
      FireMouse(OnMouseDown, tmousebutton::mbLeft);
      break;
    case tnLButtonUp: {
      // Only a release that follows a press on the icon is a click.
      const bool click = clickStarted_;
      if (click) clickReady_ = true;
      clickStarted_ = false;
      if (click) {
        clickReady_ = false;
        if (OnClick) OnClick(*this);
        if (!*alive) return;
      }
      FireMouse(OnMouseUp, tmousebutton::mbLeft);
      break;
    }
    case tnLButtonDblClk:
      clickReady_ = false;
      if (OnDblClick) OnDblClick(*this);
      if (!*alive) return;
      if (popupMenu_ && popupMenu_->AutoPopup) popupMenu_->ClickDefaultItem();
      break;
    case tnRButtonDown:
      FireMouse(OnMouseDown, tmousebutton::mbRight);
      if (!*alive) return;
      ShowPopupMenu();
      break;
    case tnRButtonUp:
      FireMouse(OnMouseUp, tmousebutton::mbRight);
      break;
    case tnMButtonDown:
      FireMouse(OnMouseDown, tmousebutton::mbMiddle);
      break;
    case tnMButtonUp:
      FireMouse(OnMouseUp, tmousebutton::mbMiddle);
      break;
    case tnMouseMove:
      if (OnMouseMove) {
        int x = 0, y = 0;
        backend_.CursorPos(x, y);
        OnMouseMove(*this, backend_.ShiftState(), x, y);
      }
      break;
    default:
      break;  // balloon and version-3 notifications are not used
  }
}

void TCoolTrayIcon::ShowPopupMenu() {
  if (!popupMenu_ || !popupMenu_->AutoPopup) return;
  int x = 0, y = 0;
  if (!backend_.CursorPos(x, y)) return;
  // The menu closes on a click elsewhere only when its window is in the
  // foreground.
  void* window = owner_ ? owner_ : data_.Window;
  backend_.SetForegroundWindow(window);
  std::shared_ptr<bool> alive = alive_;
  backend_.ProcessMessages();
  // The pending messages may have destroyed the icon or its menu.
  if (!*alive || !popupMenu_) return;
  popupMenu_->PopupComponent = this;
  popupMenu_->Popup(x, y);
  // Lets the menu close properly the next time (it needs a message after
  // tracking ends).
  if (*alive) backend_.PostNullMessage(window);
}

void TCoolTrayIcon::TaskbarCreated() {
  if (!iconVisible_) return;
  // A new taskbar: a new two minutes for it, if it refuses at first.
  StopRetry();
  AddTrayIcon();
}

void TCoolTrayIcon::OwnerMessage(std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
  // Shown by a direct call: make sure it comes up in front.
  if (msg == WmShowWindow && wParam == 1 && lParam == 0 && owner_)
    backend_.SetForegroundWindow(owner_);
}

}  // namespace zv
