#include "app/startuptrace_win32.h"

#include <windows.h>

#include <cstdio>
#include <mutex>
#include <string>

namespace zv {

namespace {

struct ttrace {
  std::mutex Lock;  // the list is read on a thread of its own
  bool On = false;
  int Writes = 0;
  std::string File;
  std::string Notes;
};

ttrace& Trace() {
  static ttrace* t = [] {
    auto* made = new ttrace;  // a mark may come from a thread during the end
    char file[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableA("ZV_STARTUP_TRACE", file, sizeof file);
    made->On = n > 0 && n < sizeof file;
    if (made->On) made->File = file;
    return made;
  }();
  return *t;
}

}  // namespace

void StartupMark(const char* step) {
  ttrace& t = Trace();
  std::lock_guard<std::mutex> hold(t.Lock);
  if (!t.On) return;
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  char line[160];
  std::snprintf(line, sizeof line, "%lld %s\n", static_cast<long long>(now.QuadPart), step);
  t.Notes += line;
}

void WriteStartupMarks() {
  ttrace& t = Trace();
  std::lock_guard<std::mutex> hold(t.Lock);
  if (!t.On) return;
  t.On = ++t.Writes < 2;
  HANDLE f = CreateFileA(t.File.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(f, t.Notes.data(), static_cast<DWORD>(t.Notes.size()), &written, nullptr);
  CloseHandle(f);
  t.Notes.clear();
}

}  // namespace zv
