// The least a windowed program does: register a class, create a hidden
// window, run the message loop. The start-up benchmark's baseline.
//   emptyapp          hidden window "zvemptyapp" (class "zvemptyapp")
//   emptyapp /tray    the same with a tray icon
//   emptyapp /exit    ends at once, without any window
#include <windows.h>
#include <shellapi.h>

#include <cstdlib>
#include <cstring>

namespace {

LRESULT CALLBACK EmptyProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(wnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const char* arg = __argc > 1 ? __argv[1] : "";
  if (std::strcmp(arg, "/exit") == 0) return 0;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = EmptyProc;
  wc.hInstance = instance;
  wc.lpszClassName = "zvemptyapp";
  RegisterClassA(&wc);
  HWND wnd = CreateWindowExA(0, wc.lpszClassName, "zvemptyapp", WS_POPUP, 0, 0, 0, 0, nullptr,
                             nullptr, instance, nullptr);
  if (!wnd) return 1;
  NOTIFYICONDATAA nid = {};
  nid.cbSize = sizeof(nid);
  nid.hWnd = wnd;
  nid.uID = 1;
  nid.uFlags = NIF_ICON | NIF_TIP;
  nid.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  lstrcpynA(nid.szTip, "zvemptyapp", sizeof(nid.szTip));
  const bool tray = std::strcmp(arg, "/tray") == 0;
  if (tray) Shell_NotifyIconA(NIM_ADD, &nid);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  if (tray) Shell_NotifyIconA(NIM_DELETE, &nid);
  return 0;
}
