#include "platform/win32registry.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/runningunderwine.h"

namespace zv {

namespace {

class win32key : public tregkeyhandle {
 public:
  explicit win32key(HKEY k) : Key(k) {}
  ~win32key() override { RegCloseKey(Key); }
  HKEY Key;
};

HKEY Raw(tregkeyhandle& key) { return static_cast<win32key&>(key).Key; }

// Names as the A calls give them: the system's limits count UTF-16 units,
// and a unit may take three bytes in UTF-8.
const DWORD KeyNameBytes = 255 * 3 + 1;
const DWORD ValueNameBytes = 16383 * 3 + 1;

// The system wants paths relative to the root, without a leading backslash.
std::string Relative(const std::string& path) {
  size_t begin = path.find_first_not_of('\\');
  if (begin == std::string::npos) return std::string();
  size_t end = path.find_last_not_of('\\');
  return path.substr(begin, end - begin + 1);
}

bool DeleteTree(HKEY parent, const std::string& name) {
  HKEY key;
  if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return false;
  // Subkeys first: deleting a key with children is refused by the system.
  for (;;) {
    std::string child(KeyNameBytes, '\0');
    DWORD len = KeyNameBytes;
    if (RegEnumKeyExA(key, 0, child.data(), &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    child.resize(len);
    if (!DeleteTree(key, child)) {
      RegCloseKey(key);
      return false;
    }
  }
  RegCloseKey(key);
  return RegDeleteKeyA(parent, name.c_str()) == ERROR_SUCCESS;
}

bool CopyTree(HKEY from, HKEY to) {
  DWORD maxName = 0, maxData = 0;
  if (RegQueryInfoKeyA(from, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &maxName,
                       &maxData, nullptr, nullptr) != ERROR_SUCCESS)
    return false;
  // Buffers sized once, so each value costs one read and one write. The
  // sizes count UTF-16; a text in UTF-8 may take half as much again, so the
  // data buffer grows when a value needs it.
  std::vector<char> name(ValueNameBytes);
  std::vector<BYTE> data(maxData + maxData / 2 + 4);
  for (DWORD i = 0;; ++i) {
    DWORD nameLen = static_cast<DWORD>(name.size()), type = 0, size = static_cast<DWORD>(data.size());
    LONG r = RegEnumValueA(from, i, name.data(), &nameLen, nullptr, &type, data.data(), &size);
    if (r == ERROR_MORE_DATA && data.size() < (1u << 28)) {
      data.resize(std::max<size_t>(data.size() * 2, size + 1));
      --i;
      continue;
    }
    if (r == ERROR_NO_MORE_ITEMS) break;
    if (r != ERROR_SUCCESS || RegSetValueExA(to, name.data(), 0, type, data.data(), size) != ERROR_SUCCESS)
      return false;
  }
  for (DWORD i = 0;; ++i) {
    std::string name(KeyNameBytes, '\0');
    DWORD len = KeyNameBytes;
    LONG r = RegEnumKeyExA(from, i, name.data(), &len, nullptr, nullptr, nullptr, nullptr);
    if (r == ERROR_NO_MORE_ITEMS) break;
    if (r != ERROR_SUCCESS) return false;
    name.resize(len);
    HKEY src, dst;
    if (RegOpenKeyExA(from, name.c_str(), 0, KEY_READ, &src) != ERROR_SUCCESS) return false;
    if (RegCreateKeyExA(to, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &dst, nullptr) !=
        ERROR_SUCCESS) {
      RegCloseKey(src);
      return false;
    }
    bool ok = CopyTree(src, dst);
    RegCloseKey(src);
    RegCloseKey(dst);
    if (!ok) return false;
  }
  return true;
}

// Copies oldName to newName below parent, then removes the original; on
// failure the copy goes and the original stays.
bool CopyRename(HKEY parent, const std::string& oldName, const std::string& newName) {
  HKEY src, dst;
  if (RegOpenKeyExA(parent, oldName.c_str(), 0, KEY_READ, &src) != ERROR_SUCCESS) return false;
  bool ok = false;
  if (RegCreateKeyExA(parent, newName.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &dst, nullptr) ==
      ERROR_SUCCESS) {
    ok = CopyTree(src, dst);
    RegCloseKey(dst);
  }
  RegCloseKey(src);
  if (ok) return DeleteTree(parent, oldName);
  DeleteTree(parent, newName);
  return false;
}

// RegRenameKey, found at run time (Windows Vista and later).
long SystemRename(void* parent, const wchar_t* oldName, const wchar_t* newName) {
  typedef LONG(WINAPI * renamefn)(HKEY, LPCWSTR, LPCWSTR);
  static const renamefn rename = [] {
    HMODULE advapi = GetModuleHandleA("advapi32.dll");
    return advapi ? reinterpret_cast<renamefn>(reinterpret_cast<void (*)()>(GetProcAddress(advapi, "RegRenameKey")))
                  : nullptr;
  }();
  return rename ? rename(static_cast<HKEY>(parent), oldName, newName) : ERROR_CALL_NOT_IMPLEMENTED;
}

std::wstring Wide(const std::string& s) {
  int n = MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, nullptr, 0);
  std::wstring w(n > 0 ? n : 1, L'\0');
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, &w[0], n);
  return w;
}

}  // namespace

// Wine 8's RegRenameKey leaves the parent's index of subkeys stale (siblings
// are no longer found and the server may crash), so there the key is copied.
twin32registry::twin32registry() : rename_(RunningUnderWine() ? nullptr : SystemRename) {}

twin32registry& ProcessRegistry() {
  static twin32registry registry;
  return registry;
}

bool twin32registry::KeyExists(const std::string& path) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, Relative(path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

std::unique_ptr<tregkeyhandle> twin32registry::OpenKey(const std::string& path, bool create) {
  HKEY key;
  LONG r = create ? RegCreateKeyExA(HKEY_CURRENT_USER, Relative(path).c_str(), 0, nullptr, 0,
                                    KEY_ALL_ACCESS, nullptr, &key, nullptr)
                  : RegOpenKeyExA(HKEY_CURRENT_USER, Relative(path).c_str(), 0, KEY_ALL_ACCESS, &key);
  if (r != ERROR_SUCCESS) return nullptr;
  return std::make_unique<win32key>(key);
}

bool twin32registry::DeleteKey(const std::string& path) {
  std::string rel = Relative(path);
  if (rel.empty()) return false;
  return DeleteTree(HKEY_CURRENT_USER, rel);
}

bool twin32registry::RenameKey(const std::string& path, const std::string& newName) {
  std::string rel = Relative(path);
  if (rel.empty() || newName.empty() || newName.find('\\') != std::string::npos) return false;
  size_t slash = rel.find_last_of('\\');
  std::string parentPath = slash == std::string::npos ? std::string() : rel.substr(0, slash);
  std::string oldName = slash == std::string::npos ? rel : rel.substr(slash + 1);

  HKEY parent;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, parentPath.c_str(), 0, KEY_ALL_ACCESS, &parent) !=
      ERROR_SUCCESS)
    return false;
  bool ok = false;
  HKEY probe;
  if (RegOpenKeyExA(parent, newName.c_str(), 0, KEY_READ, &probe) == ERROR_SUCCESS) {
    RegCloseKey(probe);  // the new name is taken
  } else {
    // Whatever the rename answers short of success, the copy still puts the
    // key in place: a list must never be left under its staging name.
    ok = (rename_ && rename_(parent, Wide(oldName).c_str(), Wide(newName).c_str()) == ERROR_SUCCESS) ||
         CopyRename(parent, oldName, newName);
  }
  RegCloseKey(parent);
  return ok;
}

bool twin32registry::QueryValue(tregkeyhandle& key, const std::string& name, tregvalue& out) {
  // One call for the usual small value; a second only for larger data.
  BYTE buffer[512];
  DWORD type = 0, size = sizeof(buffer);
  LONG r = RegQueryValueExA(Raw(key), name.c_str(), nullptr, &type, buffer, &size);
  if (r == ERROR_SUCCESS) {
    out.Type = type;
    out.Data.assign(reinterpret_cast<char*>(buffer), size);
    return true;
  }
  if (r != ERROR_MORE_DATA) return false;
  // The size asked for may count UTF-16 and fall short of the UTF-8 text.
  DWORD want = std::max<DWORD>(size, sizeof(buffer) * 2);
  for (int attempt = 0; attempt < 8; ++attempt) {
    std::vector<BYTE> big(want);
    size = want;
    r = RegQueryValueExA(Raw(key), name.c_str(), nullptr, &type, big.data(), &size);
    if (r == ERROR_SUCCESS) {
      out.Type = type;
      out.Data.assign(reinterpret_cast<char*>(big.data()), size);
      return true;
    }
    if (r != ERROR_MORE_DATA) return false;
    want = std::max<DWORD>(size, want * 2);
  }
  return false;
}

bool twin32registry::SetValue(tregkeyhandle& key, const std::string& name, std::uint32_t type,
                              const std::string& data) {
  return RegSetValueExA(Raw(key), name.c_str(), 0, type,
                        reinterpret_cast<const BYTE*>(data.data()),
                        static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool twin32registry::DeleteValue(tregkeyhandle& key, const std::string& name) {
  return RegDeleteValueA(Raw(key), name.c_str()) == ERROR_SUCCESS;
}

std::vector<std::string> twin32registry::ValueNames(tregkeyhandle& key) {
  std::vector<std::string> names;
  std::vector<char> name(ValueNameBytes);
  for (DWORD i = 0;; ++i) {
    DWORD len = ValueNameBytes;
    if (RegEnumValueA(Raw(key), i, name.data(), &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    names.emplace_back(name.data(), len);
  }
  return names;
}

std::vector<std::string> twin32registry::SubKeyNames(tregkeyhandle& key) {
  std::vector<std::string> names;
  for (DWORD i = 0;; ++i) {
    char name[KeyNameBytes];
    DWORD len = KeyNameBytes;
    if (RegEnumKeyExA(Raw(key), i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    names.emplace_back(name, len);
  }
  return names;
}

}  // namespace zv
