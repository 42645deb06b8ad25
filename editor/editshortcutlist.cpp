#include "editor/editshortcutlist.h"

namespace zv {

namespace {

class twindowlife {
 public:
  explicit twindowlife(teditorwindowhost& host) : host_(host) {}
  ~twindowlife() { host_.DestroyEditorWindow(); }
  twindowlife(const twindowlife&) = delete;
  twindowlife& operator=(const twindowlife&) = delete;

 private:
  teditorwindowhost& host_;
};

}  // namespace

bool EditShortcutList(tzvshortcutlist& list, teditorwindowhost& host) {
  teditorcommands commands;
  bool result;
  {
    twindowlife life(host);
    host.CreateEditorWindow(commands);
    commands.worklist.Assign(list);
    host.ApplyOutcome(commands.FillShortcutList());
    host.ShowModal();
    result = commands.accepted;
    if (result) {
      commands.worklist.TidySeparators();
      list.Assign(commands.worklist);
      host.SaveToRegistry(list);
    }
  }
  return result;
}

}  // namespace zv
