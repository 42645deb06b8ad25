#include "editor/editshortcutlist.h"

#include "editor/editortexts.h"

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
      // The program goes on with the edited list either way, but the user
      // must know that the next start will not have it.
      if (!host.SaveToRegistry(list) && commands.Services().Prompts)
        commands.Services().Prompts->ShowMessageBox(tpromptowner::MainWindow, SaveShortcutsTitle,
                                                    SaveFailedText, mbOK | mbIconError);
    }
  }
  return result;
}

}  // namespace zv
