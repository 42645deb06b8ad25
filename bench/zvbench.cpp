#include <cstdio>
#include <cstring>

#include "bench.h"

int main(int argc, char** argv) {
  const char* filter = argc > 1 ? argv[1] : "";
  for (auto& b : zvbench::All()) {
    if (*filter && b.Name.find(filter) == std::string::npos) continue;
    std::printf("%s\n", b.Name.c_str());
    b.Run();
    std::fflush(stdout);
  }
  return 0;
}
