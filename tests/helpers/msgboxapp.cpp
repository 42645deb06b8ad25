// A small target for the test driver's own end-to-end test.
//   msgboxapp [title [text]]  a Yes/No question; the exit code is the answer
//                             (6 Yes, 7 No)
//   msgboxapp /open title     an open-file dialog; the chosen path is then
//                             shown in a box titled "Chosen File"; exit 0,
//                             or 1 when cancelled
//   msgboxapp /window         a window "Driver Probe" of class
//                             "zvdriverprobe": WM_COPYDATA shows a box
//                             titled "Copy Data" and answers dwData + 1;
//                             closing it ends the program with exit code 5;
//                             its tray icon "Driver Probe" answers a left
//                             click with a box titled "Tray Click", a right
//                             click with a menu "Show Box" (that box) and
//                             "Exit"
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <cstring>
#include <string>

namespace {

int Ask(const char* title, const char* text) {
  return MessageBoxA(nullptr, text, title, MB_YESNO | MB_ICONQUESTION);
}

int OpenFile(const char* title) {
  char file[MAX_PATH] = {};
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof(ofn);
  ofn.lpstrFilter = "All files (*.*)\0*.*\0";
  ofn.lpstrFile = file;
  ofn.nMaxFile = sizeof(file);
  ofn.lpstrTitle = title;
  ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameA(&ofn)) return 1;
  MessageBoxA(nullptr, file, "Chosen File", MB_OK | MB_ICONINFORMATION);
  return 0;
}

LRESULT CALLBACK ProbeProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COPYDATA: {
      const COPYDATASTRUCT* cds = reinterpret_cast<const COPYDATASTRUCT*>(lp);
      std::string text = "id " + std::to_string(cds->dwData) + ", " +
                         std::to_string(cds->cbData) + " bytes";
      if (cds->cbData && cds->lpData)
        text += ": " + std::string(static_cast<const char*>(cds->lpData),
                                   strnlen(static_cast<const char*>(cds->lpData), cds->cbData));
      MessageBoxA(wnd, text.c_str(), "Copy Data", MB_OK);
      return static_cast<LRESULT>(cds->dwData + 1);
    }
    case WM_APP:
      // The tray icon's notifications: the mouse message is the lParam.
      if (lp == WM_LBUTTONUP) MessageBoxA(wnd, "Left click", "Tray Click", MB_OK);
      if (lp == WM_RBUTTONUP) {
        // As a tray program does: a menu at the cursor, the owner in front.
        HMENU menu = CreatePopupMenu();
        AppendMenuA(menu, MF_STRING, 201, "&Show Box");
        AppendMenuA(menu, MF_STRING, 202, "E&xit");
        POINT at;
        GetCursorPos(&at);
        SetForegroundWindow(wnd);
        const UINT chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0,
                                           wnd, nullptr);
        PostMessageA(wnd, WM_NULL, 0, 0);
        DestroyMenu(menu);
        if (chosen == 201) MessageBoxA(wnd, "Right click", "Tray Click", MB_OK);
        if (chosen == 202) DestroyWindow(wnd);
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(5);
      return 0;
  }
  return DefWindowProcA(wnd, msg, wp, lp);
}

int Probe(HINSTANCE instance) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = ProbeProc;
  wc.hInstance = instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = "zvdriverprobe";
  RegisterClassA(&wc);
  HWND wnd = CreateWindowExA(0, wc.lpszClassName, "Driver Probe",
                             WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 100, 100, 240, 120, nullptr,
                             nullptr, instance, nullptr);
  CreateWindowExA(0, "STATIC", "Ready", WS_CHILD | WS_VISIBLE, 10, 10, 100, 16, wnd,
                  reinterpret_cast<HMENU>(101), instance, nullptr);
  CreateWindowExA(0, "BUTTON", "&Go", WS_CHILD | WS_DISABLED | BS_PUSHBUTTON, 10, 40, 60, 22, wnd,
                  reinterpret_cast<HMENU>(102), instance, nullptr);
  NOTIFYICONDATAA nid = {};
  nid.cbSize = sizeof(nid);
  nid.hWnd = wnd;
  nid.uID = 1;
  nid.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
  nid.uCallbackMessage = WM_APP;
  nid.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  lstrcpynA(nid.szTip, "Driver Probe", sizeof(nid.szTip));
  Shell_NotifyIconA(NIM_ADD, &nid);
  ShowWindow(wnd, SW_SHOWNORMAL);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  Shell_NotifyIconA(NIM_DELETE, &nid);
  return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const int argc = __argc;
  char** argv = __argv;
  if (argc > 1 && std::strcmp(argv[1], "/window") == 0) return Probe(instance);
  if (argc > 1 && std::strcmp(argv[1], "/open") == 0)
    return OpenFile(argc > 2 ? argv[2] : "Open");
  return Ask(argc > 1 ? argv[1] : "Driver Check",
             argc > 2 ? argv[2] : "Zur\xFC" "ck to the start?\r\rYes or no?");
}
