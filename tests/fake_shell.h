#pragma once
// Records shell requests; saves links as real .lnk bytes into a fake file
// system so the Send To folder's own-link test reads them as the system's.
// Like the real shell it never replaces an existing file.
#include <string>
#include <vector>

#include "core/shell.h"
#include "fake_filesystem.h"

inline void PutNumber(std::string& b, std::uint32_t n) {
  for (int i = 0; i < 4; ++i) b += static_cast<char>((n >> (8 * i)) & 0xFF);
}

// A location block with a volume and the path as local base path.
inline std::string MakeLinkInfo(const std::string& path) {
  const std::uint32_t header = 0x1C, volume = 0x11;
  std::string volumeId;
  PutNumber(volumeId, volume);
  PutNumber(volumeId, 3);  // fixed drive
  PutNumber(volumeId, 0x1234);
  PutNumber(volumeId, 0x10);
  volumeId += '\0';
  const std::uint32_t base = header + volume, suffix = base + static_cast<std::uint32_t>(path.size()) + 1;
  std::string b;
  PutNumber(b, suffix + 1);
  PutNumber(b, header);
  PutNumber(b, 1);  // volume and local base path
  PutNumber(b, header);
  PutNumber(b, base);
  PutNumber(b, 0);
  PutNumber(b, suffix);
  return b + volumeId + path + '\0' + '\0';
}

// A minimal shell link file: header, the location of a path, then the texts
// in the stored order.
inline std::string MakeLinkBytes(const zv::tshelllink& link) {
  std::string b(0x4C, '\0');
  const unsigned char head[20] = {0x4C, 0, 0, 0, 0x01, 0x14, 0x02, 0, 0, 0, 0, 0,
                                  0xC0, 0, 0, 0, 0, 0, 0, 0x46};
  for (int i = 0; i < 20; ++i) b[i] = static_cast<char>(head[i]);
  std::uint32_t flags = 0x80;  // unicode texts
  std::string texts;
  if (!link.Path.empty()) {
    flags |= 0x02;
    texts += MakeLinkInfo(link.Path);
  }
  auto add = [&](const std::string& s, std::uint32_t flag) {
    if (s.empty()) return;
    flags |= flag;
    texts += static_cast<char>(s.size() & 0xFF);
    texts += static_cast<char>(s.size() >> 8);
    for (char c : s) {
      texts += c;
      texts += '\0';
    }
  };
  add(link.Description, 0x04);
  add(link.WorkingDirectory, 0x10);
  add(link.Arguments, 0x20);
  add(link.IconFile, 0x40);
  for (int i = 0; i < 4; ++i) b[0x38 + i] = static_cast<char>((static_cast<std::uint32_t>(link.IconIndex) >> (8 * i)) & 0xFF);
  for (int i = 0; i < 4; ++i) b[0x14 + i] = static_cast<char>((flags >> (8 * i)) & 0xFF);
  const std::uint32_t show = link.ShowCommand ? link.ShowCommand : 1;
  for (int i = 0; i < 4; ++i) b[0x3C + i] = static_cast<char>((show >> (8 * i)) & 0xFF);
  return b + texts;
}

class tfakeshell : public zv::tshell {
 public:
  explicit tfakeshell(tfakefilesystem* files = nullptr) : files_(files) {}

  std::uint32_t Execute(const zv::tshellrequest& request) override {
    Requests.push_back(request);
    return ExecuteResult;
  }

  zv::tlinksave SaveLink(const zv::tshelllink& link, const std::string& fileName) override {
    if (static_cast<int>(Links.size()) == ObjectFailsAt) return zv::tlinksave::ObjectFailed;
    Links.push_back({link, fileName});
    const size_t cut = fileName.find_last_of('\\');
    const std::string name = fileName.substr(cut + 1);
    // What the system refuses in a file name.
    if (!files_ || cut == std::string::npos || !files_->DirectoryExists(fileName.substr(0, cut)) ||
        name.find_first_of("\\/:*?\"<>|") != std::string::npos || !files_->NameFits(name) ||
        files_->Has(fileName))
      return zv::tlinksave::NotSaved;
    files_->AddFile(fileName, MakeLinkBytes(link));
    return zv::tlinksave::Saved;
  }

  struct savedlink {
    zv::tshelllink Link;
    std::string FileName;
  };
  std::vector<zv::tshellrequest> Requests;
  std::vector<savedlink> Links;
  int ObjectFailsAt = -1;
  std::uint32_t ExecuteResult = 0;  // what every request answers  // the save with this number reports a missing link object

 private:
  tfakefilesystem* files_;
};
