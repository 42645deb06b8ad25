#pragma once
// A tiny benchmark registry. Each file adds benchmarks of two kinds:
// entries, run by name, that print their own detailed figures; and table
// figures, which zvbench without an argument measures in one run and prints
// as one table, each beside its comparison or target.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace zvbench {

struct benchmark {
  std::string Name;
  std::function<void()> Run;
};

inline std::vector<benchmark>& All() {
  static std::vector<benchmark> list;
  return list;
}

struct registrar {
  registrar(const char* name, std::function<void()> run) { All().push_back({name, std::move(run)}); }
};

inline double Millis(const std::function<void()>& work) {
  auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

inline void Row(const std::string& what, double ms) { std::printf("  %-52s %10.1f ms\n", what.c_str(), ms); }

inline void Ratio(const std::string& what, double ours, double base) {
  std::printf("  %-52s %10.2f x\n", what.c_str(), base > 0 ? ours / base : 0.0);
}

// --- the table

// Met and Missed: against a target. Failed: the figure could not be taken
// (the quick run fails on it, so a broken benchmark shows).
enum class verdict { None, Met, Missed, Failed };

struct tablerow {
  std::string What, Figure, Against;
  verdict Verdict = verdict::None;
};

struct tablestate {
  bool Quick = false;  // tiny counts: proves every figure can be taken
  std::vector<tablerow> Rows;
  std::vector<std::string> Notes;
};

inline tablestate& Table() {
  static tablestate t;
  return t;
}

inline bool Quick() { return Table().Quick; }
// n in a full run, small in a quick one.
inline int Count(int n, int small) { return Quick() ? small : n; }

inline void AddRow(std::string what, std::string figure, std::string against = "",
                   verdict v = verdict::None) {
  Table().Rows.push_back({std::move(what), std::move(figure), std::move(against), v});
}
inline void AddFailure(std::string what, std::string why) {
  AddRow(std::move(what), "-", std::move(why), verdict::Failed);
}
inline void Note(std::string text) { Table().Notes.push_back(std::move(text)); }

inline std::string Format(const char* format, double v) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, v);
  return buffer;
}
inline std::string Ms(double v) { return Format(v < 10 ? "%.2f ms" : "%.1f ms", v); }
inline std::string MB(double v) { return Format("%.1f MB", v); }
inline std::string Times(double v) { return Format("%.2fx", v); }
inline verdict AtMost(double v, double limit) { return v <= limit ? verdict::Met : verdict::Missed; }

// The best of several runs: the machine may be shared, and the best run is
// the code's own cost.
inline double Best(int runs, const std::function<void()>& work) {
  double best = Millis(work);
  for (int i = 1; i < runs; ++i) best = std::min(best, Millis(work));
  return best;
}

inline double Median(std::vector<double> v) {
  if (v.empty()) return -1;
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct tableentry {
  int Order;
  std::string Name;
  std::function<void()> Run;
};

inline std::vector<tableentry>& TableEntries() {
  static std::vector<tableentry> list;
  return list;
}

struct tableregistrar {
  tableregistrar(int order, const char* name, std::function<void()> run) {
    TableEntries().push_back({order, name, std::move(run)});
  }
};

}  // namespace zvbench

#define ZV_BENCHMARK(id, name) \
  static void id();            \
  static zvbench::registrar id##_registrar(name, id); \
  static void id()

// A part of the table; parts run in ascending order.
#define ZV_TABLE(id, order, name) \
  static void id();               \
  static zvbench::tableregistrar id##_registrar(order, name, id); \
  static void id()
