// Answers whether a hotkey is free: exit code 0 when this process could
// register it (and lets it go again), 1 when someone else holds it.
// Usage: hotkeyprobe <modifiers> <virtual key>, both decimal or 0x hex.
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const UINT mods = static_cast<UINT>(std::strtoul(argv[1], nullptr, 0));
  const UINT vk = static_cast<UINT>(std::strtoul(argv[2], nullptr, 0));
  if (!RegisterHotKey(nullptr, 1, mods, vk)) return 1;
  UnregisterHotKey(nullptr, 1);
  return 0;
}
