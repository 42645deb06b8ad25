#pragma once
// A tiny benchmark registry: each file adds its benchmarks, zvbench runs them
// all (or those whose name contains the first argument) and prints figures.
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

}  // namespace zvbench

#define ZV_BENCHMARK(id, name) \
  static void id();            \
  static zvbench::registrar id##_registrar(name, id); \
  static void id()
