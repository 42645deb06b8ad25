#pragma once
// Which entries the typed text finds, best first. Every word of the text
// (between white space) must turn up, without regard to case, in the
// entry's caption, the name of a group around it or its path's file name.
#include <cstdint>
#include <string_view>
#include <vector>

#include "model/findindex.h"

namespace zv {

// How an entry was found, best first; an entry ranks by its weakest word.
enum class tfindtier : std::uint8_t {
  Listed = 0,            // no words typed: every candidate
  CaptionWordStart = 1,  // each word at the start of a word of the caption
  Caption = 2,           // each word somewhere in the caption
  GroupName = 3,         // some word only in a group's name
  FileName = 4,          // some word only in the path's file name
};

struct tfindresult {
  std::int32_t Index = 0;  // in the list
  tfindtier Tier = tfindtier::Listed;
};

// Only this much of the typed text, as UTF-8, counts: far more than anyone
// types to find an entry, and a bound on the work of a keystroke.
inline constexpr std::size_t MaxTypedBytes = 256;

// typed is in the index's code page. Better tiers first, list order within
// a tier; no words give every candidate in list order.
std::vector<tfindresult> FindEntries(const tfindindex& index, std::string_view typed);

}  // namespace zv
