// Where the start-up's time goes, from the program's own notes of its steps.
#include <windows.h>

#include <string>
#include <vector>

#include "bench.h"
#include "bench_win32.h"
#include "processprobe_win32.h"
#include "startup_bench_win32.h"

using zvbench::Env;
using zvbench::StartOnce;
using zvbench::startups;
using zvbench::StoreList;
using zvbench::TableTargets;
using zvbench::treadystate;
using zvbench::tstep;

namespace {

// Each step's median time after CreateProcess over runs starts.
std::vector<tstep> MedianSteps(const startups& s, int runs, double& ready) {
  std::vector<std::string> order;
  std::vector<std::vector<double>> times;
  std::vector<double> readies;
  for (int r = 0; r < runs; ++r) {
    treadystate seen;
    const double ms = StartOnce(s.Program, s.Timeout, {}, &seen);
    if (ms < 0) continue;
    readies.push_back(ms);
    for (const tstep& step : seen.Steps) {
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
  startups s = TableTargets("start-up steps");
  if (!s.Ok) return;
  zvbench::tkeptlist kept;
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  s.Program.Trace = std::string(temp) + "zvstartup.trace";
  SetEnvironmentVariableA("ZV_STARTUP_TRACE", s.Program.Trace.c_str());
  double readyEmpty = -1, readyLong = -1;
  StoreList(0);
  StartOnce(s.Program, s.Timeout);
  const std::vector<tstep> empty = MedianSteps(s, runs, readyEmpty);
  const int count = zvbench::Count(500, 20);
  StoreList(count);
  StartOnce(s.Program, s.Timeout);
  const std::vector<tstep> full = MedianSteps(s, runs, readyLong);
  SetEnvironmentVariableA("ZV_STARTUP_TRACE", nullptr);
  DeleteFileA(s.Program.Trace.c_str());
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
