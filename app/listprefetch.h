#pragma once
// The stored shortcut list read on a thread of its own while the main
// window and its tray icon are being made, so start-up waits only for what
// is left of the read when it comes to the list.
#include <functional>
#include <future>

#include "model/tzvshortcutlist.h"

namespace zv {

class tlistprefetch {
 public:
  // Reads into the given list and answers whether the read succeeded.
  using tloader = std::function<bool(tzvshortcutlist&)>;

  // Starts the read at once.
  explicit tlistprefetch(tloader load);
  // Waits for a read not taken.
  ~tlistprefetch();
  tlistprefetch(const tlistprefetch&) = delete;
  tlistprefetch& operator=(const tlistprefetch&) = delete;

  // Waits for the read, appends what it read to list and answers what the
  // read answered; an error the read raised is raised here. A second call
  // reads afresh.
  bool TakeInto(tzvshortcutlist& list);

 private:
  tloader load_;
  tzvshortcutlist read_;
  std::future<bool> done_;
};

}  // namespace zv
