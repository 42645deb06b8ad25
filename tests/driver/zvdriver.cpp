// zvdriver: drives and reads the windows of other programs from outside,
// for the end-to-end scripts. One command per run, or one per line read
// with "serve"; results go to stdout as raw bytes (no CR/LF translation),
// diagnostics to stderr.
//
// Exit codes: 0 done / condition true, 1 not found / timed out / condition
// false, 2 bad usage, 3 the operation itself failed.
#include <windows.h>
#include <commctrl.h>

#include <fcntl.h>
#include <io.h>
#include <oleacc.h>
#include <psapi.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "../../tools/traytips.h"
#include "../win32/readaloud.h"
#include "../win32/screenshot.h"

namespace {

enum { ExitOk = 0, ExitNotFound = 1, ExitUsage = 2, ExitFailed = 3 };

const DWORD DefaultTimeout = 10000;
const DWORD PollInterval = 20;
// Cross-process messages wait at most this long, so a hung target cannot
// hang the test that drives it.
const UINT MessageTimeout = 5000;

const char* const Usage =
    "usage: zvdriver <command> [arguments]\n"
    "  list [class|*] [title|*]                    top-level windows\n"
    "  exists <class|*> <title|*>                  prints the window, exit 1 if none\n"
    "  wait-window [--visible] <class|*> <title|*> [timeout_ms]\n"
    "  wait-gone <window> [timeout_ms]\n"
    "  window-text <window>\n"
    "  rect [--screen] <window>                    left top width height (in the parent's client\n"
    "                                              area, or on the screen)\n"
    "  children <window>                           one line per descendant\n"
    "  find-child <window> <class|*> <text|*>\n"
    "  list-rows <window>                          a list box's rows as another program reads\n"
    "                                              them (LB_GETTEXT), one per line\n"
    "  accessible <window>                         role, role name, name and keyboard shortcut of its\n"
    "                                              client object, as screen readers read them\n"
    "  msgbox <title> [timeout_ms]                 the box text\n"
    "  press <title|window> <button caption> [timeout_ms]\n"
    "  click <window> [x y]\n"
    "  key <window> <key>                          enter, escape, tab, space, a letter or a number\n"
    "  set-text <window> <text>\n"
    "  file-dialog <title> <path> [timeout_ms]\n"
    "  send-copydata <class|*> <title|*> <dwData> [text]\n"
    "  post <window> <msg> <wparam> <lparam>\n"
    "  send <window> <msg> <wparam> <lparam>       prints the result\n"
    "  close <window> [timeout_ms]\n"
    "  foreground <window>\n"
    "  screenshot [--print] <window> <file.bmp>\n"
    "  setting-change <area>                       WM_SETTINGCHANGE broadcast with that text,\n"
    "                                              as Windows sends it (\"ImmersiveColorSet\")\n"
    "  tray                                        icons: index, window, rect, tip\n"
    "  wait-tray <tip|index|*> [timeout_ms]        prints the icon's window\n"
    "  tray-click <tip|index|*> [left|right|double]\n"
    "  end-session <window> [logoff]               the system's end of session to its process\n"
    "  resources <window>                          gdi, user, handles, windows, private KB\n"
    "  menu-rounds <window> <count> request|<tip> [none]\n"
    "                                              menus by copy data 1001 or tray clicks\n"
    "  start-rounds <exe> <count> <tip> [mods:vk ...]\n"
    "                                              start, Exit from the tray menu, exit code 0\n"
    "  serve                                       commands from stdin, one per line, tab-separated;\n"
    "                                              each answered by its output and \\x01<exit code>\n"
    "A window is a handle (0x... or decimal). Messages are numbers, names such as WM_CLOSE,\n"
    "or registered:<name> for a registered message. In texts \\xHH stands for the byte HH.\n";

// ---- arguments and output

bool ParseNumber(const char* text, unsigned long& out) {
  if (!text || !*text) return false;
  char* end = nullptr;
  out = std::strtoul(text, &end, 0);
  return end && *end == 0;
}

bool ParseWindow(const char* text, HWND& out) {
  unsigned long v;
  if (!ParseNumber(text, v) || v == 0) return false;
  out = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(v));
  return IsWindow(out) != FALSE;
}

const char* Pattern(const char* text) { return std::strcmp(text, "*") == 0 ? nullptr : text; }

DWORD TimeoutArg(int argc, char** argv, int index) {
  unsigned long v;
  if (index < argc && ParseNumber(argv[index], v)) return v;
  return DefaultTimeout;
}

void Write(const std::string& s) { std::fwrite(s.data(), 1, s.size(), stdout); }

std::string HandleText(HWND wnd) {
  char buffer[32];
  std::snprintf(buffer, sizeof(buffer), "0x%08lX",
                static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(wnd)));
  return buffer;
}

// Control characters would break the one-line-per-window listings.
std::string Escaped(const std::string& s) {
  std::string out;
  for (unsigned char c : s) {
    if (c == '\\') out += "\\\\";
    else if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else if (c == '\t') out += "\\t";
    else if (c < 32) {
      char buffer[8];
      std::snprintf(buffer, sizeof(buffer), "\\x%02X", c);
      out += buffer;
    } else out += static_cast<char>(c);
  }
  return out;
}

int Fail(int code, const std::string& message) {
  std::fprintf(stderr, "zvdriver: %s\n", message.c_str());
  return code;
}

// ---- window queries

std::string ClassOf(HWND wnd) {
  char buffer[256] = {};
  GetClassNameA(wnd, buffer, sizeof(buffer));
  return buffer;
}

// WM_GETTEXT rather than the window manager's copy of the caption: edit
// controls keep their text themselves.
std::string TextOf(HWND wnd) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(wnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, MessageTimeout,
                           &length))
    length = 4096;
  std::vector<char> buffer(length + 2, 0);
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(wnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                           SMTO_ABORTIFHUNG, MessageTimeout, &copied)) {
    int n = GetWindowTextA(wnd, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), n > 0 ? n : 0);
  }
  return std::string(buffer.data(), copied < buffer.size() ? copied : buffer.size() - 1);
}

// Button captions compare without their access-key ampersands.
std::string WithoutAmpersands(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '&') {
      if (i + 1 < s.size() && s[i + 1] == '&') out += '&', ++i;
      continue;
    }
    out += s[i];
  }
  return out;
}

BOOL CALLBACK Collect(HWND wnd, LPARAM lp) {
  reinterpret_cast<std::vector<HWND>*>(lp)->push_back(wnd);
  return TRUE;
}

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<HWND> TopLevel() {
  std::vector<HWND> found;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&found));
  return found;
}

// FindWindowA finds hidden windows too (the launcher's main window is never
// shown); --visible waits until the window is on the screen as well.
HWND WaitWindow(const char* cls, const char* title, DWORD timeout, bool visible) {
  const DWORD start = GetTickCount();
  for (;;) {
    HWND wnd = FindWindowA(cls, title);
    if (wnd && visible) {
      // Another window of that class and title may be the visible one.
      while (wnd && !IsWindowVisible(wnd)) wnd = FindWindowExA(nullptr, wnd, cls, title);
    }
    if (wnd) return wnd;
    if (GetTickCount() - start >= timeout) return nullptr;
    Sleep(PollInterval);
  }
}

bool WaitGone(HWND wnd, DWORD timeout) {
  const DWORD start = GetTickCount();
  while (IsWindow(wnd)) {
    if (GetTickCount() - start >= timeout) return false;
    Sleep(PollInterval);
  }
  return true;
}

// A handle, or the title of a dialog box (class "#32770") to wait for.
HWND DialogArg(const char* text, DWORD timeout) {
  HWND wnd;
  if (ParseWindow(text, wnd)) return wnd;
  return WaitWindow("#32770", Pattern(text), timeout, true);
}

RECT RectInParent(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  HWND parent = GetParent(wnd);
  if (parent && (GetWindowLongA(wnd, GWL_STYLE) & WS_CHILD))
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// ---- messages

struct messagename {
  const char* Name;
  UINT Value;
};

const messagename MessageNames[] = {
    {"WM_NULL", WM_NULL},           {"WM_CLOSE", WM_CLOSE},
    {"WM_QUIT", WM_QUIT},           {"WM_COMMAND", WM_COMMAND},
    {"WM_SYSCOMMAND", WM_SYSCOMMAND}, {"WM_QUERYENDSESSION", WM_QUERYENDSESSION},
    {"WM_ENDSESSION", WM_ENDSESSION}, {"WM_HOTKEY", WM_HOTKEY},
    {"WM_KEYDOWN", WM_KEYDOWN},     {"WM_KEYUP", WM_KEYUP},
    {"WM_CHAR", WM_CHAR},           {"WM_LBUTTONDOWN", WM_LBUTTONDOWN},
    {"WM_LBUTTONUP", WM_LBUTTONUP}, {"WM_RBUTTONDOWN", WM_RBUTTONDOWN},
    {"WM_RBUTTONUP", WM_RBUTTONUP}, {"WM_USER", WM_USER},
    {"BM_CLICK", BM_CLICK},         {"WM_TIMER", WM_TIMER},
};

bool ParseMessage(const char* text, UINT& out) {
  for (const messagename& m : MessageNames) {
    if (_stricmp(text, m.Name) == 0) {
      out = m.Value;
      return true;
    }
  }
  unsigned long v;
  if (ParseNumber(text, v)) {
    out = static_cast<UINT>(v);
    return true;
  }
  // Registered messages by name, such as "registered:TaskbarCreated".
  if (std::strncmp(text, "registered:", 11) == 0) {
    out = RegisterWindowMessageA(text + 11);
    return out != 0;
  }
  return false;
}

bool ParseKey(const char* text, UINT& vk, char& ch) {
  struct named {
    const char* Name;
    UINT Vk;
    char Ch;
  };
  static const named names[] = {
      {"enter", VK_RETURN, '\r'}, {"return", VK_RETURN, '\r'}, {"escape", VK_ESCAPE, 27},
      {"esc", VK_ESCAPE, 27},     {"tab", VK_TAB, '\t'},       {"space", VK_SPACE, ' '},
      {"up", VK_UP, 0},           {"down", VK_DOWN, 0},        {"left", VK_LEFT, 0},
      {"right", VK_RIGHT, 0},     {"delete", VK_DELETE, 0},    {"back", VK_BACK, 8},
      {"f1", VK_F1, 0},           {"f2", VK_F2, 0},            {"home", VK_HOME, 0},
      {"end", VK_END, 0},
  };
  for (const named& n : names) {
    if (_stricmp(text, n.Name) == 0) {
      vk = n.Vk;
      ch = n.Ch;
      return true;
    }
  }
  if (std::strlen(text) == 1) {
    const char c = text[0];
    SHORT scan = VkKeyScanA(c);
    if (scan == -1) return false;
    vk = LOBYTE(scan);
    ch = c;
    return true;
  }
  unsigned long v;
  if (ParseNumber(text, v) && v < 256) {
    vk = static_cast<UINT>(v);
    ch = 0;
    return true;
  }
  return false;
}

// ---- screenshots

// From the screen by default: what the user sees, whatever the window paints
// itself. PrintWindow asks the window to paint into our bitmap instead, which
// also works for covered windows that answer WM_PRINT (Wine 8 gives black
// for windows of other processes).
bool Screenshot(HWND wnd, const std::string& file, bool print) {
  RECT r;
  if (!GetWindowRect(wnd, &r)) return false;
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return false;
  // Let the window finish painting what it has pending.
  DWORD_PTR ignored;
  SendMessageTimeoutA(wnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, MessageTimeout, &ignored);
  RedrawWindow(wnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  Sleep(100);
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(mem, bmp);
  bool drawn = print ? PrintWindow(wnd, mem, 0) != FALSE
                     : BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY) != FALSE;
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  const bool ok = drawn && SaveBitmapScreenshot(bmp, file);
  DeleteObject(bmp);
  return ok;
}

// ---- notification area
//
// With no taskbar on the display, Wine shows the notification area as a
// window of its own ("Wine System Tray"), with one child window per icon;
// the child passes mouse messages on to the icon's owner as its callback
// message, just as a click on the icon does. Each icon's tip sits in a
// tooltip control of that process, read through memory lent there.

struct trayicon {
  HWND Wnd;
  std::string Tip;
};

std::vector<trayicon> TrayIcons() {
  std::vector<trayicon> icons;
  for (HWND tray : TopLevel()) {
    if (ClassOf(tray) != "__winex11_standalone_tray") continue;
    for (HWND child : Descendants(tray))
      if (ClassOf(child) == "__winex11_tray_icon" && IsWindowVisible(child))
        icons.push_back({child, zvtray::TooltipTextFor(child, MessageTimeout)});
  }
  return icons;
}

// An icon by its position (0 first) or its tip; "*" is the first icon.
bool FindTrayIcon(const char* which, trayicon& out) {
  std::vector<trayicon> icons = TrayIcons();
  unsigned long index;
  const bool byIndex = ParseNumber(which, index);
  for (size_t i = 0; i < icons.size(); ++i) {
    if (std::strcmp(which, "*") == 0 || (byIndex && i == index) ||
        (!byIndex && icons[i].Tip == which)) {
      out = icons[i];
      return true;
    }
  }
  return false;
}

// ---- commands

int CmdList(int argc, char** argv) {
  const char* cls = argc > 2 ? Pattern(argv[2]) : nullptr;
  const char* title = argc > 3 ? Pattern(argv[3]) : nullptr;
  for (HWND wnd : TopLevel()) {
    const std::string c = ClassOf(wnd), t = TextOf(wnd);
    if (cls && _stricmp(cls, c.c_str()) != 0) continue;
    if (title && _stricmp(title, t.c_str()) != 0) continue;
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    Write(HandleText(wnd) + "\t" + Escaped(c) + "\tpid=" + std::to_string(pid) + "\t" +
          (IsWindowVisible(wnd) ? "visible" : "hidden") + "\t" + Escaped(t) + "\n");
  }
  return ExitOk;
}

int CmdExists(int argc, char** argv) {
  if (argc < 4) return Fail(ExitUsage, "exists <class|*> <title|*>");
  HWND wnd = FindWindowA(Pattern(argv[2]), Pattern(argv[3]));
  if (!wnd) return ExitNotFound;
  Write(HandleText(wnd) + "\n");
  return ExitOk;
}

int CmdWaitWindow(int argc, char** argv) {
  int i = 2;
  bool visible = false;
  if (i < argc && std::strcmp(argv[i], "--visible") == 0) visible = true, ++i;
  if (argc < i + 2) return Fail(ExitUsage, "wait-window [--visible] <class|*> <title|*> [timeout]");
  HWND wnd = WaitWindow(Pattern(argv[i]), Pattern(argv[i + 1]), TimeoutArg(argc, argv, i + 2),
                        visible);
  if (!wnd)
    return Fail(ExitNotFound,
                std::string("no window of class '") + argv[i] + "' titled '" + argv[i + 1] + "'");
  Write(HandleText(wnd) + "\n");
  return ExitOk;
}

int CmdWaitGone(int argc, char** argv) {
  if (argc < 3) return Fail(ExitUsage, "wait-gone <window> [timeout]");
  HWND wnd;
  if (!ParseWindow(argv[2], wnd)) return ExitOk;  // already gone
  return WaitGone(wnd, TimeoutArg(argc, argv, 3)) ? ExitOk
                                                  : Fail(ExitNotFound, "window still there");
}

int CmdWindowText(int argc, char** argv) {
  HWND wnd;
  if (argc < 3) return Fail(ExitUsage, "window-text <window>");
  if (!ParseWindow(argv[2], wnd)) return Fail(ExitNotFound, "no such window");
  Write(TextOf(wnd) + "\n");
  return ExitOk;
}

int CmdRect(int argc, char** argv) {
  HWND wnd;
  const bool screen = argc > 2 && std::strcmp(argv[2], "--screen") == 0;
  const int i = screen ? 3 : 2;
  if (argc <= i) return Fail(ExitUsage, "rect [--screen] <window>");
  if (!ParseWindow(argv[i], wnd)) return Fail(ExitNotFound, "no such window");
  RECT r = {};
  if (screen)
    GetWindowRect(wnd, &r);
  else
    r = RectInParent(wnd);
  std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return ExitOk;
}

// handle, class, control id, rectangle in the parent's client area,
// visible/hidden, enabled/disabled, text; tab-separated.
int CmdChildren(int argc, char** argv) {
  HWND wnd;
  if (argc < 3) return Fail(ExitUsage, "children <window>");
  if (!ParseWindow(argv[2], wnd)) return Fail(ExitNotFound, "no such window");
  for (HWND child : Descendants(wnd)) {
    RECT r = RectInParent(child);
    char line[160];
    std::snprintf(line, sizeof(line), "\t%d\t%ld,%ld,%ld,%ld\t%s\t%s\t",
                  GetDlgCtrlID(child), r.left, r.top, r.right - r.left, r.bottom - r.top,
                  IsWindowVisible(child) ? "visible" : "hidden",
                  IsWindowEnabled(child) ? "enabled" : "disabled");
    Write(HandleText(child) + "\t" + Escaped(ClassOf(child)) + line + Escaped(TextOf(child)) +
          "\n");
  }
  return ExitOk;
}

// As screen readers read a list box of another process: each row's
// LB_GETTEXT, in UTF-16, written as UTF-8.
int CmdListRows(int argc, char** argv) {
  HWND wnd;
  if (argc < 3) return Fail(ExitUsage, "list-rows <window>");
  if (!ParseWindow(argv[2], wnd)) return Fail(ExitNotFound, "no such window");
  DWORD_PTR count = 0;
  if (!SendMessageTimeoutW(wnd, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, MessageTimeout, &count))
    return Fail(ExitFailed, "no answer");
  for (DWORD_PTR row = 0; row < count && row < 100000; ++row) {
    DWORD_PTR length = 0;
    std::wstring text;
    if (SendMessageTimeoutW(wnd, LB_GETTEXTLEN, row, 0, SMTO_ABORTIFHUNG, MessageTimeout, &length) &&
        static_cast<LONG_PTR>(length) >= 0 && length < 1000000) {
      std::vector<wchar_t> buffer(length + 1, 0);
      DWORD_PTR copied = 0;
      if (SendMessageTimeoutW(wnd, LB_GETTEXT, row, reinterpret_cast<LPARAM>(buffer.data()), SMTO_ABORTIFHUNG,
                              MessageTimeout, &copied) &&
          static_cast<LONG_PTR>(copied) >= 0)
        text.assign(buffer.data(), copied < buffer.size() ? copied : buffer.size() - 1);
    }
    std::string utf8(text.size() * 3 + 1, '\0');
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(),
                                      static_cast<int>(utf8.size()), nullptr, nullptr);
    utf8.resize(n > 0 ? static_cast<size_t>(n) : 0);
    Write(Escaped(utf8) + "\n");
  }
  return ExitOk;
}

std::string Utf8(const wchar_t* text, size_t length) {
  std::string utf8(length * 3 + 1, '\0');
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), utf8.data(),
                                    static_cast<int>(utf8.size()), nullptr, nullptr);
  utf8.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return utf8;
}

// As a screen reader reads a window of another process: its client
// object's role (number and the system's name for it), name and keyboard
// shortcut, tab-separated.
int CmdAccessible(int argc, char** argv) {
  HWND wnd;
  if (argc < 3) return Fail(ExitUsage, "accessible <window>");
  if (!ParseWindow(argv[2], wnd)) return Fail(ExitNotFound, "no such window");
  const bool com = SUCCEEDED(CoInitialize(nullptr));
  const treading r = ReadAloud(wnd);
  int code = ExitOk;
  if (r.Role < 0) {
    code = Fail(ExitFailed, "no accessible object");
  } else {
    wchar_t roleText[128] = {};
    GetRoleTextW(static_cast<DWORD>(r.Role), roleText, 128);
    Write(std::to_string(r.Role) + "\t" + Escaped(Utf8(roleText, wcslen(roleText))) + "\t" + Escaped(r.Name) + "\t" +
          Escaped(r.Shortcut) + "\n");
  }
  if (com) CoUninitialize();
  return code;
}

int CmdSettingChange(int argc, char** argv) {
  if (argc < 3) return Fail(ExitUsage, "setting-change <area>");
  DWORD_PTR result = 0;
  SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(argv[2]), SMTO_ABORTIFHUNG,
                      MessageTimeout, &result);
  return ExitOk;
}

int CmdFindChild(int argc, char** argv) {
  HWND wnd;
  if (argc < 5) return Fail(ExitUsage, "find-child <window> <class|*> <text|*>");
  if (!ParseWindow(argv[2], wnd)) return Fail(ExitNotFound, "no such window");
  const char* cls = Pattern(argv[3]);
  const char* text = Pattern(argv[4]);
  for (HWND child : Descendants(wnd)) {
    if (cls && _stricmp(cls, ClassOf(child).c_str()) != 0) continue;
    if (text && WithoutAmpersands(TextOf(child)) != WithoutAmpersands(text)) continue;
    Write(HandleText(child) + "\n");
    return ExitOk;
  }
  return ExitNotFound;
}

// The text of a message box sits in its Static children; the icon is a
// Static as well, without text.
int CmdMsgbox(int argc, char** argv) {
  if (argc < 3) return Fail(ExitUsage, "msgbox <title> [timeout]");
  HWND box = DialogArg(argv[2], TimeoutArg(argc, argv, 3));
  if (!box) return Fail(ExitNotFound, std::string("no message box titled '") + argv[2] + "'");
  for (HWND child : Descendants(box)) {
    if (_stricmp(ClassOf(child).c_str(), "Static") != 0) continue;
    const std::string text = TextOf(child);
    if (!text.empty()) Write(text + "\n");
  }
  return ExitOk;
}

int CmdPress(int argc, char** argv) {
  if (argc < 4) return Fail(ExitUsage, "press <title|window> <button caption> [timeout]");
  HWND box = DialogArg(argv[2], TimeoutArg(argc, argv, 4));
  if (!box) return Fail(ExitNotFound, std::string("no dialog titled '") + argv[2] + "'");
  const std::string wanted = WithoutAmpersands(argv[3]);
  for (HWND child : Descendants(box)) {
    if (_stricmp(ClassOf(child).c_str(), "Button") != 0) continue;
    if (WithoutAmpersands(TextOf(child)) != wanted) continue;
    if (!IsWindowEnabled(child)) return Fail(ExitFailed, "the button is disabled");
    HWND parent = GetParent(child);
    // Dialog boxes take the command straight away; anything else gets a
    // click, which needs no knowledge of the window's command handling.
    if (parent && ClassOf(parent) == "#32770") {
      PostMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), BN_CLICKED),
                   reinterpret_cast<LPARAM>(child));
    } else {
      PostMessageA(child, BM_CLICK, 0, 0);
    }
    return ExitOk;
  }
  return Fail(ExitNotFound, std::string("no button '") + argv[3] + "'");
}

int CmdClick(int argc, char** argv) {
  HWND wnd;
  if (argc < 3) return Fail(ExitUsage, "click <window> [x y]");
  if (!ParseWindow(argv[2], wnd)) return Fail(ExitNotFound, "no such window");
  RECT r;
  GetClientRect(wnd, &r);
  long x = r.right / 2, y = r.bottom / 2;
  if (argc >= 5) {
    x = std::strtol(argv[3], nullptr, 0);
    y = std::strtol(argv[4], nullptr, 0);
  }
  const LPARAM at = MAKELPARAM(x, y);
  PostMessageA(wnd, WM_MOUSEMOVE, 0, at);
  PostMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(wnd, WM_LBUTTONUP, 0, at);
  return ExitOk;
}

int CmdKey(int argc, char** argv) {
  HWND wnd;
  UINT vk;
  char ch;
  if (argc < 4) return Fail(ExitUsage, "key <window> <key>");
  if (!ParseWindow(argv[2], wnd)) return Fail(ExitNotFound, "no such window");
  if (!ParseKey(argv[3], vk, ch)) return Fail(ExitUsage, std::string("unknown key ") + argv[3]);
  const UINT scan = MapVirtualKeyA(vk, 0);
  PostMessageA(wnd, WM_KEYDOWN, vk, 1 | (scan << 16));
  if (ch) PostMessageA(wnd, WM_CHAR, static_cast<unsigned char>(ch), 1 | (scan << 16));
  PostMessageA(wnd, WM_KEYUP, vk, 1 | (scan << 16) | 0xC0000000u);
  return ExitOk;
}

int CmdSetText(int argc, char** argv) {
  HWND wnd;
  if (argc < 4) return Fail(ExitUsage, "set-text <window> <text>");
  if (!ParseWindow(argv[2], wnd)) return Fail(ExitNotFound, "no such window");
  DWORD_PTR result;
  if (!SendMessageTimeoutA(wnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[3]), SMTO_ABORTIFHUNG,
                           MessageTimeout, &result))
    return Fail(ExitFailed, "WM_SETTEXT timed out");
  return ExitOk;
}

// The file name field: the combo box 0x47C of the Explorer-style dialog (its
// edit inside), else the edit 0x480 of the old style, else the first edit.
HWND FileNameField(HWND dialog) {
  HWND combo = nullptr, old = nullptr, first = nullptr;
  for (HWND child : Descendants(dialog)) {
    const int id = GetDlgCtrlID(child);
    const std::string cls = ClassOf(child);
    if (id == 0x47C && !combo) combo = child;
    if (id == 0x480 && _stricmp(cls.c_str(), "Edit") == 0 && !old) old = child;
    if (_stricmp(cls.c_str(), "Edit") == 0 && IsWindowVisible(child) && !first) first = child;
  }
  if (combo) {
    HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
    return edit ? edit : combo;
  }
  return old ? old : first;
}

int CmdFileDialog(int argc, char** argv) {
  if (argc < 4) return Fail(ExitUsage, "file-dialog <title> <path> [timeout]");
  HWND dialog = DialogArg(argv[2], TimeoutArg(argc, argv, 4));
  if (!dialog) return Fail(ExitNotFound, std::string("no file dialog titled '") + argv[2] + "'");
  HWND field = FileNameField(dialog);
  if (!field) return Fail(ExitFailed, "the dialog has no file name field");
  // A dialog that has only just appeared may still be filling its fields and
  // clear the name again: type it once more while nothing else is asked.
  for (int attempt = 0; attempt < 3; ++attempt) {
    DWORD_PTR result;
    if (!SendMessageTimeoutA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[3]),
                             SMTO_ABORTIFHUNG, MessageTimeout, &result))
      return Fail(ExitFailed, "could not type the file name");
    HWND ok = GetDlgItem(dialog, IDOK);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
    if (WaitGone(dialog, 3000)) return ExitOk;
    // A folder name makes the dialog change folder, an existing file may
    // bring up an overwrite question: the dialog stays, and the caller must
    // know.
    if (GetWindow(dialog, GW_ENABLEDPOPUP) || !IsWindowEnabled(dialog)) break;
  }
  return Fail(ExitFailed, "the dialog is still open");
}

// Synchronous like a second start of the launcher: returns when the target
// has handled the message, which may be after a menu or box it shows.
int CmdSendCopydata(int argc, char** argv) {
  unsigned long id;
  if (argc < 5 || !ParseNumber(argv[4], id))
    return Fail(ExitUsage, "send-copydata <class|*> <title|*> <dwData> [text]");
  HWND target = FindWindowA(Pattern(argv[2]), Pattern(argv[3]));
  if (!target) return Fail(ExitNotFound, "no such window");
  COPYDATASTRUCT cds = {};
  cds.dwData = id;
  if (argc > 5) {
    cds.cbData = static_cast<DWORD>(std::strlen(argv[5]) + 1);
    cds.lpData = argv[5];
  }
  // The sender's window goes along as the wParam, as the launcher's own
  // second instance passes its application window.
  HWND sender = CreateWindowExA(0, "STATIC", "zvdriver", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  DWORD_PTR result = 0;
  BOOL sent = SendMessageTimeoutA(target, WM_COPYDATA, reinterpret_cast<WPARAM>(sender),
                                  reinterpret_cast<LPARAM>(&cds), SMTO_NORMAL, 120000, &result);
  if (sender) DestroyWindow(sender);
  if (!sent) return Fail(ExitFailed, "WM_COPYDATA was not handled in time");
  std::printf("%lu\n", static_cast<unsigned long>(result));
  return ExitOk;
}

int PostOrSend(int argc, char** argv, bool send) {
  HWND wnd;
  UINT msg;
  unsigned long wp, lp;
  if (argc < 6) return Fail(ExitUsage, "post|send <window> <msg> <wparam> <lparam>");
  if (!ParseWindow(argv[2], wnd)) return Fail(ExitNotFound, "no such window");
  if (!ParseMessage(argv[3], msg) || !ParseNumber(argv[4], wp) || !ParseNumber(argv[5], lp))
    return Fail(ExitUsage, "bad message or parameter");
  if (!send)
    return PostMessageA(wnd, msg, wp, static_cast<LPARAM>(lp)) ? ExitOk
                                                               : Fail(ExitFailed, "post failed");
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(wnd, msg, wp, static_cast<LPARAM>(lp), SMTO_NORMAL, 60000, &result))
    return Fail(ExitFailed, "the message was not handled in time");
  std::printf("%lu\n", static_cast<unsigned long>(result));
  return ExitOk;
}

int CmdClose(int argc, char** argv) {
  HWND wnd;
  if (argc < 3) return Fail(ExitUsage, "close <window> [timeout]");
  if (!ParseWindow(argv[2], wnd)) return ExitOk;
  PostMessageA(wnd, WM_CLOSE, 0, 0);
  return WaitGone(wnd, TimeoutArg(argc, argv, 3)) ? ExitOk
                                                  : Fail(ExitNotFound, "window still open");
}

int CmdForeground(int argc, char** argv) {
  HWND wnd;
  if (argc < 3) return Fail(ExitUsage, "foreground <window>");
  if (!ParseWindow(argv[2], wnd)) return Fail(ExitNotFound, "no such window");
  return SetForegroundWindow(wnd) ? ExitOk : Fail(ExitFailed, "SetForegroundWindow refused");
}

int CmdScreenshot(int argc, char** argv) {
  int i = 2;
  bool print = false;
  if (i < argc && std::strcmp(argv[i], "--print") == 0) print = true, ++i;
  HWND wnd;
  if (argc < i + 2) return Fail(ExitUsage, "screenshot [--print] <window> <file.bmp>");
  if (!ParseWindow(argv[i], wnd)) return Fail(ExitNotFound, "no such window");
  return Screenshot(wnd, argv[i + 1], print) ? ExitOk : Fail(ExitFailed, "screenshot failed");
}

int CmdTray(int, char**) {
  int i = 0;
  for (const trayicon& icon : TrayIcons()) {
    RECT r;
    GetWindowRect(icon.Wnd, &r);
    char line[96];
    std::snprintf(line, sizeof(line), "%d\t%s\t%ld,%ld,%ld,%ld\t", i++, HandleText(icon.Wnd).c_str(),
                  r.left, r.top, r.right - r.left, r.bottom - r.top);
    Write(line + Escaped(icon.Tip) + "\n");
  }
  return ExitOk;
}

int CmdWaitTray(int argc, char** argv) {
  if (argc < 3) return Fail(ExitUsage, "wait-tray <tip|index|*> [timeout]");
  const DWORD timeout = TimeoutArg(argc, argv, 3), start = GetTickCount();
  trayicon icon;
  while (!FindTrayIcon(argv[2], icon)) {
    if (GetTickCount() - start >= timeout)
      return Fail(ExitNotFound, std::string("no tray icon '") + argv[2] + "'");
    Sleep(PollInterval * 5);
  }
  Write(HandleText(icon.Wnd) + "\n");
  return ExitOk;
}

int CmdTrayClick(int argc, char** argv) {
  if (argc < 3) return Fail(ExitUsage, "tray-click <tip|index|*> [left|right|double]");
  trayicon icon;
  if (!FindTrayIcon(argv[2], icon)) return Fail(ExitNotFound, "no such tray icon");
  const std::string how = argc > 3 ? argv[3] : "left";
  const LPARAM at = MAKELPARAM(8, 8);
  if (how == "right") {
    PostMessageA(icon.Wnd, WM_RBUTTONDOWN, MK_RBUTTON, at);
    PostMessageA(icon.Wnd, WM_RBUTTONUP, 0, at);
  } else if (how == "left" || how == "double") {
    PostMessageA(icon.Wnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(icon.Wnd, WM_LBUTTONUP, 0, at);
    if (how == "double") {
      PostMessageA(icon.Wnd, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
      PostMessageA(icon.Wnd, WM_LBUTTONUP, 0, at);
    }
  } else {
    return Fail(ExitUsage, "left, right or double");
  }
  return ExitOk;
}

// ---- whole processes: the end of a session, resources, many rounds

DWORD ProcessOf(HWND wnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  return pid;
}

std::vector<HWND> TopLevelOf(DWORD pid) {
  std::vector<HWND> found;
  for (HWND wnd : TopLevel())
    if (ProcessOf(wnd) == pid) found.push_back(wnd);
  return found;
}

// As the system ends a session: every top-level window of the process, the
// hidden ones too, is asked first; only when all agreed do they all hear
// that the session ends (else that it goes on).
int CmdEndSession(int argc, char** argv) {
  HWND wnd;
  if (argc < 3) return Fail(ExitUsage, "end-session <window> [logoff]");
  if (!ParseWindow(argv[2], wnd)) return Fail(ExitNotFound, "no such window");
  const LPARAM reason = argc > 3 && std::strcmp(argv[3], "logoff") == 0 ? ENDSESSION_LOGOFF : 0;
  const std::vector<HWND> windows = TopLevelOf(ProcessOf(wnd));
  bool agreed = true;
  for (HWND w : windows) {
    const std::string cls = ClassOf(w);
    DWORD_PTR answer = 0;
    if (!IsWindow(w)) continue;
    if (!SendMessageTimeoutA(w, WM_QUERYENDSESSION, 0, reason, SMTO_NORMAL, MessageTimeout, &answer))
      return Fail(ExitFailed, "no answer to the end of the session from " + cls);
    Write(HandleText(w) + "\t" + Escaped(cls) + "\t" + std::to_string(answer) + "\n");
    if (!answer) agreed = false;
  }
  for (HWND w : windows) {
    DWORD_PTR ignored;
    if (IsWindow(w))
      SendMessageTimeoutA(w, WM_ENDSESSION, agreed ? TRUE : FALSE, reason, SMTO_NORMAL, MessageTimeout,
                          &ignored);
  }
  return agreed ? ExitOk : ExitNotFound;
}

// Kernel handles of a process. Where GetProcessHandleCount answers nothing
// (Wine), the system's handle table is counted instead.
DWORD HandleCount(HANDLE proc, DWORD pid) {
  DWORD count = 0;
  if (GetProcessHandleCount(proc, &count) && count) return count;
  using query = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
  auto q = reinterpret_cast<query>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
  if (!q) return 0;
  struct entry {  // SYSTEM_HANDLE_ENTRY
    ULONG OwnerPid;
    BYTE ObjectType, HandleFlags;
    USHORT HandleValue;
    PVOID ObjectPointer;
    ULONG AccessMask;
  };
  std::vector<char> buffer(1 << 16);
  for (;;) {
    ULONG needed = 0;
    const LONG status = q(16 /* SystemHandleInformation */, buffer.data(),
                          static_cast<ULONG>(buffer.size()), &needed);
    if (status == static_cast<LONG>(0xC0000004) && buffer.size() < (64u << 20)) {
      buffer.resize(buffer.size() * 2);
      continue;
    }
    if (status != 0) return 0;
    break;
  }
  ULONG n;
  std::memcpy(&n, buffer.data(), sizeof(n));
  const entry* e = reinterpret_cast<const entry*>(buffer.data() + sizeof(ULONG_PTR));
  for (ULONG i = 0; i < n; ++i)
    if (e[i].OwnerPid == pid) ++count;
  return count;
}

// GDI and USER objects as the system counts them (0 and 0 where it does not,
// as under Wine), kernel handles, the process's windows with their children,
// and private bytes in KB.
int CmdResources(int argc, char** argv) {
  HWND wnd;
  if (argc < 3) return Fail(ExitUsage, "resources <window>");
  if (!ParseWindow(argv[2], wnd)) return Fail(ExitNotFound, "no such window");
  const DWORD pid = ProcessOf(wnd);
  HANDLE proc = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!proc) return Fail(ExitFailed, "cannot open the process");
  DWORD windows = 0;
  for (HWND w : TopLevelOf(pid)) windows += 1 + static_cast<DWORD>(Descendants(w).size());
  PROCESS_MEMORY_COUNTERS mem = {};
  mem.cb = sizeof(mem);
  GetProcessMemoryInfo(proc, &mem, sizeof(mem));
  std::printf("gdi %lu user %lu handles %lu windows %lu private %lu\n", GetGuiResources(proc, GR_GDIOBJECTS),
              GetGuiResources(proc, GR_USEROBJECTS), HandleCount(proc, pid), windows,
              static_cast<unsigned long>(mem.PagefileUsage / 1024));
  CloseHandle(proc);
  return ExitOk;
}

// A visible pop-up menu of the process.
HWND WaitMenu(DWORD pid, DWORD timeout) {
  const DWORD start = GetTickCount();
  for (;;) {
    for (HWND w = FindWindowA("#32768", nullptr); w; w = FindWindowExA(nullptr, w, "#32768", nullptr))
      if (IsWindowVisible(w) && ProcessOf(w) == pid) return w;
    if (GetTickCount() - start >= timeout) return nullptr;
    Sleep(2);
  }
}

bool WaitMenuClosed(HWND menu, DWORD timeout) {
  const DWORD start = GetTickCount();
  while (IsWindow(menu) && IsWindowVisible(menu)) {
    if (GetTickCount() - start >= timeout) return false;
    Sleep(2);
  }
  return true;
}

void PostKey(HWND wnd, UINT vk) {
  const UINT scan = MapVirtualKeyA(vk, 0);
  PostMessageA(wnd, WM_KEYDOWN, vk, 1 | (scan << 16));
  PostMessageA(wnd, WM_KEYUP, vk, 1 | (scan << 16) | 0xC0000000u);
}

void PostClick(HWND icon, bool right) {
  const LPARAM at = MAKELPARAM(8, 8);
  PostMessageA(icon, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, at);
  PostMessageA(icon, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, at);
}

struct tcopydatasend {
  HWND Target, Sender;
  BOOL Sent;
};

// A second start's request, from a thread of its own: it returns only once
// the menu it pops up has been closed.
DWORD WINAPI SendShowMenuRequest(void* p) {
  auto& s = *static_cast<tcopydatasend*>(p);
  COPYDATASTRUCT cds = {};
  cds.dwData = 1001;
  DWORD_PTR result = 0;
  s.Sent = SendMessageTimeoutA(s.Target, WM_COPYDATA, reinterpret_cast<WPARAM>(s.Sender),
                               reinterpret_cast<LPARAM>(&cds), SMTO_NORMAL, 30000, &result);
  return 0;
}

// Rounds of one way to the menu: a request as a second start sends it, or a
// left click on the tray icon of that tip. Each menu is closed with Escape
// before the next round. With "none" no menu may come (a closed gate).
int CmdMenuRounds(int argc, char** argv) {
  HWND wnd;
  unsigned long count;
  if (argc < 5 || !ParseNumber(argv[3], count))
    return Fail(ExitUsage, "menu-rounds <window> <count> request|<tip> [none]");
  if (!ParseWindow(argv[2], wnd)) return Fail(ExitNotFound, "no such window");
  const bool request = std::strcmp(argv[4], "request") == 0;
  const bool none = argc > 5 && std::strcmp(argv[5], "none") == 0;
  const DWORD pid = ProcessOf(wnd);
  trayicon icon = {};
  if (!request && !FindTrayIcon(argv[4], icon)) return Fail(ExitNotFound, "no such tray icon");
  HWND sender = CreateWindowExA(0, "STATIC", "zvdriver", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  for (unsigned long round = 1; round <= count; ++round) {
    const std::string at = "round " + std::to_string(round) + ": ";
    tcopydatasend send = {wnd, sender, FALSE};
    HANDLE thread = nullptr;
    if (request) {
      thread = CreateThread(nullptr, 0, SendShowMenuRequest, &send, 0, nullptr);
      if (!thread) return Fail(ExitFailed, at + "no thread");
    } else {
      PostClick(icon.Wnd, false);
    }
    HWND menu = WaitMenu(pid, none ? 300 : 10000);
    if (menu && none) return Fail(ExitFailed, at + "a menu behind a closed gate");
    if (!menu && !none) return Fail(ExitFailed, at + "no menu");
    if (menu) {
      PostKey(menu, VK_ESCAPE);
      if (!WaitMenuClosed(menu, 5000)) return Fail(ExitFailed, at + "the menu stayed open");
    }
    if (thread) {
      const bool done = WaitForSingleObject(thread, 10000) == WAIT_OBJECT_0;
      CloseHandle(thread);
      if (!done || !send.Sent) return Fail(ExitFailed, at + "the request was not answered");
    }
  }
  if (sender) DestroyWindow(sender);
  std::printf("%lu rounds\n", count);
  return ExitOk;
}

struct thotkey {
  UINT Modifiers, Key;
};

bool HotkeyFree(const thotkey& k) {
  if (!RegisterHotKey(nullptr, 0xBEEF, k.Modifiers, k.Key)) return false;
  UnregisterHotKey(nullptr, 0xBEEF);
  return true;
}

bool WaitTray(const char* tip, bool present, DWORD timeout, trayicon& icon) {
  const DWORD start = GetTickCount();
  while (FindTrayIcon(tip, icon) != present) {
    if (GetTickCount() - start >= timeout) return false;
    Sleep(10);
  }
  return true;
}

// Starts and ends of a tray program: each start must show the icon of that
// tip and hold the hotkeys given (modifiers:key); each one ends through the
// icon's context menu, its last item (Up from no selection, then Enter),
// with exit code 0, its icon gone and the hotkeys free again.
int CmdStartRounds(int argc, char** argv) {
  unsigned long count;
  if (argc < 5 || !ParseNumber(argv[3], count))
    return Fail(ExitUsage, "start-rounds <exe> <count> <tip> [mods:vk ...]");
  const char* tip = argv[4];
  std::vector<thotkey> hotkeys;
  for (int i = 5; i < argc; ++i) {
    char* end = nullptr;
    thotkey k;
    k.Modifiers = static_cast<UINT>(std::strtoul(argv[i], &end, 0));
    if (!end || *end != ':') return Fail(ExitUsage, std::string("bad hotkey ") + argv[i]);
    k.Key = static_cast<UINT>(std::strtoul(end + 1, nullptr, 0));
    hotkeys.push_back(k);
  }
  std::string commandLine = std::string("\"") + argv[2] + "\"";
  for (unsigned long round = 1; round <= count; ++round) {
    const std::string at = "start " + std::to_string(round) + ": ";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    std::vector<char> cl(commandLine.begin(), commandLine.end());
    cl.push_back(0);
    if (!CreateProcessA(nullptr, cl.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
      return Fail(ExitFailed, at + "the program did not start");
    CloseHandle(pi.hThread);
    struct tclose {
      HANDLE h;
      ~tclose() { CloseHandle(h); }
    } closing{pi.hProcess};
    trayicon icon;
    if (!WaitTray(tip, true, 20000, icon)) return Fail(ExitFailed, at + "no tray icon '" + tip + "'");
    for (const thotkey& k : hotkeys)
      if (HotkeyFree(k)) return Fail(ExitFailed, at + "a hotkey is not held");
    PostClick(icon.Wnd, true);
    HWND menu = WaitMenu(pi.dwProcessId, 10000);
    if (!menu) return Fail(ExitFailed, at + "no context menu");
    PostKey(menu, VK_UP);
    PostKey(menu, VK_RETURN);
    if (WaitForSingleObject(pi.hProcess, 20000) != WAIT_OBJECT_0)
      return Fail(ExitFailed, at + "the program did not end");
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    if (code != 0) return Fail(ExitFailed, at + "exit code " + std::to_string(code));
    if (!WaitTray(tip, false, 3000, icon)) return Fail(ExitFailed, at + "the tray icon stayed");
    for (const thotkey& k : hotkeys)
      if (!HotkeyFree(k)) return Fail(ExitFailed, at + "a hotkey stayed held");
  }
  std::printf("%lu starts\n", count);
  return ExitOk;
}

struct command {
  const char* Name;
  int (*Run)(int, char**);
};

const command Commands[] = {
    {"list", CmdList},
    {"exists", CmdExists},
    {"wait-window", CmdWaitWindow},
    {"wait-gone", CmdWaitGone},
    {"window-text", CmdWindowText},
    {"rect", CmdRect},
    {"children", CmdChildren},
    {"find-child", CmdFindChild},
    {"list-rows", CmdListRows},
    {"accessible", CmdAccessible},
    {"setting-change", CmdSettingChange},
    {"msgbox", CmdMsgbox},
    {"press", CmdPress},
    {"click", CmdClick},
    {"key", CmdKey},
    {"set-text", CmdSetText},
    {"file-dialog", CmdFileDialog},
    {"send-copydata", CmdSendCopydata},
    {"post", [](int argc, char** argv) { return PostOrSend(argc, argv, false); }},
    {"send", [](int argc, char** argv) { return PostOrSend(argc, argv, true); }},
    {"close", CmdClose},
    {"foreground", CmdForeground},
    {"screenshot", CmdScreenshot},
    {"tray", CmdTray},
    {"wait-tray", CmdWaitTray},
    {"tray-click", CmdTrayClick},
    {"end-session", CmdEndSession},
    {"resources", CmdResources},
    {"menu-rounds", CmdMenuRounds},
    {"start-rounds", CmdStartRounds},
};

// "\xHH" in a text argument stands for the byte HH: Wine converts the
// arguments from the Unix character set, so bytes above 127 cannot be passed
// as they are. File names are left alone (think of "C:\x86").
void DecodeEscapes(char* text) {
  char* out = text;
  for (const char* in = text; *in;) {
    if (in[0] == '\\' && in[1] == 'x' && std::isxdigit(static_cast<unsigned char>(in[2])) &&
        std::isxdigit(static_cast<unsigned char>(in[3]))) {
      const char hex[3] = {in[2], in[3], 0};
      *out++ = static_cast<char>(std::strtoul(hex, nullptr, 16));
      in += 4;
    } else {
      *out++ = *in++;
    }
  }
  *out = 0;
}

bool IsFileArgument(int argc, char** argv, int i) {
  if (std::strcmp(argv[1], "file-dialog") == 0) return i == 3;
  if (std::strcmp(argv[1], "screenshot") == 0) return i == argc - 1;
  if (std::strcmp(argv[1], "start-rounds") == 0) return i == 2;
  return false;
}

int RunCommand(int argc, char** argv) {
  for (int i = 2; i < argc; ++i)
    if (!IsFileArgument(argc, argv, i)) DecodeEscapes(argv[i]);
  if (argc < 2) {
    std::fputs(Usage, stderr);
    return ExitUsage;
  }
  for (const command& c : Commands) {
    if (std::strcmp(argv[1], c.Name) == 0) {
      int code = c.Run(argc, argv);
      std::fflush(stdout);
      return code;
    }
  }
  std::fputs(Usage, stderr);
  return ExitUsage;
}

// "serve": commands from stdin, one per line with tab-separated arguments;
// after each command's output, "\x01<exit code>\n". Starting a Windows
// program costs far more than most commands, so a script keeps one of these.
int Serve() {
  _setmode(_fileno(stdin), _O_BINARY);
  GetDesktopWindow();  // stays on the desktop until the script ends
  for (;;) {
    std::string line;
    int ch;
    while ((ch = std::fgetc(stdin)) != EOF && ch != '\n') line += static_cast<char>(ch);
    if (ch == EOF) return ExitOk;
    std::vector<std::string> words{"zvdriver"};
    for (std::size_t start = 0;;) {
      const std::size_t tab = line.find('\t', start);
      words.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    std::vector<char*> args;
    for (std::string& w : words) args.push_back(w.data());
    args.push_back(nullptr);
    const int code = RunCommand(static_cast<int>(words.size()), args.data());
    std::fflush(stderr);
    std::printf("\x01%d\n", code);
    std::fflush(stdout);
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Texts go out byte for byte: no "\r\n" for "\n".
  _setmode(_fileno(stdout), _O_BINARY);
  if (argc == 2 && std::strcmp(argv[1], "serve") == 0) return Serve();
  return RunCommand(argc, argv);
}
