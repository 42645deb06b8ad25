#pragma once
// The file system as launching and the Send To folder see it. Paths are
// taken exactly as given: no expansion of environment variables, no search
// along the program path; relative paths start at the current directory.
#include <cstdint>
#include <string>
#include <vector>

namespace zv {

// File attributes, valued as the system values them.
enum : std::uint32_t {
  faReadOnly = 0x01,
  faHidden = 0x02,
  faSystem = 0x04,
  faDirectory = 0x10,
  faArchive = 0x20,
  faReparsePoint = 0x400,
};

struct tfileentry {
  std::string Name;  // without the folder
  std::uint32_t Attributes = 0;
};

class tfilesystem {
 public:
  virtual ~tfilesystem() = default;
  // An existing file; a directory does not count.
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool DirectoryExists(const std::string& path) = 0;
  // The plain files (no directories) directly in folder, which ends with a
  // backslash; read-only, hidden and system files included.
  virtual std::vector<tfileentry> ListFiles(const std::string& folder) = 0;
  // The folders directly in folder, without "." and "..".
  virtual std::vector<tfileentry> ListFolders(const std::string& folder) = 0;
  // At most maxBytes from the start of a file; empty when it cannot be read.
  virtual std::string ReadFileStart(const std::string& path, std::size_t maxBytes) = 0;
  virtual bool SetAttributes(const std::string& path, std::uint32_t attributes) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;
  // Fails when the folder is missing or not empty.
  virtual bool RemoveFolder(const std::string& path) = 0;
  // Creates the folder with every missing folder above it.
  virtual bool CreateFolders(const std::string& path) = 0;
};

}  // namespace zv
