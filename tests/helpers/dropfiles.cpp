// Drops files on a window the way the shell does: a DROPFILES block in
// movable global memory, posted as WM_DROPFILES.
// Usage: dropfiles <window> <x> <y> <path>...; the window 0x hex or decimal.
#include <windows.h>
#include <shlobj.h>

#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
  if (argc < 5) return 2;
  HWND target = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoul(argv[1], nullptr, 0)));
  std::string names;
  for (int i = 4; i < argc; ++i) {
    names += argv[i];
    names.push_back('\0');
  }
  names.push_back('\0');
  HGLOBAL block = GlobalAlloc(GHND | GMEM_SHARE, sizeof(DROPFILES) + names.size());
  if (!block) return 1;
  auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
  drop->pFiles = sizeof(DROPFILES);
  drop->pt.x = std::atoi(argv[2]);
  drop->pt.y = std::atoi(argv[3]);
  drop->fNC = FALSE;
  drop->fWide = FALSE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
  GlobalUnlock(block);
  if (!PostMessageA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0)) return 1;
  return 0;
}
