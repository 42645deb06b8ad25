#pragma once
// The real registry: HKEY_CURRENT_USER through the ANSI advapi32 calls.
#include "model/registrybackend.h"

namespace zv {

class twin32registry : public tregistrybackend {
 public:
  // Renames the key oldName below parent (an HKEY) in place; answers a Win32
  // error code. Null: every rename copies.
  using tkeyrename = long (*)(void* parent, const wchar_t* oldName, const wchar_t* newName);

  // With the system's RegRenameKey where it can be trusted.
  twin32registry();
  explicit twin32registry(tkeyrename rename) : rename_(rename) {}

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

 private:
  tkeyrename rename_;
};

// The process's registry.
twin32registry& ProcessRegistry();

}  // namespace zv
