#include "model/listfileio.h"

#include <cerrno>
#include <cstdio>

namespace zv {

namespace {

struct stdfile {
  explicit stdfile(std::FILE* f) : Handle(f) {}
  ~stdfile() {
    if (Handle) std::fclose(Handle);
  }
  stdfile(const stdfile&) = delete;
  stdfile& operator=(const stdfile&) = delete;
  bool Close() {
    std::FILE* f = Handle;
    Handle = nullptr;
    return f && std::fclose(f) == 0;
  }
  std::FILE* Handle;
};

}  // namespace

treadstatus tstdfileio::ReadAll(const std::string& path, std::size_t limit, std::string& data) {
  data.clear();
  errno = 0;
  stdfile f(std::fopen(path.c_str(), "rb"));
  if (!f.Handle) return errno == ENOENT ? treadstatus::Missing : treadstatus::Failed;
  // Read in pieces instead of trusting a size: the limit holds for anything.
  char buffer[65536];
  for (;;) {
    const std::size_t got = std::fread(buffer, 1, sizeof(buffer), f.Handle);
    if (data.size() + got > limit) {
      data.clear();
      return treadstatus::TooLarge;
    }
    data.append(buffer, got);
    if (got < sizeof(buffer)) break;
  }
  if (std::ferror(f.Handle)) {
    data.clear();
    return treadstatus::Failed;
  }
  return treadstatus::Ok;
}

bool tstdfileio::WriteAll(const std::string& path, const std::string& data) {
  stdfile f(std::fopen(path.c_str(), "wb"));
  if (!f.Handle) return false;
  if (!data.empty() && std::fwrite(data.data(), 1, data.size(), f.Handle) != data.size()) return false;
  if (std::fflush(f.Handle) != 0) return false;
  return f.Close();
}

bool tstdfileio::Replace(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool tstdfileio::Remove(const std::string& path) { return std::remove(path.c_str()) == 0; }

#if !defined(_WIN32)
tlistfileio& DefaultListFileIo() {
  static tstdfileio io;
  return io;
}
#endif

std::string StagingFileName(const std::string& path) { return path + ".saving"; }

bool WriteFileReplacing(tlistfileio& io, const std::string& path, const std::string& data) {
  const std::string staging = StagingFileName(path);
  if (!io.WriteAll(staging, data)) {
    io.Remove(staging);
    return false;
  }
  if (!io.Replace(staging, path)) {
    io.Remove(staging);
    return false;
  }
  return true;
}

}  // namespace zv
