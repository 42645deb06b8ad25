#pragma once
// TRegistry: a registry accessor on HKEY_CURRENT_USER with one current key,
// opened with full access. Writes throw ERegistryException when the system
// refuses them; opening and existence tests answer by their result.
// TSafeRegistry adds reads that fall back to a caller's default.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/registrybackend.h"

namespace zv {

class ERegistryException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TRegistry {
 public:
  explicit TRegistry(tregistrybackend& backend) : backend_(backend) {}
  virtual ~TRegistry() = default;
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  bool KeyExists(const std::string& path) { return backend_.KeyExists(path); }
  // Closes the current key first, as every open does.
  bool OpenKey(const std::string& path, bool canCreate);
  void CloseKey() { current_.reset(); }
  bool DeleteKey(const std::string& path) { return backend_.DeleteKey(path); }
  bool RenameKey(const std::string& path, const std::string& newName) {
    return backend_.RenameKey(path, newName);
  }

  bool ValueExists(const std::string& name);
  bool DeleteValue(const std::string& name);
  std::vector<std::string> GetValueNames();
  std::vector<std::string> GetKeyNames();

  void WriteString(const std::string& name, const std::string& text);
  void WriteInteger(const std::string& name, std::int32_t value);
  void WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }

  // Typed reads: throw when the value is missing or of another type.
  std::string ReadString(const std::string& name);
  std::int32_t ReadInteger(const std::string& name);

 protected:
  // One query answers both existence and type, so the safe reads cost a
  // single round trip to the system.
  bool Query(const std::string& name, tregvalue& value);

 private:
  tregkeyhandle& Current(const std::string& what);
  tregistrybackend& backend_;
  std::unique_ptr<tregkeyhandle> current_;
};

class TSafeRegistry : public TRegistry {
 public:
  using TRegistry::TRegistry;
  std::string ReadStringDef(const std::string& name, const std::string& def);
  std::int32_t ReadIntegerDef(const std::string& name, std::int32_t def);
  bool ReadBoolDef(const std::string& name, bool def);
};

// Decoding shared by the typed and the safe reads; false on a type mismatch.
bool DecodeRegistryString(const tregvalue& value, std::string& text);
bool DecodeRegistryInteger(const tregvalue& value, std::int32_t& number);

}  // namespace zv
