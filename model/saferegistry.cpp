#include "model/saferegistry.h"

#include <cstring>

namespace zv {

bool DecodeRegistryString(const tregvalue& value, std::string& text) {
  if (value.Type != rtString && value.Type != rtExpandString) return false;
  // Stored strings end at their first zero byte; no expansion is done.
  size_t end = value.Data.find('\0');
  text = value.Data.substr(0, end == std::string::npos ? value.Data.size() : end);
  return true;
}

bool DecodeRegistryInteger(const tregvalue& value, std::int32_t& number) {
  if (value.Type != rtDWord || value.Data.size() > 4) return false;
  std::uint32_t raw = 0;
  for (size_t i = 0; i < value.Data.size(); ++i)
    raw |= static_cast<std::uint32_t>(static_cast<unsigned char>(value.Data[i])) << (8 * i);
  number = static_cast<std::int32_t>(raw);
  return true;
}

bool TRegistry::OpenKey(const std::string& path, bool canCreate) {
  CloseKey();
  current_ = backend_.OpenKey(path, canCreate);
  return current_ != nullptr;
}

tregkeyhandle& TRegistry::Current(const std::string& what) {
  if (!current_) throw ERegistryException("No key is open for " + what);
  return *current_;
}

bool TRegistry::Query(const std::string& name, tregvalue& value) {
  return current_ && backend_.QueryValue(*current_, name, value);
}

bool TRegistry::ValueExists(const std::string& name) {
  tregvalue v;
  return Query(name, v);
}

bool TRegistry::DeleteValue(const std::string& name) {
  return current_ && backend_.DeleteValue(*current_, name);
}

std::vector<std::string> TRegistry::GetValueNames() {
  return current_ ? backend_.ValueNames(*current_) : std::vector<std::string>{};
}

std::vector<std::string> TRegistry::GetKeyNames() {
  return current_ ? backend_.SubKeyNames(*current_) : std::vector<std::string>{};
}

void TRegistry::WriteString(const std::string& name, const std::string& text) {
  std::string data = text;
  data.push_back('\0');
  if (!backend_.SetValue(Current(name), name, rtString, data))
    throw ERegistryException("Failed to set data for '" + name + "'");
}

void TRegistry::WriteInteger(const std::string& name, std::int32_t value) {
  std::uint32_t raw = static_cast<std::uint32_t>(value);
  std::string data(4, '\0');
  for (int i = 0; i < 4; ++i) data[i] = static_cast<char>((raw >> (8 * i)) & 0xFF);
  if (!backend_.SetValue(Current(name), name, rtDWord, data))
    throw ERegistryException("Failed to set data for '" + name + "'");
}

std::string TRegistry::ReadString(const std::string& name) {
  tregvalue v;
  std::string text;
  if (!backend_.QueryValue(Current(name), name, v) || !DecodeRegistryString(v, text))
    throw ERegistryException("Invalid data type for '" + name + "'");
  return text;
}

std::int32_t TRegistry::ReadInteger(const std::string& name) {
  tregvalue v;
  std::int32_t n = 0;
  if (!backend_.QueryValue(Current(name), name, v) || !DecodeRegistryInteger(v, n))
    throw ERegistryException("Invalid data type for '" + name + "'");
  return n;
}

std::string TSafeRegistry::ReadStringDef(const std::string& name, const std::string& def) {
  tregvalue v;
  std::string text;
  if (!Query(name, v) || !DecodeRegistryString(v, text)) return def;
  return text;
}

std::int32_t TSafeRegistry::ReadIntegerDef(const std::string& name, std::int32_t def) {
  tregvalue v;
  std::int32_t n = 0;
  if (!Query(name, v) || !DecodeRegistryInteger(v, n)) return def;
  return n;
}

bool TSafeRegistry::ReadBoolDef(const std::string& name, bool def) {
  tregvalue v;
  std::int32_t n = 0;
  if (!Query(name, v) || !DecodeRegistryInteger(v, n)) return def;
  return n != 0;
}

}  // namespace zv
