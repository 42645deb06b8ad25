#pragma once
// Starting a program and timing it from CreateProcess until it is ready,
// that is until a window of a given class and title exists (or a new tray
// icon is shown), then ending it.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "memoryreader_win32.h"

namespace zvbench {

// The environment variable name, or fallback when it is unset or empty.
std::string Env(const char* name, const std::string& fallback);
// This program's folder, ending in a separator.
std::string OwnFolder();
// Milliseconds on the performance counter.
double Now();
// The performance counter itself, as the program's step notes write it.
double Counter();
// Whether file (or folder) exists.
bool Exists(const std::string& file);
// The bytes of file name, or nothing when it cannot be opened.
std::string ReadWholeFile(const std::string& name);

struct target {
  std::string Exe, Args, Class, Title;
  bool Tray = false;
  std::string Tip;  // with Tray: how the icon's tip ends once ready
  // The file the program notes its start-up steps in, as ZV_STARTUP_TRACE
  // names it to the program; empty: none.
  std::string Trace;
};

// ZV_STARTUP_PROBE=busy: the earlier probe, which asks the tips at every
// millisecond (to compare figures with it); else the quiet one.
bool QuietProbe();

// The first visible icon in Wine's notification area, or null.
HWND FirstTrayIcon();

// One of the program's own notes of its start-up steps: the step's name and
// its time after a given counter reading.
struct tstep {
  std::string Name;
  double Ms;
};
// The notes in file, timed from startCounter; none when there is no file.
std::vector<tstep> ReadSteps(const std::string& file, double startCounter);

// What a start that got ready left: the program's memory then, and with a
// Trace file the program's step notes, timed from CreateProcess.
struct treadystate {
  memoryfigures Memory;
  std::vector<tstep> Steps;
};

// Runs once the program is ready and measured, before it is ended.
using treadyhook = std::function<void()>;

// Milliseconds from CreateProcess to ready, or a negative value when the
// program did not get there in time; fills seen (when given) only if it
// did. The program is ended afterwards.
double StartOnce(const target& t, DWORD timeout, const treadyhook& whenReady = {},
                 treadystate* seen = nullptr);

// Milliseconds until exe, started with args, has ended (at most 10 s), or -1.
double RunToExit(const std::string& exe, const std::string& args);

struct figures {
  double Median = -1, Min = -1, Max = -1;
  int Failed = 0;
};

// The times of runs calls of once; a negative time counts as failed.
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

// Prints f's median and range as what.
void Report(const std::string& what, const figures& f);

}  // namespace zvbench
