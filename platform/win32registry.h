#pragma once
// The real registry: HKEY_CURRENT_USER through the ANSI advapi32 calls.
#include "model/registrybackend.h"

namespace zv {

class twin32registry : public tregistrybackend {
 public:
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
};

// The process's registry.
twin32registry& ProcessRegistry();

}  // namespace zv
