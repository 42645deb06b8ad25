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
#include "startup_bench_win32.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench.h"
#include "bench_win32.h"
#include "memoryreader_win32.h"
#include "processprobe_win32.h"
#include "screencapture_win32.h"
#include "settings/settings.h"

using zvbench::Env;
using zvbench::Exists;
using zvbench::figures;
using zvbench::Measure;
using zvbench::memoryfigures;
using zvbench::MedianOf;
using zvbench::OwnFolder;
using zvbench::QuietProbe;
using zvbench::Report;
using zvbench::RunToExit;
using zvbench::ScreenDpi;
using zvbench::StartOnce;
using zvbench::startups;
using zvbench::TableTargets;
using zvbench::target;
using zvbench::treadystate;

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
  treadystate last;
  const figures ours = Measure(runs, [&] { return StartOnce(program, timeout, {}, &last); });
  const std::string name = program.Exe.substr(program.Exe.find_last_of("\\/") + 1);
  Report(name + ", to " + ready, ours);
  if (ours.Median >= 0 && base.Median > 0)
    zvbench::Ratio(name + " vs. empty program, medians", ours.Median, base.Median);
  std::printf("  %-52s %10.1f MB\n", (name + ", working set when ready").c_str(), last.Memory.WorkingSetMB);
  std::printf("  %-52s %10.1f MB\n", (name + ", private bytes when ready").c_str(), last.Memory.PrivateMB);
  WIN32_FILE_ATTRIBUTE_DATA file = {};
  if (GetFileAttributesExA(program.Exe.c_str(), GetFileExInfoStandard, &file))
    std::printf("  %-52s %10.1f KB\n", (name + ", file size").c_str(), file.nFileSizeLow / 1024.0);
}

namespace zvbench {

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

startups TableTargets(const std::string& what) {
  startups s = TableTargets();
  if (!s.Ok) AddFailure(what, s.Error);
  return s;
}

void StoreList(int count) {
  zv::tzvshortcutlist list;
  zvbench::FillEverydayList(list, count);
  list.SaveToRegistry(zv::ProcessRegistry(), zv::ShortcutListKey);
}

void StoreGroupedList(int groups, int perGroup) {
  zv::tzvshortcutlist list;
  zvbench::FillGroupedList(list, groups, perGroup);
  list.SaveToRegistry(zv::ProcessRegistry(), zv::ShortcutListKey);
}

std::string MedianOf(int runs) { return runs > 1 ? "median of " + std::to_string(runs) : "one start"; }

}  // namespace zvbench

namespace {

memoryfigures EmptyMemory;
double EmptyListStartup = -1;

}  // namespace

double zvbench::EmptyListStartupMedian() { return EmptyListStartup; }

ZV_TABLE(StartupTable, 10, "start-up to active tray icon vs. an empty program") {
  const int runs = zvbench::Count(10, 1);
  startups s = TableTargets("start-up to active tray icon");
  if (!s.Ok) return;
  zvbench::tstoredlist list(0);
  // Warm up the loader and the file cache once, as a user's second start.
  // Not in a quick run: under Wine a windowed program takes seconds to end.
  if (!zvbench::Quick()) StartOnce(s.Empty, s.Timeout);
  treadystate emptyLast;
  const figures empty = Measure(runs, [&] { return StartOnce(s.Empty, s.Timeout, {}, &emptyLast); });
  EmptyMemory = emptyLast.Memory;
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
                (QuietProbe() ? "a message to the window, answered once its thread takes messages, then the tray tip\n"
                              "(ZV_STARTUP_PROBE=busy: the tips asked at every millisecond, as before)."
                            : "the tray tips asked at every millisecond (ZV_STARTUP_PROBE=busy)."));
}

ZV_TABLE(MemoryTable, 60, "memory after a start with 500 shortcuts") {
  const int runs = zvbench::Count(5, 1);
  const int count = zvbench::Count(500, 20);
  const std::string what = std::to_string(count) + " shortcuts";
  startups s = TableTargets("memory after start");
  if (!s.Ok) return;
  zvbench::tstoredlist list(count);
  if (EmptyMemory.WorkingSetMB < 0) {
    treadystate emptyLast;
    StartOnce(s.Empty, s.Timeout, {}, &emptyLast);
    EmptyMemory = emptyLast.Memory;
  }
  if (!zvbench::Quick()) StartOnce(s.Program, s.Timeout);
  treadystate last;
  const figures ours = Measure(runs, [&] { return StartOnce(s.Program, s.Timeout, {}, &last); });
  if (ours.Median < 0 || ours.Failed || last.Memory.WorkingSetMB < 0) {
    zvbench::AddFailure("start-up and memory, " + what, "a start did not get ready in time");
    return;
  }
  const memoryfigures m = last.Memory, e = EmptyMemory;
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
