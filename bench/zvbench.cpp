// zvbench                 every table figure in one run, printed as one table
// zvbench all             the same
// zvbench --quick         the table with tiny counts: checks that every figure
//                         can still be taken (exit code 1 when one cannot)
// zvbench names           the names of the detailed entries
// zvbench <part of name>  the detailed entries whose name contains it
// ZV_BENCH_PARTS=<text>    the table with only the parts whose name holds it
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench.h"

namespace {

const char* VerdictText(zvbench::verdict v) {
  switch (v) {
    case zvbench::verdict::Met: return "yes";
    case zvbench::verdict::Missed: return "NO";
    case zvbench::verdict::Failed: return "FAILED";
    case zvbench::verdict::None:
    default: return "-";
  }
}

int RunTable() {
  auto& entries = zvbench::TableEntries();
  std::stable_sort(entries.begin(), entries.end(),
                   [](const zvbench::tableentry& a, const zvbench::tableentry& b) { return a.Order < b.Order; });
  // ZV_BENCH_PARTS: only the parts whose name holds it (while working on one).
  const char* only = std::getenv("ZV_BENCH_PARTS");
  for (const zvbench::tableentry& e : entries) {
    if (only && *only && e.Name.find(only) == std::string::npos) continue;
    // Progress on stderr, so the table on stdout stays one piece.
    std::fprintf(stderr, "zvbench: %s\n", e.Name.c_str());
    e.Run();
  }
  const auto& t = zvbench::Table();
  std::size_t what = 6, figure = 6, against = 20;
  for (const auto& r : t.Rows) {
    what = std::max(what, r.What.size());
    figure = std::max(figure, r.Figure.size());
    against = std::max(against, r.Against.size());
  }
  const int w = static_cast<int>(what), f = static_cast<int>(figure), a = static_cast<int>(against);
  std::printf("Measured: the %s program\n", sizeof(void*) == 8 ? "x64 (64-bit)" : "x86 (32-bit)");
  std::printf("%-*s  %*s  %-*s  %s\n", w, "Figure", f, "Value", a, "Compared with / target", "Meets");
  std::printf("%s\n", std::string(what + figure + against + 13, '-').c_str());
  bool failed = false;
  for (const auto& r : t.Rows) {
    std::printf("%-*s  %*s  %-*s  %s\n", w, r.What.c_str(), f, r.Figure.c_str(), a, r.Against.c_str(),
                VerdictText(r.Verdict));
    failed = failed || r.Verdict == zvbench::verdict::Failed;
  }
  for (const std::string& n : t.Notes) std::printf("%s\n", n.c_str());
  std::fflush(stdout);
  return failed ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  const char* arg = argc > 1 ? argv[1] : "";
  if (!*arg || std::strcmp(arg, "all") == 0) return RunTable();
  if (std::strcmp(arg, "--quick") == 0) {
    zvbench::Table().Quick = true;
    return RunTable();
  }
  const bool names = std::strcmp(arg, "names") == 0;
  for (auto& b : zvbench::All()) {
    if (names) {
      std::printf("%s\n", b.Name.c_str());
      continue;
    }
    if (b.Name.find(arg) == std::string::npos) continue;
    std::printf("%s\n", b.Name.c_str());
    b.Run();
    std::fflush(stdout);
  }
  return 0;
}
