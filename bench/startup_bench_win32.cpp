// Start-up time: from creating the process until it is ready, that is until
// a window of a given class and title exists (or a new tray icon is shown),
// for the program and for an empty windowed program, each started N times.
//
// What to measure comes from the environment (defaults in brackets):
//   ZV_STARTUP_EXE      program [zorvane.exe in the build folder]
//   ZV_STARTUP_ARGS     its arguments [none]
//   ZV_STARTUP_CLASS    window class to wait for [tzorvanemaindialog]
//   ZV_STARTUP_TITLE    window title to wait for, * for any [zorvanemaindialog]
//   ZV_STARTUP_TRAY     1: wait for a new tray icon as well [0]
//   ZV_STARTUP_RUNS     starts of each program [20]
//   ZV_STARTUP_TIMEOUT  milliseconds before a start counts as failed [10000]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench.h"

namespace {

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

// Memory of the last program that got ready, read right then.
struct memoryfigures {
  double WorkingSetMB = -1;
  double PrivateMB = -1;
};
memoryfigures LastMemory;

void ReadMemory(HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX m = {};
  m.cb = sizeof m;
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&m), sizeof m)) {
    LastMemory.WorkingSetMB = m.WorkingSetSize / 1048576.0;
    LastMemory.PrivateMB = m.PrivateUsage / 1048576.0;
  }
}

struct target {
  std::string Exe, Args, Class, Title;
  bool Tray = false;
};

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

// Milliseconds from CreateProcess to ready, or a negative value when the
// program did not get there in time. The program is ended afterwards: by
// WM_CLOSE, so that it takes its tray icon away, else by force.
double StartOnce(const target& t, DWORD timeout) {
  std::string command = "\"" + t.Exe + "\"";
  if (!t.Args.empty()) command += " " + t.Args;
  STARTUPINFOA si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  const int iconsBefore = t.Tray ? TrayIconCount() : 0;
  const double start = Now();
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi))
    return -1;
  double ready = -1;
  bool window = false;
  for (;;) {
    if (!window) window = HasWindow(pi.dwProcessId, t);
    if (window && (!t.Tray || TrayIconCount() > iconsBefore)) {
      // The icon is added grey at the start of start-up; the program is
      // active once its thread takes messages again, when start-up is done.
      HWND w = FindWindowA(t.Class.c_str(), t.Title == "*" ? nullptr : t.Title.c_str());
      DWORD_PTR answer = 0;
      if (w) SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_NORMAL, timeout, &answer);
      ready = Now() - start;
      ReadMemory(pi.hProcess);
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

struct figures {
  double Median = -1, Min = -1, Max = -1;
  int Failed = 0;
};

template <typename F>
figures Measure(int runs, F once) {
  std::vector<double> times;
  figures f;
  for (int i = 0; i < runs; ++i) {
    const double ms = once();
    if (ms < 0)
      ++f.Failed;
    else
      times.push_back(ms);
  }
  if (times.empty()) return f;
  std::sort(times.begin(), times.end());
  const size_t n = times.size();
  f.Median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
  f.Min = times.front();
  f.Max = times.back();
  return f;
}

void Report(const std::string& what, const figures& f) {
  if (f.Median < 0) {
    std::printf("  %-52s      never ready\n", what.c_str());
    return;
  }
  zvbench::Row(what + ", median", f.Median);
  std::printf("  %-52s %10.1f .. %.1f ms%s\n", (what + ", range").c_str(), f.Min, f.Max,
              f.Failed ? (" (" + std::to_string(f.Failed) + " not ready)").c_str() : "");
}

bool Exists(const std::string& file) {
  return GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

ZV_BENCHMARK(Win32Startup, "start-up: process start until ready, program vs. empty program") {
  const std::string folder = OwnFolder();
  target program;
  program.Exe = Env("ZV_STARTUP_EXE", folder + "..\\zorvane.exe");
  program.Args = Env("ZV_STARTUP_ARGS", "");
  program.Class = Env("ZV_STARTUP_CLASS", "tzorvanemaindialog");
  program.Title = Env("ZV_STARTUP_TITLE", "zorvanemaindialog");
  program.Tray = Env("ZV_STARTUP_TRAY", "0") == "1";
  const int runs = std::max(1, std::atoi(Env("ZV_STARTUP_RUNS", "20").c_str()));
  const DWORD timeout = static_cast<DWORD>(std::atoi(Env("ZV_STARTUP_TIMEOUT", "10000").c_str()));
  target empty;
  empty.Exe = folder + "emptyapp.exe";
  empty.Args = program.Tray ? "/tray" : "";
  empty.Class = empty.Title = "zvemptyapp";
  empty.Tray = program.Tray;
  const std::string ready = program.Tray ? "window and tray icon" : "window";

  std::printf("  %d starts each; ready = a window of class %s titled %s%s\n", runs,
              program.Class.c_str(), program.Title.c_str(), program.Tray ? " and a tray icon" : "");
  if (!Exists(empty.Exe)) {
    std::printf("  %s not found\n", empty.Exe.c_str());
    return;
  }
  // Warm up the loader and the file cache once, as a user's second start.
  StartOnce(empty, timeout);
  const figures bare = Measure(runs, [&] { return RunToExit(empty.Exe, "/exit"); });
  Report("empty program, to exit (no window)", bare);
  const figures base = Measure(runs, [&] { return StartOnce(empty, timeout); });
  Report("empty program, to " + ready, base);

  if (!Exists(program.Exe)) {
    std::printf("  %s not found (set ZV_STARTUP_EXE)\n", program.Exe.c_str());
    return;
  }
  if (program.Class != "*" && FindWindowA(program.Class.c_str(), nullptr)) {
    // A running instance would take the second start's road instead.
    std::printf("  a window of class %s exists already; not measured\n", program.Class.c_str());
    return;
  }
  StartOnce(program, timeout);
  const figures ours = Measure(runs, [&] { return StartOnce(program, timeout); });
  const std::string name = program.Exe.substr(program.Exe.find_last_of("\\/") + 1);
  Report(name + ", to " + ready, ours);
  if (ours.Median >= 0 && base.Median > 0)
    zvbench::Ratio(name + " vs. empty program, medians", ours.Median, base.Median);
  std::printf("  %-52s %10.1f MB\n", (name + ", working set when ready").c_str(), LastMemory.WorkingSetMB);
  std::printf("  %-52s %10.1f MB\n", (name + ", private bytes when ready").c_str(), LastMemory.PrivateMB);
  WIN32_FILE_ATTRIBUTE_DATA file = {};
  if (GetFileAttributesExA(program.Exe.c_str(), GetFileExInfoStandard, &file))
    std::printf("  %-52s %10.1f KB\n", (name + ", file size").c_str(), file.nFileSizeLow / 1024.0);
}
