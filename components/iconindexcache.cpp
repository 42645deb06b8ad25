#include "components/iconindexcache.h"

namespace zv {

std::string ticonindexcache::Key(const std::string& path, ticoncachesize size) {
  // The size first: a path may hold any character but never a leading one
  // of its own before the separator.
  return std::to_string(static_cast<int>(size)) + '|' + path;
}

std::int32_t ticonindexcache::Find(const std::string& path, ticoncachesize size) const {
  std::lock_guard<std::mutex> hold(lock_);
  const auto it = indexes_.find(Key(path, size));
  return it == indexes_.end() ? UnknownIconIndex : it->second;
}

void ticonindexcache::Store(const std::string& path, std::int32_t index, ticoncachesize size) {
  if (index < 0) return;  // an unknown index is no answer
  std::lock_guard<std::mutex> hold(lock_);
  indexes_[Key(path, size)] = index;
}

std::size_t ticonindexcache::Count() const {
  std::lock_guard<std::mutex> hold(lock_);
  return indexes_.size();
}

ticonindexcache& ProcessIconCache() {
  // Never destroyed: a lookup still running when the program ends may
  // store into it.
  static ticonindexcache* cache = new ticonindexcache;
  return *cache;
}

}  // namespace zv
