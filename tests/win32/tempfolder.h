#pragma once
// A folder of its own under the temporary path for one test, removed with
// everything directly in it at the end.
#include <windows.h>

#include <string>

class ttempfolder {
 public:
  explicit ttempfolder(const std::string& stem) {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    Path = std::string(base) + stem + " " + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount()) + "\\";
    CreateDirectoryA(Path.c_str(), nullptr);
  }
  ~ttempfolder() {
    WIN32_FIND_DATAA d;
    HANDLE h = FindFirstFileA((Path + "*").c_str(), &d);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        if (!(d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
          SetFileAttributesA((Path + d.cFileName).c_str(), FILE_ATTRIBUTE_NORMAL);
          DeleteFileA((Path + d.cFileName).c_str());
        }
      } while (FindNextFileA(h, &d));
      FindClose(h);
    }
    RemoveDirectoryA(Path.c_str());
  }
  ttempfolder(const ttempfolder&) = delete;
  ttempfolder& operator=(const ttempfolder&) = delete;
  // Without the closing backslash.
  std::string Bare() const { return Path.substr(0, Path.size() - 1); }
  std::string Path;  // ends with a backslash
};

// The folder of the running test program, ending with a backslash.
inline std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string p = path;
  return p.substr(0, p.find_last_of('\\') + 1);
}
