#pragma once
// Helpers of the Win32 table parts.
#include <string>

#include "model/tzvshortcutlist.h"
#include "platform/win32registry.h"

namespace zvbench {

// The user's stored shortcut list as it was before, put back afterwards: a
// benchmark run in someone's own prefix must not cost them their list.
class tkeptlist {
 public:
  tkeptlist() { had_ = list_.LoadFromRegistry(zv::ProcessRegistry(), zv::ShortcutListKey); }
  ~tkeptlist() {
    if (had_)
      list_.SaveToRegistry(zv::ProcessRegistry(), zv::ShortcutListKey);
    else
      zv::ProcessRegistry().DeleteKey(zv::ShortcutListKey);
  }
  tkeptlist(const tkeptlist&) = delete;
  tkeptlist& operator=(const tkeptlist&) = delete;

 private:
  zv::tzvshortcutlist list_;
  bool had_ = false;
};

// Shortcuts as a user has them: programs, documents and folders of the
// system, every tenth a separator, no hotkeys (clashes would stop a start
// with a question).
void FillEverydayList(zv::tzvshortcutlist& list, int count);
// groups groups, each holding perGroup of the everyday list's shortcuts.
void FillGroupedList(zv::tzvshortcutlist& list, int groups, int perGroup);

}  // namespace zvbench
