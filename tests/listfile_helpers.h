#pragma once
// Progress that records how a list file operation drove it, and a scratch
// folder on the real disk.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "model/listprogress.h"

class trecordedprogress : public zv::tlistprogress {
 public:
  bool Open(std::int32_t maximum) override {
    Calls.push_back("open " + std::to_string(maximum));
    return maximum >= 0;
  }
  void Step(std::int32_t position, bool processMessages) override {
    Calls.push_back("step " + std::to_string(position) + (processMessages ? " pump" : ""));
  }
  void Close() override { Calls.push_back("close"); }
  std::vector<std::string> Calls;
};

class tscratchfolder {
 public:
  tscratchfolder() {
    static int serial = 0;
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    Path = std::filesystem::temp_directory_path() /
           ("zvlist-" + std::to_string(stamp % 1000000007) + "-" + std::to_string(++serial));
    std::filesystem::create_directories(Path);
  }
  ~tscratchfolder() {
    std::error_code ignored;
    std::filesystem::remove_all(Path, ignored);
  }
  tscratchfolder(const tscratchfolder&) = delete;
  tscratchfolder& operator=(const tscratchfolder&) = delete;

  std::string File(const std::string& name) const { return (Path / name).string(); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (auto& e : std::filesystem::directory_iterator(Path)) names.push_back(e.path().filename().string());
    return names;
  }
  std::filesystem::path Path;
};

inline std::string ReadBytes(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
}
