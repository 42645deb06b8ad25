#pragma once
// What the start-up tables share: the programs they start and the list the
// program starts with.
#include <windows.h>

#include <string>

#include "bench_win32.h"
#include "processprobe_win32.h"

namespace zvbench {

struct startups {
  target Program, Empty;
  DWORD Timeout = 10000;
  bool Ok = true;
  std::string Error;
};

// The program as a user starts it, ready once its tray icon is active;
// the empty program with a tray icon beside it. Not Ok when either is
// missing or the program runs already.
startups TableTargets();
// The same, with a failure row named what in the table when not Ok.
startups TableTargets(const std::string& what);

// A stored list of count entries; the program then starts without the
// question a missing list asks.
void StoreList(int count);
// The same with groups groups of perGroup shortcuts each.
void StoreGroupedList(int groups, int perGroup);

// The user's list kept aside while one of count entries stands in its place.
class tstoredlist {
 public:
  explicit tstoredlist(int count) { StoreList(count); }
  tstoredlist(int groups, int perGroup) { StoreGroupedList(groups, perGroup); }

 private:
  tkeptlist kept_;
};

// How a figure of runs starts was taken, for the table.
std::string MedianOf(int runs);

// The start-up table's median start to active tray icon with an empty
// list, or -1 when that table has not measured it.
double EmptyListStartupMedian();

}  // namespace zvbench
