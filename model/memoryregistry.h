#pragma once
// In-memory registry with the semantics of HKEY_CURRENT_USER as the core uses
// it. Used by tests, fuzzing and benchmarks; it can be told to refuse one
// write so that callers can be checked at every point of failure.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/registrybackend.h"

namespace zv {

class tmemoryregistry : public tregistrybackend {
 public:
  tmemoryregistry();

  bool KeyExists(const std::string& path) override;
  std::unique_ptr<tregkeyhandle> OpenKey(const std::string& path, bool create) override;
  bool DeleteKey(const std::string& path) override;
  bool RenameKey(const std::string& path, const std::string& newName) override;
  bool QueryValue(tregkeyhandle& key, const std::string& name, tregvalue& out) override;
  bool SetValue(tregkeyhandle& key, const std::string& name, std::uint32_t type,
                const std::string& data) override;
  bool DeleteValue(tregkeyhandle& key, const std::string& name) override;
  std::vector<std::string> ValueNames(tregkeyhandle& key) override;
  std::vector<std::string> SubKeyNames(tregkeyhandle& key) override;

  // Fault injection: the write with this 1-based number (counted from now)
  // and the times - 1 writes after it fail without effect; 0 switches it off.
  // Writes are key creation, value writes and deletions, the removal of each
  // single key of a deleted tree (subkeys first, as the system removes them,
  // so a deletion can stop half way), and renaming.
  void FailWriteNumber(long number, long times = 1) {
    failAt_ = number;
    failTimes_ = times;
    writes_ = 0;
  }
  long WritesSoFar() const { return writes_; }
  // Every key below path (inclusive) refuses writes from now on.
  void MakeReadOnly(const std::string& path);

  // Deep comparison of two trees (names without regard to case), for tests.
  std::string Dump(const std::string& path = "");

 private:
  struct node;
  using nodeptr = std::shared_ptr<node>;
  struct node {
    std::string Name;
    bool Deleted = false;
    bool ReadOnly = false;
    std::vector<std::pair<std::string, tregvalue>> Values;  // insertion order
    std::vector<nodeptr> Children;
  };
  class handle;

  nodeptr Find(const std::string& path, nodeptr* parent = nullptr);
  static nodeptr Child(const nodeptr& n, const std::string& name);
  static void MarkDeleted(const nodeptr& n);
  bool CountWrite();
  void DumpNode(const nodeptr& n, const std::string& prefix, std::string& out);

  nodeptr root_;
  bool DeleteTree(const nodeptr& parent, const nodeptr& n);

  long failAt_ = 0;
  long failTimes_ = 1;
  long writes_ = 0;
};

}  // namespace zv
