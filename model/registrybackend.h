#pragma once
// The registry as the core sees it: HKEY_CURRENT_USER, addressed by absolute
// paths ("\Software\Halvorix\Zorvane"). Key and value names compare without
// regard to case. One real implementation over advapi32, one in memory.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zv {

// Registry data types, numbered as the system numbers them.
enum : std::uint32_t {
  rtNone = 0,
  rtString = 1,        // REG_SZ
  rtExpandString = 2,  // REG_EXPAND_SZ
  rtBinary = 3,        // REG_BINARY
  rtDWord = 4,         // REG_DWORD
  rtMultiString = 7,   // REG_MULTI_SZ
};

struct tregvalue {
  std::uint32_t Type = rtNone;
  std::string Data;  // raw bytes as stored; strings keep their terminating zero
};

// An open key. Closing happens when the handle is destroyed.
class tregkeyhandle {
 public:
  virtual ~tregkeyhandle() = default;
};

class tregistrybackend {
 public:
  virtual ~tregistrybackend() = default;

  virtual bool KeyExists(const std::string& path) = 0;
  // Opens with full access; creates missing keys along the path when asked.
  virtual std::unique_ptr<tregkeyhandle> OpenKey(const std::string& path, bool create) = 0;
  // Deletes the key with everything below it.
  virtual bool DeleteKey(const std::string& path) = 0;
  // Gives the key at path the new last name component; fails when a sibling
  // of that name exists.
  virtual bool RenameKey(const std::string& path, const std::string& newName) = 0;

  // False when the value is missing or cannot be read.
  virtual bool QueryValue(tregkeyhandle& key, const std::string& name, tregvalue& out) = 0;
  virtual bool SetValue(tregkeyhandle& key, const std::string& name, std::uint32_t type,
                        const std::string& data) = 0;
  virtual bool DeleteValue(tregkeyhandle& key, const std::string& name) = 0;
  virtual std::vector<std::string> ValueNames(tregkeyhandle& key) = 0;
  virtual std::vector<std::string> SubKeyNames(tregkeyhandle& key) = 0;
};

// Splits "\A\B\" into {"A", "B"}; false when a component is empty ("A\\B").
bool SplitRegistryPath(const std::string& path, std::vector<std::string>& parts);

}  // namespace zv
