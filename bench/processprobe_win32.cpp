#include "processprobe_win32.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "bench.h"
#include "tools/traytips.h"

namespace zvbench {

std::string Env(const char* name, const std::string& fallback) {
  const char* v = std::getenv(name);
  return v && *v ? v : fallback;
}

std::string OwnFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof(path));
  std::string p = path;
  return p.substr(0, p.find_last_of("\\/") + 1);
}

double Now() {
  static LARGE_INTEGER freq = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart * 1000.0 / freq.QuadPart;
}

double Counter() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart);
}

bool Exists(const std::string& file) {
  return GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadWholeFile(const std::string& name) {
  HANDLE f = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return std::string();
  std::string all;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got > 0) all.append(buffer, got);
  CloseHandle(f);
  return all;
}

bool QuietProbe() {
  static const bool quiet = Env("ZV_STARTUP_PROBE", "quiet") != "busy";
  return quiet;
}

namespace {

struct windowsearch {
  DWORD Pid;
  const target* T;
  bool Found;
};

BOOL CALLBACK FindOwnWindow(HWND wnd, LPARAM lp) {
  windowsearch& s = *reinterpret_cast<windowsearch*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  if (pid != s.Pid) return TRUE;
  char cls[256] = {}, title[256] = {};
  GetClassNameA(wnd, cls, sizeof(cls));
  GetWindowTextA(wnd, title, sizeof(title));
  if (s.T->Class != "*" && lstrcmpiA(cls, s.T->Class.c_str()) != 0) return TRUE;
  if (s.T->Title != "*" && s.T->Title != title) return TRUE;
  s.Found = true;
  return FALSE;
}

// The started process's own window: an instance left over from before must
// not count.
bool HasWindow(DWORD pid, const target& t) {
  windowsearch s = {pid, &t, false};
  EnumWindows(FindOwnWindow, reinterpret_cast<LPARAM>(&s));
  return s.Found;
}

BOOL CALLBACK CountTrayIcons(HWND wnd, LPARAM lp) {
  char cls[64] = {};
  GetClassNameA(wnd, cls, sizeof(cls));
  if (lstrcmpA(cls, "__winex11_tray_icon") == 0 && IsWindowVisible(wnd))
    ++*reinterpret_cast<int*>(lp);
  return TRUE;
}

BOOL CALLBACK TakeFirstTrayIcon(HWND wnd, LPARAM lp) {
  char cls[64] = {};
  GetClassNameA(wnd, cls, sizeof(cls));
  if (lstrcmpA(cls, "__winex11_tray_icon") != 0 || !IsWindowVisible(wnd)) return TRUE;
  *reinterpret_cast<HWND*>(lp) = wnd;
  return FALSE;
}

bool HasTrayTipEnding(const std::string& end) {
  HWND icon = FirstTrayIcon();
  if (!icon) return false;
  for (const zvtray::ttool& t : zvtray::TooltipTools(icon, 2000)) {
    const std::string& tip = t.Text;
    if (tip.size() >= end.size() && tip.compare(tip.size() - end.size(), end.size(), end) == 0) return true;
  }
  return false;
}

// Wine shows the notification area as a window of its own when the display
// has no taskbar, with one child window per icon.
int TrayIconCount() {
  int n = 0;
  HWND tray = nullptr;
  while ((tray = FindWindowExA(nullptr, tray, "__winex11_standalone_tray", nullptr)))
    EnumChildWindows(tray, CountTrayIcons, reinterpret_cast<LPARAM>(&n));
  return n;
}

BOOL CALLBACK CloseOwnWindows(HWND wnd, LPARAM lp) {
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  if (pid == static_cast<DWORD>(lp)) PostMessageA(wnd, WM_CLOSE, 0, 0);
  return TRUE;
}

}  // namespace

HWND FirstTrayIcon() {
  HWND icon = nullptr, tray = nullptr;
  while (!icon && (tray = FindWindowExA(nullptr, tray, "__winex11_standalone_tray", nullptr)))
    EnumChildWindows(tray, TakeFirstTrayIcon, reinterpret_cast<LPARAM>(&icon));
  return icon;
}

// The program writes its notes when ZV_STARTUP_TRACE names a file: a line a
// step, the performance counter then and the step's name.
std::vector<tstep> ReadSteps(const std::string& file, double startCounter) {
  std::vector<tstep> steps;
  LARGE_INTEGER freq;
  QueryPerformanceFrequency(&freq);
  const std::string notes = ReadWholeFile(file);
  std::size_t at = 0;
  while (at < notes.size()) {
    std::size_t end = notes.find('\n', at);
    if (end == std::string::npos) end = notes.size();
    const std::string line = notes.substr(at, end - at);
    at = end + 1;
    const std::size_t space = line.find(' ');
    if (space == std::string::npos) continue;
    const double counter = std::strtod(line.substr(0, space).c_str(), nullptr);
    steps.push_back({line.substr(space + 1), (counter - startCounter) * 1000.0 / freq.QuadPart});
  }
  return steps;
}

// The program is ended by WM_CLOSE, so that it takes its tray icon away,
// else by force.
double StartOnce(const target& t, DWORD timeout, const treadyhook& whenReady, treadystate* seen) {
  std::string command = "\"" + t.Exe + "\"";
  if (!t.Args.empty()) command += " " + t.Args;
  STARTUPINFOA si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  const int iconsBefore = t.Tray ? TrayIconCount() : 0;
  if (!t.Trace.empty()) DeleteFileA(t.Trace.c_str());
  const double startCounter = Counter();
  const double start = Now();
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi))
    return -1;
  double ready = -1;
  bool window = false;
  HWND w = nullptr;
  for (;;) {
    if (!window) window = HasWindow(pi.dwProcessId, t);
    if (window && !w) w = FindWindowA(t.Class.c_str(), t.Title == "*" ? nullptr : t.Title.c_str());
    // Quiet probe: a message sent to the program's window is answered only
    // when its thread takes messages, so waiting on it costs the program
    // nothing; asking the notification area's tips at every millisecond
    // instead keeps the Wine server, which the program's registry reads go
    // through, and a core busy.
    if (w && QuietProbe()) {
      DWORD_PTR answer = 0;
      SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_NORMAL, timeout, &answer);
    }
    if (window && (!t.Tray || (TrayIconCount() > iconsBefore && (t.Tip.empty() || HasTrayTipEnding(t.Tip))))) {
      // The icon is added grey at the start of start-up and its tip names
      // the state; the program's thread takes messages again once start-up
      // is done. (It answers sent messages while it waits on the
      // notification area, so the round trip alone proves nothing.)
      DWORD_PTR answer = 0;
      if (w) SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_NORMAL, timeout, &answer);
      ready = Now() - start;
      treadystate now;
      if (!t.Trace.empty()) now.Steps = ReadSteps(t.Trace, startCounter);
      now.Memory = ReadMemory(pi.hProcess, t.Exe);
      if (seen) *seen = std::move(now);
      if (whenReady) whenReady();
      break;
    }
    if (Now() - start > timeout || WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) break;
    Sleep(1);
  }
  EnumWindows(CloseOwnWindows, static_cast<LPARAM>(pi.dwProcessId));
  if (WaitForSingleObject(pi.hProcess, 3000) != WAIT_OBJECT_0) {
    TerminateProcess(pi.hProcess, 1);
    WaitForSingleObject(pi.hProcess, 3000);
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  // The notification area takes the icon away after the program has gone;
  // the next start must not find it still there.
  for (int i = 0; t.Tray && i < 200 && TrayIconCount() > iconsBefore; ++i) Sleep(10);
  return ready;
}

// Process creation alone: until a program that ends at once has ended.
double RunToExit(const std::string& exe, const std::string& args) {
  std::string command = "\"" + exe + "\" " + args;
  STARTUPINFOA si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  const double start = Now();
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi))
    return -1;
  WaitForSingleObject(pi.hProcess, 10000);
  const double took = Now() - start;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return took;
}

void Report(const std::string& what, const figures& f) {
  if (f.Median < 0) {
    std::printf("  %-52s      never ready\n", what.c_str());
    return;
  }
  Row(what + ", median", f.Median);
  std::printf("  %-52s %10.1f .. %.1f ms%s\n", (what + ", range").c_str(), f.Min, f.Max,
              f.Failed ? (" (" + std::to_string(f.Failed) + " not ready)").c_str() : "");
}

}  // namespace zvbench
