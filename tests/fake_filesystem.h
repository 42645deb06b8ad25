#pragma once
// An in-memory file system with the rules launching and the Send To folder
// rely on: names compare without regard to case and hold at most 255
// characters, read-only files refuse deletion, folders must be empty to be
// removed.
#include <map>
#include <string>
#include <vector>

#include "core/filesystem.h"
#include "core/textutil.h"

class tfakefilesystem : public zv::tfilesystem {
 public:
  struct entry {
    bool Directory = false;
    std::uint32_t Attributes = 0;
    std::string Content;
  };

  // A folder that is there keeps its spelling, as on the system; false when
  // a file stands in the way.
  bool AddFolder(const std::string& path) {
    const std::string p = Normal(path);
    for (size_t cut = p.find('\\', 3);; cut = p.find('\\', cut + 1)) {
      const std::string part = p.substr(0, cut);
      const auto [at, fresh] = entries_.emplace(Key(part), entry{true, zv::faDirectory, ""});
      if (!at->second.Directory) return false;
      if (fresh) names_[Key(part)] = part;
      if (cut == std::string::npos) return true;
    }
  }
  void AddFile(const std::string& path, const std::string& content = "x",
               std::uint32_t attributes = zv::faArchive) {
    std::string p = Normal(path);
    AddFolder(p.substr(0, p.find_last_of('\\')));
    entries_[Key(p)] = {false, attributes, content};
    names_[Key(p)] = p;
  }
  bool Has(const std::string& path) const { return entries_.count(Key(Normal(path))) != 0; }
  const entry* Get(const std::string& path) const {
    auto it = entries_.find(Key(Normal(path)));
    return it == entries_.end() ? nullptr : &it->second;
  }
  // Every file's full path, sorted without regard to case.
  std::vector<std::string> AllFiles() const {
    std::vector<std::string> out;
    for (auto& [k, e] : entries_)
      if (!e.Directory) out.push_back(names_.at(k));
    return out;
  }

  bool FileExists(const std::string& path) override {
    const entry* e = Get(path);
    return e && !e->Directory;
  }
  bool DirectoryExists(const std::string& path) override {
    const entry* e = Get(path);
    return e && e->Directory;
  }
  std::vector<zv::tfileentry> ListFiles(const std::string& folder) override {
    return List(folder, false);
  }
  std::vector<zv::tfileentry> ListFolders(const std::string& folder) override {
    return List(folder, true);
  }
  std::vector<zv::tfileentry> List(const std::string& folder, bool folders) {
    std::vector<zv::tfileentry> out;
    const std::string parent = Key(Normal(folder));
    for (auto& [k, e] : entries_) {
      if (e.Directory != folders || k.size() <= parent.size() + 1 ||
          k.compare(0, parent.size(), parent) != 0 ||
          k[parent.size()] != '\\' || k.find('\\', parent.size() + 1) != std::string::npos)
        continue;
      const std::string& full = names_.at(k);
      out.push_back({full.substr(parent.size() + 1), e.Attributes});
    }
    return out;
  }
  std::string ReadFileStart(const std::string& path, std::size_t maxBytes) override {
    const entry* e = Get(path);
    return e && !e->Directory ? e->Content.substr(0, maxBytes) : std::string();
  }
  bool SetAttributes(const std::string& path, std::uint32_t attributes) override {
    auto it = entries_.find(Key(Normal(path)));
    if (it == entries_.end()) return false;
    it->second.Attributes = attributes | (it->second.Directory ? std::uint32_t(zv::faDirectory) : 0u);
    return true;
  }
  bool RemoveFile(const std::string& path) override {
    auto it = entries_.find(Key(Normal(path)));
    if (it == entries_.end() || it->second.Directory || (it->second.Attributes & zv::faReadOnly))
      return false;
    Removed.push_back(path);
    names_.erase(it->first);
    entries_.erase(it);
    return true;
  }
  bool RemoveFolder(const std::string& path) override {
    const std::string k = Key(Normal(path));
    auto it = entries_.find(k);
    if (it == entries_.end() || !it->second.Directory) return false;
    for (auto& [other, e] : entries_)
      if (other.size() > k.size() && other.compare(0, k.size(), k) == 0 && other[k.size()] == '\\')
        return false;
    names_.erase(k);
    entries_.erase(it);
    return true;
  }
  bool CreateFolders(const std::string& path) override { return NameFits(path) && AddFolder(path); }
  // Every name in path fits the system's 255 characters.
  static bool NameFits(const std::string& path) {
    for (std::size_t start = 0;;) {
      const std::size_t cut = path.find('\\', start);
      if ((cut == std::string::npos ? path.size() : cut) - start > 255) return false;
      if (cut == std::string::npos) return true;
      start = cut + 1;
    }
  }

  std::vector<std::string> Removed;

 private:
  static std::string Normal(std::string p) {
    while (p.size() > 3 && p.back() == '\\') p.pop_back();
    return p;
  }
  static std::string Key(const std::string& p) { return zv::UpperAscii(p); }
  std::map<std::string, entry> entries_;
  std::map<std::string, std::string> names_;
};
