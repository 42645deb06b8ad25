#include "app/shortcutmenuicons_win32.h"

#include <objbase.h>

#include "components/systemimagelist.h"
#include "app/startuptrace_win32.h"
#include "platform/win32environment.h"

namespace zv {

namespace {

constexpr UINT IconsKnownMessage = WM_APP + 0x32;

BOOL CALLBACK RepaintMenuWindow(HWND wnd, LPARAM) {
  char cls[16] = {};
  GetClassNameA(wnd, cls, sizeof(cls));
  if (lstrcmpA(cls, "#32768") == 0) InvalidateRect(wnd, nullptr, FALSE);
  return TRUE;
}

}  // namespace

tshortcutmenuicons::tshortcutmenuicons(HWND owner, tpopupmenu& menu)
    : menu_(menu),
      queue_(
          ProcessIconCache(),
          [](const std::string& path) { return FileIconIndexOf(ProcessShellImages(), path); },
          [owner] { PostMessageA(owner, IconsKnownMessage, 0, 0); },
          [](bool starting) {
            // The shell's icon lookups need COM on their thread.
            if (starting)
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
            else
              CoUninitialize();
          }) {}

tshortcutmenuicons::~tshortcutmenuicons() = default;

bool tshortcutmenuicons::LookedUpLater(const std::string& path) {
  if (queue_.IndexOrQueue(ProcessEnvironment().Expand(path)) != UnknownIconIndex) return false;
  // Someone waits for them now: the editor opened before the tray was active.
  queue_.Start();
  return true;
}

std::int32_t tshortcutmenuicons::IndexOf(const std::string& path) {
  return queue_.IndexOrQueue(ProcessEnvironment().Expand(path));
}

bool tshortcutmenuicons::HandleMessage(UINT msg, const tzvshortcutlist* list) {
  if (msg != IconsKnownMessage) return false;
  StartupMark("icons arrived");
  queue_.Delivered();
  if (TakeKnown(list)) EnumThreadWindows(GetCurrentThreadId(), RepaintMenuWindow, 0);
  if (OnArrivals) OnArrivals();
  return true;
}

bool tshortcutmenuicons::TakeKnown(const tzvshortcutlist* list) {
  return list && menu_.TakeKnownIcons(*list, [](const std::string& p) {
           return ProcessIconCache().Find(ProcessEnvironment().Expand(p));
         });
}

}  // namespace zv
