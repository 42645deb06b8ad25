#include "model/expandedshortcut.h"
#include "app/sendtolinks.h"

#include <algorithm>
#include <unordered_map>

#include "core/filesystem.h"
#include "core/iconlocation.h"
#include "app/launcher.h"
#include "app/sendto.h"
#include "core/textutil.h"

namespace zv {

namespace {

bool IsAscii(const std::string& text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// The show command a link without one opens with.
constexpr std::uint32_t LinkDefaultShowCommand = 1;

// The folders of the groups open at a point of the list, by level: "" (the
// subfolder itself) at 0. A level deeper than the groups open stands in the
// deepest, as the list fits levels.
class tgroupfolders {
 public:
  const std::string& Of(std::uint8_t level) const { return open_[Fitted(level)]; }
  void Open(const tzvshortcut& group) {
    const std::size_t level = Fitted(group.Level);
    open_.resize(level + 1);
    const std::string path = open_[level] + SendToFolderName(group.Caption) + "\\";
    // Two groups of one name in one place share its folder, as the shell
    // could show only one; spelled as the first.
    open_.push_back(spelled_.emplace(UpperAscii(path), path).first->second);
  }

 private:
  std::size_t Fitted(std::uint8_t level) const { return std::min<std::size_t>(level, open_.size() - 1); }
  std::vector<std::string> open_{""};
  std::unordered_map<std::string, std::string> spelled_;
};

tshelllink LinkOf(const tzvshortcut& s, const std::string& description) {
  tshelllink link;
  // Only the maximized style is written; the link's default opens normally.
  if (s.ViewStyle == vsMaximized) link.ShowCommand = ViewStyleToShowCommand(s.ViewStyle);
  link.Path = s.Path;
  if (s.ShortcutType == stApplication) {
    link.Arguments = s.Parameters;
    link.WorkingDirectory = s.WorkingDir;
  }
  link.Description = description;
  ticonlocation icon;
  if (ParseIconLocation(s.Icon, icon)) {
    link.IconFile = icon.File;
    link.IconIndex = icon.Index;
  }
  return link;
}

}  // namespace

std::vector<tsendtolink> WantedSendToLinks(const tzvshortcutlist& list, const std::string& description,
                                           tenvironment* environment) {
  std::vector<tsendtolink> links;
  std::unordered_map<std::string, std::size_t> byName;
  tgroupfolders groups;
  for (std::int32_t i = 0; i < list.Count(); ++i) {
    const tzvshortcut& stored = *list.GetItem(i);
    if (stored.IsGroup()) groups.Open(stored);
    if (stored.ShortcutType != stApplication && stored.ShortcutType != stFolder) continue;
    const tzvshortcut s = environment ? ExpandedShortcut(stored, *environment) : stored;
    tsendtolink l{groups.Of(s.Level) + SendToLinkName(s.Caption), LinkOf(s, description)};
    // File names do not tell letter case apart: the later shortcut wins.
    const auto [at, fresh] = byName.emplace(UpperAscii(l.Name), links.size());
    if (fresh)
      links.push_back(std::move(l));
    else
      links[at->second] = std::move(l);
  }
  return links;
}

bool SendToLinkIsCurrent(const tshelllinkfile& existing, std::uint32_t attributes, const tshelllink& wanted) {
  if (attributes & (faReadOnly | faHidden | faSystem)) return false;
  if (existing.NonAscii || !IsAscii(wanted.Arguments) || !IsAscii(wanted.WorkingDirectory) ||
      !IsAscii(wanted.Description) || !IsAscii(wanted.IconFile))
    return false;
  const std::uint32_t show = wanted.ShowCommand ? static_cast<std::uint32_t>(wanted.ShowCommand)
                                                : LinkDefaultShowCommand;
  // The shell keeps the path as the file system spells it, which may differ
  // in letter case only: the same file.
  return existing.ShowCommand == show && !existing.TargetPath.empty() &&
         SameTextAscii(existing.TargetPath, wanted.Path) && existing.Arguments == wanted.Arguments &&
         existing.WorkingDirectory == wanted.WorkingDirectory && existing.Description == wanted.Description &&
         SameTextAscii(existing.IconLocation, wanted.IconFile) &&
         (wanted.IconFile.empty() || existing.IconIndex == wanted.IconIndex);
}

}  // namespace zv
