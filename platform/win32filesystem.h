#pragma once
// The real file system through the ANSI kernel32 calls.
#include "core/filesystem.h"

namespace zv {

class twin32filesystem : public tfilesystem {
 public:
  bool FileExists(const std::string& path) override;
  bool DirectoryExists(const std::string& path) override;
  std::vector<tfileentry> ListFiles(const std::string& folder) override;
  std::vector<tfileentry> ListFolders(const std::string& folder) override;
  std::string ReadFileStart(const std::string& path, std::size_t maxBytes) override;
  bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
  bool RemoveFile(const std::string& path) override;
  bool RemoveFolder(const std::string& path) override;
  bool CreateFolders(const std::string& path) override;
};

twin32filesystem& ProcessFileSystem();

}  // namespace zv
