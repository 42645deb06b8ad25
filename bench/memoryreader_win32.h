#pragma once
// The memory a started program holds, as Windows and, under Wine, as the
// Unix process that runs it count it.
#include <windows.h>

#include <string>

namespace zvbench {

// Memory of a program, read right when it got ready.
struct memoryfigures {
  double WorkingSetMB = -1;
  double PrivateMB = -1;
  // Under Wine: the Unix process that runs the program, from /proc (-1
  // elsewhere, or when no such process was found).
  double RssAnonMB = -1;
  double VmRssMB = -1;
};

// The figures of process, which runs exe, now; -1 for each one not known.
memoryfigures ReadMemory(HANDLE process, const std::string& exe);

}  // namespace zvbench
