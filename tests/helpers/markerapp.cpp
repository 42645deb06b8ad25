// Started by the launch tests: writes its command line, its working
// directory and the show command it was given to the file named by its
// first argument, then ends. The file appears complete or not at all.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc < 2) return 2;
  const std::string marker = __argv[1];
  char dir[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, dir);
  STARTUPINFOA si = {};
  si.cb = sizeof(si);
  GetStartupInfoA(&si);
  const int show = (si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : -1;
  const std::string temp = marker + ".tmp";
  FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) return 1;
  std::fprintf(f, "%s\n%s\n%d\n", GetCommandLineA(), dir, show);
  std::fclose(f);
  return MoveFileA(temp.c_str(), marker.c_str()) ? 0 : 1;
}
