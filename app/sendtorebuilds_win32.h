#pragma once
// The main window's Send To rebuilds: carried out by a worker with COM of its
// own; during start-up they are only asked for and made once the tray is
// active, a later command waits for its links. A link object that cannot be
// made is reported once, on the window's thread.
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "app/sendtoworker.h"

namespace zv {

class tsendtorebuilds {
 public:
  // Reports go to owner, whose window procedure hands them to HandleMessage;
  // reportError shows the error box.
  tsendtorebuilds(HWND owner, std::function<void(const std::string&)> reportError);

  // Deferred: only asked for (start-up); otherwise made before it returns.
  void Rebuild(const tzvshortcutlist& list, const tsettings& settings, bool deferred);
  // The tray is active: what start-up asked for is made now.
  void Start() { worker_.Start(); }
  // The session ends: what was asked for is made, within the worker's end
  // bound, before the system may end the process.
  void Finish() { worker_.Finish(); }
  // True when msg was a report of a finished rebuild.
  bool HandleMessage(UINT msg);

 private:
  void ReportFailure();
  std::function<void(const std::string&)> reportError_;
  std::atomic<bool> failed_{false};
  tsendtoworker worker_;
};

}  // namespace zv
