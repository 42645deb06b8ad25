#pragma once
// The tray icon's hook on its owner window: the owner's window procedure is
// replaced by one that shows each message to the icons hooked on it, then
// passes it on to the procedure it replaced.
#include <windows.h>

namespace zv {

class TCoolTrayIcon;

// Hooks icon on owner; a second icon on the same owner shares the hook.
void HookTrayOwner(HWND owner, TCoolTrayIcon& icon);
// The last icon gone, the owner gets its own procedure back, unless another
// procedure has been put in front of ours since: ours then stays and only
// passes messages on. Does nothing when the owner was destroyed first.
void UnhookTrayOwner(HWND owner, TCoolTrayIcon& icon);
// The procedure the hook put in front of owner's; null when not hooked.
WNDPROC HookedTrayOwnerProcedure(HWND owner);

}  // namespace zv
