#pragma once
// Icon indexes of paths in the shell's system image list, remembered for the
// whole run and shared by the shortcut menu and the editor, so a path is
// asked of the shell once. Safe to use from any thread.
#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>

#include "components/shellimages.h"

namespace zv {

// The size an index is kept for. The system list's two sizes share their
// indexes, so today both map to one key; a size with indexes of its own
// gets its key here and nowhere else.
enum class ticoncachesize : int { SystemList = 0 };
inline constexpr ticoncachesize IconCacheSizeOf(TImageSize) { return ticoncachesize::SystemList; }

// What Find answers for a path not looked up yet; never drawn.
inline constexpr std::int32_t UnknownIconIndex = -1;

class ticonindexcache {
 public:
  // The index of path (as the shell is asked for it), or UnknownIconIndex.
  std::int32_t Find(const std::string& path, ticoncachesize size = ticoncachesize::SystemList) const;
  void Store(const std::string& path, std::int32_t index,
             ticoncachesize size = ticoncachesize::SystemList);
  std::size_t Count() const;

 private:
  static std::string Key(const std::string& path, ticoncachesize size);
  mutable std::mutex lock_;
  std::unordered_map<std::string, std::int32_t> indexes_;
};

// The program's one cache: the menu and the editor share it.
ticonindexcache& ProcessIconCache();

}  // namespace zv
