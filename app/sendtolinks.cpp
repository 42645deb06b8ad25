#include "model/expandedshortcut.h"
#include "app/sendtolinks.h"

#include <unordered_map>

#include "core/filesystem.h"
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

}  // namespace

std::vector<tsendtolink> WantedSendToLinks(const tzvshortcutlist& list, const std::string& description,
                                           tenvironment* environment) {
  std::vector<tsendtolink> links;
  std::unordered_map<std::string, std::size_t> byName;
  for (std::int32_t i = 0; i < list.Count(); ++i) {
    const tzvshortcut& stored = *list.GetItem(i);
    if (stored.ShortcutType != stApplication && stored.ShortcutType != stFolder) continue;
    const tzvshortcut s = environment ? ExpandedShortcut(stored, *environment) : stored;
    tsendtolink l;
    l.Name = SendToLinkName(s.Caption);
    // Only the maximized style is written; the link's default opens normally.
    if (s.ViewStyle == vsMaximized) l.Link.ShowCommand = ViewStyleToShowCommand(s.ViewStyle);
    l.Link.Path = s.Path;
    if (s.ShortcutType == stApplication) {
      l.Link.Arguments = s.Parameters;
      l.Link.WorkingDirectory = s.WorkingDir;
    }
    l.Link.Description = description;
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
      !IsAscii(wanted.Description))
    return false;
  const std::uint32_t show = wanted.ShowCommand ? static_cast<std::uint32_t>(wanted.ShowCommand)
                                                : LinkDefaultShowCommand;
  // The shell keeps the path as the file system spells it, which may differ
  // in letter case only: the same file.
  return existing.ShowCommand == show && !existing.TargetPath.empty() &&
         SameTextAscii(existing.TargetPath, wanted.Path) && existing.Arguments == wanted.Arguments &&
         existing.WorkingDirectory == wanted.WorkingDirectory && existing.Description == wanted.Description;
}

}  // namespace zv
