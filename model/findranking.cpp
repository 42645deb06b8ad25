#include "model/findranking.h"

#include <algorithm>
#include <array>

#include "core/substringfinder.h"

namespace zv {

namespace {

constexpr int TierCount = 5;
constexpr int NoMatch = TierCount;

std::vector<tsubstringfinder> TypedWords(const tfindindex& index, std::string_view typed) {
  std::string utf8 = index.Page().ToUtf8(typed);
  if (utf8.size() > MaxTypedBytes) {
    std::size_t cut = MaxTypedBytes;
    while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80) --cut;
    utf8.resize(cut);
  }
  std::vector<tsubstringfinder> words;
  for (std::string& w : SearchWords(utf8)) words.emplace_back(std::move(w));
  return words;
}

// hits[g * words + w]: group g, or one around it, holds word w. Parents come
// first, so one pass settles every group.
std::vector<bool> GroupHits(const tfindindex& index, const std::vector<tsubstringfinder>& words) {
  const std::size_t n = words.size();
  const std::vector<tfindgroup>& groups = index.Groups();
  std::vector<bool> hits(groups.size() * n);
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const std::int32_t parent = groups[g].Parent;
    for (std::size_t w = 0; w < n; ++w)
      hits[g * n + w] = (parent >= 0 && hits[static_cast<std::size_t>(parent) * n + w]) ||
                        words[w].In(groups[g].FoldedCaption);
  }
  return hits;
}

// CaptionWordStart, Caption or NoMatch.
int CaptionTier(const tsearchtext& caption, const tsubstringfinder& word) {
  bool found = false;
  std::size_t next = 0;  // the first word start not before the occurrence
  const bool atStart = word.FindIf(caption.Text, [&](std::size_t at) {
    found = true;
    while (next < caption.WordStarts.size() && caption.WordStarts[next] < at) ++next;
    return next < caption.WordStarts.size() && caption.WordStarts[next] == at;
  });
  if (atStart) return static_cast<int>(tfindtier::CaptionWordStart);
  return found ? static_cast<int>(tfindtier::Caption) : NoMatch;
}

int WordTier(const tfindentry& entry, const tsubstringfinder& word, bool inGroup) {
  const int tier = CaptionTier(entry.FoldedCaption, word);
  if (tier != NoMatch) return tier;
  if (inGroup) return static_cast<int>(tfindtier::GroupName);
  return word.In(entry.FoldedFileName) ? static_cast<int>(tfindtier::FileName) : NoMatch;
}

int EntryTier(const tfindentry& entry, const std::vector<tsubstringfinder>& words, const std::vector<bool>& groupHits) {
  int worst = static_cast<int>(tfindtier::Listed);
  for (std::size_t w = 0; w < words.size() && worst != NoMatch; ++w) {
    const bool inGroup = entry.Group >= 0 && groupHits[static_cast<std::size_t>(entry.Group) * words.size() + w];
    worst = std::max(worst, WordTier(entry, words[w], inGroup));
  }
  return worst;
}

}  // namespace

std::vector<tfindresult> FindEntries(const tfindindex& index, std::string_view typed) {
  const std::vector<tsubstringfinder> words = TypedWords(index, typed);
  const std::vector<bool> groupHits = GroupHits(index, words);
  // One bucket per tier keeps list order inside each without sorting.
  std::array<std::vector<std::int32_t>, TierCount> buckets;
  for (const tfindentry& entry : index.Entries()) {
    const int tier = EntryTier(entry, words, groupHits);
    if (tier != NoMatch) buckets[static_cast<std::size_t>(tier)].push_back(entry.Index);
  }
  std::vector<tfindresult> results;
  for (int tier = 0; tier < TierCount; ++tier)
    for (std::int32_t i : buckets[static_cast<std::size_t>(tier)]) results.push_back({i, static_cast<tfindtier>(tier)});
  return results;
}

}  // namespace zv
