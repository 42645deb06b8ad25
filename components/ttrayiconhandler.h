#pragma once
// The one hidden window of the process that receives the shell's
// notifications for every tray icon, shared by reference count: the first
// icon makes it, the last one destroys it.
#include <cstdint>
#include <map>

#include "components/traybackend.h"

namespace zv {

class TCoolTrayIcon;

// The shell restarts its taskbar with a "TaskbarCreated" broadcast from
// common-controls version 4.71 on (major in the high, minor in the low word).
bool ShellSendsTaskbarCreated(std::uint32_t commonControlsVersion);

class TTrayIconHandler {
 public:
  // The process's handler, nullptr while no tray icon exists.
  static TTrayIconHandler* Instance();

  // Adds the icon to the handler (making it, with its window, for the first
  // icon) and answers the icon's identifier.
  static std::uint32_t Join(TCoolTrayIcon& icon, ttraybackend& backend);
  // Takes the icon off; the last one destroys the window and the handler.
  static void Leave(std::uint32_t id);

  int RefCount() const { return static_cast<int>(icons_.size()); }
  void* Window() const { return window_; }
  TCoolTrayIcon* Find(std::uint32_t id) const;

  // The shared window's procedure. True when the message is answered with
  // result and gets no default processing.
  bool WindowMessage(std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam,
                     std::intptr_t& result);

  ~TTrayIconHandler();
  TTrayIconHandler(const TTrayIconHandler&) = delete;
  TTrayIconHandler& operator=(const TTrayIconHandler&) = delete;

 private:
  explicit TTrayIconHandler(ttraybackend& backend);

  ttraybackend& backend_;
  void* window_ = nullptr;
  std::uint32_t taskbarCreated_ = 0;
  std::map<std::uint32_t, TCoolTrayIcon*> icons_;
};

}  // namespace zv
