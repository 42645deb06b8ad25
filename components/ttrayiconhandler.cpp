#include "components/ttrayiconhandler.h"

#include <memory>
#include <vector>

#include "components/tcooltrayicon.h"

namespace zv {

namespace {

// Freed with the last icon, or at the end of the process if icons were
// leaked (the system takes the window away then). A plain pointer, so icons
// destroyed even later find no handler instead of a destroyed holder.
TTrayIconHandler* current = nullptr;

struct freeatexit {
  ~freeatexit() {
    delete current;
    current = nullptr;
  }
} freeAtExit;

// Identifiers are never reused within a process, so a notification still
// queued for a destroyed icon cannot reach a newer one.
std::uint32_t NextId() {
  static std::uint32_t last = 0;
  return ++last;
}

}  // namespace

bool ShellSendsTaskbarCreated(std::uint32_t commonControlsVersion) {
  return commonControlsVersion >= 0x40047;  // 4.71
}

TTrayIconHandler* TTrayIconHandler::Instance() { return current; }

TTrayIconHandler::TTrayIconHandler(ttraybackend& backend) : backend_(backend) {}

TTrayIconHandler::~TTrayIconHandler() = default;

std::uint32_t TTrayIconHandler::Join(TCoolTrayIcon& icon, ttraybackend& backend) {
  if (!current) {
    current = new TTrayIconHandler(backend);
    current->taskbarCreated_ = backend.TaskbarCreatedMessage();
    current->window_ = backend.CreateMessageWindow();
  }
  const std::uint32_t id = NextId();
  current->icons_[id] = &icon;
  return id;
}

void TTrayIconHandler::Leave(std::uint32_t id) {
  if (!current) return;
  current->icons_.erase(id);
  if (!current->icons_.empty()) return;
  // Detached first, so the window's last messages find no handler.
  std::unique_ptr<TTrayIconHandler> gone(current);
  current = nullptr;
  if (gone->window_) gone->backend_.DestroyMessageWindow(gone->window_);
}

TCoolTrayIcon* TTrayIconHandler::Find(std::uint32_t id) const {
  auto it = icons_.find(id);
  return it == icons_.end() ? nullptr : it->second;
}

bool TTrayIconHandler::WindowMessage(std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam,
                                     std::intptr_t& result) {
  if (msg == TrayCallbackMessage) {
    result = 0;
    // Identifiers fit 32 bits; anything wider is not one of ours.
    if (wParam > 0xFFFFFFFFu) return true;
    if (TCoolTrayIcon* icon = Find(static_cast<std::uint32_t>(wParam)))
      icon->HandleNotification(static_cast<std::uint32_t>(lParam));
    // The handler may be gone now: its last icon may have been destroyed.
    return true;
  }
  if (taskbarCreated_ != 0 && msg == taskbarCreated_) {
    std::vector<std::uint32_t> ids;
    for (const auto& entry : icons_) ids.push_back(entry.first);
    for (std::uint32_t id : ids) {
      TTrayIconHandler* handler = Instance();
      if (!handler) break;
      if (TCoolTrayIcon* icon = handler->Find(id)) icon->TaskbarCreated();
    }
    return false;  // a broadcast: others see it too
  }
  if (msg == 0x0113) {  // WM_TIMER: an icon's retry
    result = 0;
    if (wParam <= 0xFFFFFFFFu)
      if (TCoolTrayIcon* icon = Find(static_cast<std::uint32_t>(wParam))) icon->RetryTimer();
    return true;
  }
  switch (msg) {
    case 0x0002:  // WM_DESTROY
    case 0x0010:  // WM_CLOSE: the window stays until its last icon goes
    case 0x0011:  // WM_QUERYENDSESSION: never blocks the end of the session
    case 0x0012:  // WM_QUIT
    case 0x0016:  // WM_ENDSESSION
    case 0x0082:  // WM_NCDESTROY
      result = 1;
      return true;
  }
  return false;
}

}  // namespace zv
