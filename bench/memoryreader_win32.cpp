#include "memoryreader_win32.h"

#include <psapi.h>

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "processprobe_win32.h"

namespace zvbench {

namespace {

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
void ReadUnixMemory(const std::string& exe, memoryfigures& into) {
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
  into.RssAnonMB = StatusKB(status, "RssAnon:") / 1024.0;
  into.VmRssMB = StatusKB(status, "VmRSS:") / 1024.0;
}

}  // namespace

memoryfigures ReadMemory(HANDLE process, const std::string& exe) {
  memoryfigures memory;
  PROCESS_MEMORY_COUNTERS_EX m = {};
  m.cb = sizeof m;
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&m), sizeof m)) {
    memory.WorkingSetMB = m.WorkingSetSize / 1048576.0;
    memory.PrivateMB = m.PrivateUsage / 1048576.0;
  }
  ReadUnixMemory(exe, memory);
  return memory;
}

}  // namespace zvbench
