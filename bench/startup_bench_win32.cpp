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
//   ZV_STARTUP_TIP      with a tray icon: the end of its tip once ready [none]
//   ZV_STARTUP_RUNS     starts of each program [20]
//   ZV_STARTUP_TIMEOUT  milliseconds before a start counts as failed [10000]
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "bench.h"
#include "bench_win32.h"
#include "app/sendto.h"
#include "model/saferegistry.h"
#include "platform/win32filesystem.h"
#include "settings/settings.h"
#include "toolkit/dpi.h"
#include "../tests/driver/traytips.h"

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
  // Under Wine: the Unix process that runs the program, from /proc (-1
  // elsewhere, or when no such process was found).
  double RssAnonMB = -1;
  double VmRssMB = -1;
};
memoryfigures LastMemory;

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

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

double StatusKB(const std::string& status, const char* field) {
  const std::size_t at = status.find(field);
  return at == std::string::npos ? -1 : std::atof(status.c_str() + at + std::strlen(field));
}

// The start time of a Unix process, in clock ticks since boot (the 22nd
// field of /proc/<pid>/stat, counted from the end of its name).
unsigned long long StartTicks(const std::string& stat) {
  std::size_t at = stat.rfind(')');
  if (at == std::string::npos) return 0;
  for (int field = 2; field < 22 && at != std::string::npos; ++field) at = stat.find(' ', at + 1);
  return at == std::string::npos ? 0 : std::strtoull(stat.c_str() + at + 1, nullptr, 10);
}

// Wine runs each Windows process as a Unix process whose command line is the
// program's. The newest one in this prefix (WINEPREFIX in its environment)
// running the program is the one just started (one started before may not
// have left yet); its /proc status has the figures Wine's own
// GetProcessMemoryInfo leaves out. /proc is reached through drive Z:.
void ReadUnixMemory(const std::string& exe) {
  const std::string name = Lower(exe.substr(exe.find_last_of("\\/") + 1));
  char prefix[MAX_PATH] = {};
  GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof prefix);
  const std::string wantPrefix = std::string("WINEPREFIX=") + prefix;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
  if (search == INVALID_HANDLE_VALUE) return;
  unsigned long long newest = 0;
  std::string status;
  do {
    const std::string pid = found.cFileName;
    if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos) continue;
    const std::string dir = "Z:\\proc\\" + pid + "\\";
    const std::string cmdline = ReadWholeFile(dir + "cmdline");
    const std::string first = Lower(cmdline.substr(0, cmdline.find('\0')));
    if (first.size() < name.size() || first.compare(first.size() - name.size(), name.size(), name) != 0)
      continue;
    const std::string environment = ReadWholeFile(dir + "environ");
    bool samePrefix = !*prefix;
    for (std::size_t at = 0; at < environment.size(); at = environment.find('\0', at) + 1) {
      const std::string entry = environment.substr(at, environment.find('\0', at) - at);
      if (entry.rfind("WINEPREFIX=", 0) == 0) samePrefix = entry == wantPrefix;
      if (environment.find('\0', at) == std::string::npos) break;
    }
    const unsigned long long started = StartTicks(ReadWholeFile(dir + "stat"));
    if (!samePrefix || started < newest) continue;
    newest = started;
    status = ReadWholeFile(dir + "status");
  } while (FindNextFileA(search, &found));
  FindClose(search);
  if (status.empty()) return;
  LastMemory.RssAnonMB = StatusKB(status, "RssAnon:") / 1024.0;
  LastMemory.VmRssMB = StatusKB(status, "VmRSS:") / 1024.0;
}

void ReadMemory(HANDLE process, const std::string& exe) {
  LastMemory = memoryfigures();
  PROCESS_MEMORY_COUNTERS_EX m = {};
  m.cb = sizeof m;
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&m), sizeof m)) {
    LastMemory.WorkingSetMB = m.WorkingSetSize / 1048576.0;
    LastMemory.PrivateMB = m.PrivateUsage / 1048576.0;
  }
  ReadUnixMemory(exe);
}

struct target {
  std::string Exe, Args, Class, Title;
  bool Tray = false;
  std::string Tip;  // with Tray: how the icon's tip ends once ready
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

BOOL CALLBACK FirstTrayIcon(HWND wnd, LPARAM lp) {
  char cls[64] = {};
  GetClassNameA(wnd, cls, sizeof(cls));
  if (lstrcmpA(cls, "__winex11_tray_icon") != 0 || !IsWindowVisible(wnd)) return TRUE;
  *reinterpret_cast<HWND*>(lp) = wnd;
  return FALSE;
}

bool HasTrayTipEnding(const std::string& end) {
  HWND icon = nullptr, tray = nullptr;
  while (!icon && (tray = FindWindowExA(nullptr, tray, "__winex11_standalone_tray", nullptr)))
    EnumChildWindows(tray, FirstTrayIcon, reinterpret_cast<LPARAM>(&icon));
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

int ScreenDpi();

// The program's own notes of its start-up steps (the program writes them
// when ZV_STARTUP_TRACE names a file): each step's name and its time after
// CreateProcess, of the last start that got ready.
struct tstep {
  std::string Name;
  double Ms;
};
std::string TraceFile;
std::vector<tstep> LastSteps;
// ZV_STARTUP_PROBE=busy: the earlier probe, which asks the tips at every
// millisecond (to compare figures with it).
const bool QuietProbe = Env("ZV_STARTUP_PROBE", "quiet") != "busy";

void ReadSteps(double startCounter) {
  LastSteps.clear();
  LARGE_INTEGER freq;
  QueryPerformanceFrequency(&freq);
  const std::string notes = ReadWholeFile(TraceFile);
  std::size_t at = 0;
  while (at < notes.size()) {
    std::size_t end = notes.find('\n', at);
    if (end == std::string::npos) end = notes.size();
    const std::string line = notes.substr(at, end - at);
    at = end + 1;
    const std::size_t space = line.find(' ');
    if (space == std::string::npos) continue;
    const double counter = std::strtod(line.substr(0, space).c_str(), nullptr);
    LastSteps.push_back({line.substr(space + 1), (counter - startCounter) * 1000.0 / freq.QuadPart});
  }
}

double Counter() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart);
}

// Milliseconds from CreateProcess to ready, or a negative value when the
// program did not get there in time. The program is ended afterwards: by
// WM_CLOSE, so that it takes its tray icon away, else by force.
// Runs once the program is ready and measured, before it is ended.
using treadyhook = std::function<void()>;

double StartOnce(const target& t, DWORD timeout, const treadyhook& whenReady = {}) {
  std::string command = "\"" + t.Exe + "\"";
  if (!t.Args.empty()) command += " " + t.Args;
  STARTUPINFOA si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  const int iconsBefore = t.Tray ? TrayIconCount() : 0;
  if (!TraceFile.empty()) DeleteFileA(TraceFile.c_str());
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
    if (w && QuietProbe) {
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
      if (!TraceFile.empty()) ReadSteps(startCounter);
      ReadMemory(pi.hProcess, t.Exe);
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
  program.Tip = Env("ZV_STARTUP_TIP", "");
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

namespace {

struct startups {
  target Program, Empty;
  DWORD Timeout = 10000;
  bool Ok = true;
  std::string Error;
};

// The program as a user starts it, ready once its tray icon is active;
// the empty program with a tray icon beside it.
startups TableTargets() {
  startups s;
  const std::string folder = OwnFolder();
  s.Program.Exe = Env("ZV_STARTUP_EXE", folder + "..\\zorvane.exe");
  s.Program.Class = "tzorvanemaindialog";
  s.Program.Title = "zorvanemaindialog";
  s.Program.Tray = true;
  s.Program.Tip = " (Active)";
  s.Empty.Exe = folder + "emptyapp.exe";
  s.Empty.Args = "/tray";
  s.Empty.Class = s.Empty.Title = "zvemptyapp";
  s.Empty.Tray = true;
  if (!Exists(s.Program.Exe) || !Exists(s.Empty.Exe)) {
    s.Ok = false;
    s.Error = "zorvane.exe or emptyapp.exe not found";
  } else if (FindWindowA(s.Program.Class.c_str(), nullptr)) {
    s.Ok = false;
    s.Error = "Zorvane runs already";
  }
  return s;
}

// A stored list of count entries; the program then starts without the
// question a missing list asks.
void StoreList(int count) {
  zv::tzvshortcutlist list;
  zvbench::FillEverydayList(list, count);
  list.SaveToRegistry(zv::ProcessRegistry(), zv::ShortcutListKey);
}

std::string MedianOf(int runs) { return runs > 1 ? "median of " + std::to_string(runs) : "one start"; }

memoryfigures EmptyMemory;
double EmptyListStartup = -1;

}  // namespace

ZV_TABLE(StartupTable, 10, "start-up to active tray icon vs. an empty program") {
  const int runs = zvbench::Count(10, 1);
  startups s = TableTargets();
  if (!s.Ok) {
    zvbench::AddFailure("start-up to active tray icon", s.Error);
    return;
  }
  zvbench::tkeptlist kept;
  StoreList(0);
  // Warm up the loader and the file cache once, as a user's second start.
  // Not in a quick run: under Wine a windowed program takes seconds to end.
  if (!zvbench::Quick()) StartOnce(s.Empty, s.Timeout);
  const figures empty = Measure(runs, [&] { return StartOnce(s.Empty, s.Timeout); });
  EmptyMemory = LastMemory;
  if (!zvbench::Quick()) StartOnce(s.Program, s.Timeout);
  const figures ours = Measure(runs, [&] { return StartOnce(s.Program, s.Timeout); });
  if (ours.Median < 0 || empty.Median < 0 || ours.Failed || empty.Failed) {
    zvbench::AddFailure("start-up to active tray icon", "a start did not get ready in time");
    return;
  }
  zvbench::AddRow("start-up to active tray icon, empty list", zvbench::Ms(ours.Median),
                  MedianOf(runs) + "; empty program to tray icon " + zvbench::Ms(empty.Median) + ": " +
                      zvbench::Times(ours.Median / empty.Median));
  EmptyListStartup = ours.Median;
  zvbench::Note("Display: " + std::to_string(ScreenDpi()) + " DPI (ZV_BENCH_DPI for scripts/bench).");
  zvbench::Note(std::string("Start-up probe: ") +
                (QuietProbe ? "a message to the window, answered once its thread takes messages, then the tray tip\n"
                              "(ZV_STARTUP_PROBE=busy: the tips asked at every millisecond, as before)."
                            : "the tray tips asked at every millisecond (ZV_STARTUP_PROBE=busy)."));
}

ZV_TABLE(MemoryTable, 60, "memory after a start with 500 shortcuts") {
  const int runs = zvbench::Count(5, 1);
  const int count = zvbench::Count(500, 20);
  startups s = TableTargets();
  if (!s.Ok) {
    zvbench::AddFailure("memory after start", s.Error);
    return;
  }
  zvbench::tkeptlist kept;
  StoreList(count);
  if (EmptyMemory.WorkingSetMB < 0) {
    StartOnce(s.Empty, s.Timeout);
    EmptyMemory = LastMemory;
  }
  if (!zvbench::Quick()) StartOnce(s.Program, s.Timeout);
  const figures ours = Measure(runs, [&] { return StartOnce(s.Program, s.Timeout); });
  const std::string what = std::to_string(count) + " shortcuts";
  if (ours.Median < 0 || ours.Failed || LastMemory.WorkingSetMB < 0) {
    zvbench::AddFailure("start-up and memory, " + what, "a start did not get ready in time");
    return;
  }
  const memoryfigures m = LastMemory, e = EmptyMemory;
  zvbench::AddRow("start-up to active tray icon, " + what, zvbench::Ms(ours.Median), MedianOf(runs));
  zvbench::AddRow("working set after start, " + what, zvbench::MB(m.WorkingSetMB),
                  "target < 8 MB; empty program " + zvbench::MB(e.WorkingSetMB),
                  zvbench::AtMost(m.WorkingSetMB, 8.0));
  if (m.PrivateMB > 0)
    zvbench::AddRow("private bytes after start, " + what, zvbench::MB(m.PrivateMB),
                    "empty program " + zvbench::MB(e.PrivateMB));
  else
    zvbench::AddRow("private bytes after start, " + what, "0 (n/a)", "not counted by GetProcessMemoryInfo here");
  if (m.RssAnonMB >= 0) {
    zvbench::AddRow("private memory (RssAnon) after start, " + what, zvbench::MB(m.RssAnonMB),
                    "empty program " + zvbench::MB(e.RssAnonMB) + "; " +
                        zvbench::MB(m.RssAnonMB - e.RssAnonMB) + " more");
    zvbench::Note("Working set under Wine: VmRSS of the Unix process running zorvane.exe (" +
                  zvbench::MB(m.VmRssMB) + " by /proc), Wine's shared libraries included.\n"
                  "Private memory: RssAnon in /proc/<pid>/status of that process, its resident\n"
                  "anonymous pages (heaps, stacks, written copies of the program's and Wine's\n"
                  "images): memory no other process shares, Wine's own share included.");
  } else if (m.PrivateMB <= 0) {
    zvbench::AddFailure("private memory after start, " + what, "no figure: /proc not reachable through Z:");
  }
}

ZV_TABLE(SizeTable, 70, "the shipped program's size") {
  startups s = TableTargets();
  WIN32_FILE_ATTRIBUTE_DATA file = {};
  if (!GetFileAttributesExA(s.Program.Exe.c_str(), GetFileExInfoStandard, &file)) {
    zvbench::AddFailure("zorvane.exe size", "not found");
    return;
  }
  const double kb = file.nFileSizeLow / 1024.0;
  zvbench::AddRow("zorvane.exe size", zvbench::Format("%.0f KB", kb), "target at most 1,000 KB",
                  zvbench::AtMost(kb, 1000.0));
}

// --- long lists: start-up with 500 and 10,000 shortcuts, Send To on and
// off, and the first shortcut menu after a start.

namespace {

// The settings value, set for a while and put back as it was.
class tkeptsetting {
 public:
  tkeptsetting(const char* name, bool value) : name_(name) {
    zv::TSafeRegistry r(zv::ProcessRegistry());
    if (r.OpenKey(zv::SettingsKey, true)) {
      had_ = r.ValueExists(name_);
      if (had_) old_ = r.ReadBoolDef(name_, true);
      r.WriteBool(name_, value);
    }
  }
  ~tkeptsetting() {
    zv::TSafeRegistry r(zv::ProcessRegistry());
    if (!r.OpenKey(zv::SettingsKey, false)) return;
    if (had_)
      r.WriteBool(name_, old_);
    else
      r.DeleteValue(name_);
  }
  tkeptsetting(const tkeptsetting&) = delete;
  tkeptsetting& operator=(const tkeptsetting&) = delete;

 private:
  std::string name_;
  bool had_ = false, old_ = false;
};

HWND VisibleMenuWindow() {
  HWND w = nullptr;
  while ((w = FindWindowExA(nullptr, w, "#32768", nullptr)))
    if (IsWindowVisible(w)) return w;
  return nullptr;
}

// The menu's picture as the screen shows it, 0x00RRGGBB per pixel.
struct tpicture {
  int Width = 0, Height = 0;
  std::vector<std::uint32_t> Pixels;
  std::uint32_t At(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
};

tpicture Capture(HWND wnd) {
  tpicture p;
  RECT r;
  if (!GetWindowRect(wnd, &r)) return p;
  p.Width = r.right - r.left;
  p.Height = r.bottom - r.top;
  if (p.Width <= 0 || p.Height <= 0) return p;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = p.Width;
  bi.bmiHeader.biHeight = -p.Height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, dib);
  BitBlt(mem, 0, 0, p.Width, p.Height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const auto* px = static_cast<const std::uint32_t*>(bits);
  p.Pixels.assign(px, px + static_cast<std::size_t>(p.Width) * p.Height);
  SelectObject(mem, old);
  DeleteObject(dib);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return p;
}

// The rows of the everyday list's menu in sight (nine shortcuts, then a
// separator: a black line 2 pixels below its top from 14 pixels in), and
// how many of them show no icon yet: their icon box (16 x 16), 4 pixels in
// and 2 down, holds nothing but the strip as the separator's top shows it.
// Pixels at 96 DPI, grown with the screen's DPI.
struct ticoncount {
  int Rows = 0, WithoutIcon = 0;
};

int ScreenDpi() {
  // The screen's own pixels, as the program (aware of the DPI) draws them.
  zv::EnableDpiAwareness();
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

ticoncount CountMenuIcons(const tpicture& p) {
  static const int dpi = ScreenDpi();
  auto px = [](int figure) { return (figure * dpi * 2 + 96) / 192; };
  const int box = GetSystemMetrics(SM_CXSMICON) > 0 ? GetSystemMetrics(SM_CXSMICON) : px(16);
  ticoncount c;
  std::vector<int> lines;
  int left = -1;
  for (int y = 0; y < p.Height; ++y) {
    for (int x = px(10); x < px(40) && x + px(40) < p.Width; ++x) {
      bool line = (p.At(x - 1, y) & 0xFFFFFF) != 0;  // where a line begins
      for (int k = 0; line && k < px(40); ++k) line = (p.At(x + k, y) & 0xFFFFFF) == 0;
      if (line && !lines.empty() && lines.back() >= y - px(2)) break;  // a thicker line's next row
      if (line) {
        lines.push_back(y);
        left = x - px(14);
        break;
      }
    }
  }
  if (lines.size() < 2 || left < 0) return c;
  const int separator = px(5);
  const int itemHeight = (lines[1] - lines[0] - separator) / 9;
  if (itemHeight < box) return c;
  for (std::size_t s = 0; s < lines.size(); ++s) {
    const int separatorTop = lines[s] - px(2);
    for (int j = 1; j <= 9; ++j) {
      const int top = separatorTop - j * itemHeight;
      if (top < 0 || (s > 0 && top < lines[s - 1] + px(3))) break;
      ++c.Rows;
      bool icon = false;
      for (int y = top + px(2); y < top + px(2) + box && !icon; ++y)
        for (int x = left + px(4); x < left + px(4) + box && !icon; ++x)
          icon = (p.At(x, y) & 0xFFFFFF) != (p.At(x, separatorTop) & 0xFFFFFF);
      if (!icon) ++c.WithoutIcon;
    }
  }
  return c;
}

BOOL CALLBACK FindTrayIconOf(HWND wnd, LPARAM lp) {
  char cls[64] = {};
  GetClassNameA(wnd, cls, sizeof(cls));
  if (lstrcmpA(cls, "__winex11_tray_icon") != 0 || !IsWindowVisible(wnd)) return TRUE;
  *reinterpret_cast<HWND*>(lp) = wnd;
  return FALSE;
}

void Click(int x, int y) {
  SetCursorPos(x, y);
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, in, sizeof(INPUT));
}

void PressEscape() {
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = VK_ESCAPE;
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, in, sizeof(INPUT));
}

struct tfirstmenu {
  double Shown = -1, Complete = -1;
  ticoncount Icons;
};

// A left click on the program's tray icon; then the time until the menu is
// on screen, and until every row in sight shows its icon.
tfirstmenu FirstMenu(DWORD timeout) {
  tfirstmenu f;
  HWND icon = nullptr, tray = nullptr;
  while (!icon && (tray = FindWindowExA(nullptr, tray, "__winex11_standalone_tray", nullptr)))
    EnumChildWindows(tray, FindTrayIconOf, reinterpret_cast<LPARAM>(&icon));
  RECT r;
  if (!icon || !GetWindowRect(icon, &r)) return f;
  const double start = Now();
  Click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  while (Now() - start < timeout) {
    HWND menu = VisibleMenuWindow();
    if (menu) {
      if (f.Shown < 0) f.Shown = Now() - start;
      f.Icons = CountMenuIcons(Capture(menu));
      if (f.Icons.Rows >= 9 && f.Icons.WithoutIcon == 0) {
        f.Complete = Now() - start;
        break;
      }
    }
    Sleep(2);
  }
  for (int i = 0; i < 100 && VisibleMenuWindow(); ++i) {
    PressEscape();
    Sleep(20);
  }
  return f;
}

}  // namespace

ZV_TABLE(LongListStartupTable, 15, "start-up and first menu with long lists") {
  const int runs = zvbench::Count(5, 1);
  const int count = zvbench::Count(500, 20);
  startups s = TableTargets();
  if (!s.Ok) {
    zvbench::AddFailure("start-up with long lists", s.Error);
    return;
  }
  zvbench::tkeptlist kept;
  StoreList(count);
  const std::string n = std::to_string(count) + " shortcuts";
  figures on, off;
  {
    tkeptsetting sendTo("UseSendToMenu", true);
    StartOnce(s.Program, s.Timeout);  // writes the links; later starts find them
    on = Measure(runs, [&] { return StartOnce(s.Program, s.Timeout); });
  }
  {
    tkeptsetting sendTo("UseSendToMenu", false);
    off = Measure(runs, [&] { return StartOnce(s.Program, s.Timeout); });
  }
  if (on.Median < 0 || off.Median < 0 || on.Failed || off.Failed) {
    zvbench::AddFailure("start-up, " + n, "a start did not get ready in time");
    return;
  }
  const double ratio = EmptyListStartup > 0 ? on.Median / EmptyListStartup : -1;
  zvbench::AddRow("start-up to active tray icon, " + n + ", Send To on", zvbench::Ms(on.Median),
                  MedianOf(runs) + "; target <= 1.5x the empty list: " + zvbench::Times(ratio),
                  ratio > 0 ? zvbench::AtMost(ratio, 1.5) : zvbench::verdict::None);
  zvbench::AddRow("start-up, " + n + ", Send To off", zvbench::Ms(off.Median),
                  "Send To on, nothing changed: " + zvbench::Times(on.Median / off.Median) +
                      " (no link written)");

  // The first menu: clicked as soon as the tray icon is active.
  std::vector<double> shown, complete;
  ticoncount icons;
  // ZV_BENCH_STEPS=1: the program's own notes of each first menu, printed.
  const bool steps = Env("ZV_BENCH_STEPS", "0") == "1";
  if (steps) {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    TraceFile = std::string(temp) + "zvmenu.trace";
    SetEnvironmentVariableA("ZV_STARTUP_TRACE", TraceFile.c_str());
  }
  for (int r = 0; r < runs; ++r) {
    tfirstmenu f;
    double clicked = 0;
    StartOnce(s.Program, s.Timeout, [&] {
      clicked = Counter();
      f = FirstMenu(s.Timeout);
      Sleep(300);  // the notes are written when the menu has closed
      if (steps) ReadSteps(clicked);
    });
    if (steps) {
      std::printf("  first menu %d: shown %.1f ms, complete %.1f ms after the click; the program's notes:\n", r,
                  f.Shown, f.Complete);
      std::string previous;
      int same = 0;
      for (std::size_t i = 0; i < LastSteps.size(); ++i) {
        const tstep& x = LastSteps[i];
        if (x.Ms < -50) continue;
        if (x.Name == previous && i + 1 < LastSteps.size() && LastSteps[i + 1].Name == x.Name) {
          ++same;
          continue;
        }
        std::printf("    %8.1f ms  %s%s\n", x.Ms, x.Name.c_str(),
                    same ? (" (after " + std::to_string(same) + " more)").c_str() : "");
        same = 0;
        previous = x.Name;
      }
    }
    if (f.Shown >= 0) shown.push_back(f.Shown);
    if (f.Complete >= 0) complete.push_back(f.Complete);
    icons = f.Icons;
  }
  if (steps) {
    SetEnvironmentVariableA("ZV_STARTUP_TRACE", nullptr);
    TraceFile.clear();
  }
  if (complete.size() != static_cast<std::size_t>(runs)) {
    zvbench::AddFailure("first menu after start, " + n,
                        "not complete in time (" + std::to_string(icons.WithoutIcon) + " of " +
                            std::to_string(icons.Rows) + " rows without icon)");
  } else {
    const double c = zvbench::Median(complete);
    zvbench::AddRow("first menu after start, " + n + ", every icon", zvbench::Ms(c),
                    "click to menu with icons, target <= 150 ms; shown after " +
                        zvbench::Ms(zvbench::Median(shown)) + "; " + std::to_string(icons.Rows) +
                        " rows checked",
                    zvbench::AtMost(c, 150));
  }

}

ZV_TABLE(TenThousandStartupTable, 16, "start-up and first menu with 10,000 shortcuts") {
  startups s = TableTargets();
  if (!s.Ok) {
    zvbench::AddFailure("start-up with 10,000 shortcuts", s.Error);
    return;
  }
  zvbench::tkeptlist kept;
  // Ten thousand: the program still starts, and its menu still comes up.
  const int many = zvbench::Count(10000, 40);
  StoreList(many);
  tfirstmenu big;
  StartOnce(s.Program, 240000);  // the first start writes the links
  const figures m = Measure(1, [&] { return StartOnce(s.Program, 120000, [&] { big = FirstMenu(30000); }); });
  const std::string nm = std::to_string(many) + " shortcuts";
  if (m.Median < 0 || big.Complete < 0) {
    zv::ClearSendToFolder(zv::ProcessRegistry(), zv::ProcessFileSystem());
    zvbench::AddFailure("start-up and first menu, " + nm,
                        m.Median < 0 ? "not ready in time" : "menu not complete in time");
    return;
  }
  // The next parts start with few links again.
  zv::ClearSendToFolder(zv::ProcessRegistry(), zv::ProcessFileSystem());
  zvbench::AddRow("start-up to active tray icon, " + nm, zvbench::Ms(m.Median),
                  "one start, Send To on, links in place");
  zvbench::AddRow("first menu after start, " + nm + ", every icon", zvbench::Ms(big.Complete),
                  "shown after " + zvbench::Ms(big.Shown) + "; scrolls as the system's menus do");
}

namespace {

// Each step's median time after CreateProcess over runs starts.
std::vector<tstep> MedianSteps(const startups& s, int runs, double& ready) {
  std::vector<std::string> order;
  std::vector<std::vector<double>> times;
  std::vector<double> readies;
  for (int r = 0; r < runs; ++r) {
    const double ms = StartOnce(s.Program, s.Timeout);
    if (ms < 0) continue;
    readies.push_back(ms);
    for (const tstep& step : LastSteps) {
      std::size_t i = 0;
      while (i < order.size() && order[i] != step.Name) ++i;
      if (i == order.size()) {
        order.push_back(step.Name);
        times.emplace_back();
      }
      times[i].push_back(step.Ms);
    }
  }
  ready = zvbench::Median(readies);
  std::vector<tstep> steps;
  for (std::size_t i = 0; i < order.size(); ++i) steps.push_back({order[i], zvbench::Median(times[i])});
  return steps;
}

}  // namespace

// Only on request (ZV_BENCH_STEPS=1): where the start-up's time goes, from
// the program's own notes, empty list against 500 shortcuts.
ZV_TABLE(StartupStepsTable, 14, "start-up steps in the program, empty list vs. 500 shortcuts") {
  if (Env("ZV_BENCH_STEPS", "0") != "1") return;
  const int runs = zvbench::Count(7, 1);
  startups s = TableTargets();
  if (!s.Ok) {
    zvbench::AddFailure("start-up steps", s.Error);
    return;
  }
  zvbench::tkeptlist kept;
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  TraceFile = std::string(temp) + "zvstartup.trace";
  SetEnvironmentVariableA("ZV_STARTUP_TRACE", TraceFile.c_str());
  double readyEmpty = -1, readyLong = -1;
  StoreList(0);
  StartOnce(s.Program, s.Timeout);
  const std::vector<tstep> empty = MedianSteps(s, runs, readyEmpty);
  const int count = zvbench::Count(500, 20);
  StoreList(count);
  StartOnce(s.Program, s.Timeout);
  const std::vector<tstep> full = MedianSteps(s, runs, readyLong);
  SetEnvironmentVariableA("ZV_STARTUP_TRACE", nullptr);
  DeleteFileA(TraceFile.c_str());
  TraceFile.clear();
  if (full.empty() || empty.empty()) {
    zvbench::AddFailure("start-up steps", "the program wrote no notes");
    return;
  }
  const std::string n = std::to_string(count);
  double before = 0, beforeEmpty = 0;
  for (const tstep& step : full) {
    double e = -1;
    for (const tstep& x : empty)
      if (x.Name == step.Name) e = x.Ms;
    const std::string against =
        e < 0 ? "not in the empty list's start"
              : "empty list " + zvbench::Ms(e) + "; step " + zvbench::Ms(step.Ms - before) + " vs. " +
                    zvbench::Ms(e - beforeEmpty);
    zvbench::AddRow("  step '" + step.Name + "' done, " + n + " shortcuts", zvbench::Ms(step.Ms), against);
    before = step.Ms;
    if (e >= 0) beforeEmpty = e;
  }
  zvbench::AddRow("  ready as seen from outside, " + n + " shortcuts", zvbench::Ms(readyLong),
                  "empty list " + zvbench::Ms(readyEmpty) + "; median of " + std::to_string(runs));
}
