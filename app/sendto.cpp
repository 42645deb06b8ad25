#include "app/sendto.h"

#include <cstring>
#include <unordered_map>
#include <vector>

#include "app/launcher.h"
#include "app/sendtolinks.h"
#include "app/shelllinkfile.h"
#include "model/saferegistry.h"
#include "core/textutil.h"

namespace zv {

namespace {

bool IsAbsolutePath(const std::string& path) {
  const bool drive = path.size() >= 2 && path[1] == ':' &&
                     ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  const bool unc = path.size() > 2 && path[0] == '\\' && path[1] == '\\';
  return drive || unc;
}

bool EndsWithLnk(const std::string& name) {
  return name.size() >= 4 && SameTextAscii(std::string_view(name).substr(name.size() - 4), ".lnk");
}

// CON, PRN, AUX, NUL, CONIN$, CONOUT$, COM1..9 and LPT1..9 (with the
// superscript digits the system counts too) name devices whatever follows
// the first dot.
bool IsDeviceName(const std::string& name) {
  std::string base = UpperAscii(name.substr(0, name.find('.')));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL" || base == "CONIN$" ||
      base == "CONOUT$")
    return true;
  if (base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0)) {
    const unsigned char d = static_cast<unsigned char>(base[3]);
    return (d >= '1' && d <= '9') || d == 0xB9 || d == 0xB2 || d == 0xB3;
  }
  return false;
}

}  // namespace

std::string GetSendToFolder(tregistrybackend& registry) {
  TSafeRegistry reg(registry);
  std::string folder;
  if (reg.OpenKey(ShellFoldersKey, false)) {
    folder = reg.ReadStringDef("SendTo", "");
    reg.CloseKey();
  }
  // Without a real folder the subfolder would be "\Zorvane\" on the current
  // drive or relative to the current directory: someone else's files.
  if (!IsAbsolutePath(folder)) return std::string();
  if (folder.back() != '\\') folder += '\\';
  return folder + "Zorvane\\";
}

std::string SendToLinkName(const std::string& caption) {
  std::string name;
  name.reserve(caption.size() + 5);
  for (char c : caption) {
    const bool control = static_cast<unsigned char>(c) < 32;
    name += (control || std::strchr("\\/:*?\"<>|", c)) ? '_' : c;
  }
  if (name.empty()) name = "_";
  if (IsDeviceName(name)) name.insert(0, "_");
  return name + ".lnk";
}

bool IsOwnSendToLink(tfilesystem& files, const std::string& path) {
  if (!EndsWithLnk(path)) return false;
  tshelllinkfile link;
  return ReadShellLinkFile(files.ReadFileStart(path, 64 * 1024), link) &&
         link.Description == SendToLinkDescription;
}

void ClearSendToFolder(tregistrybackend& registry, tfilesystem& files) {
  const std::string folder = GetSendToFolder(registry);
  if (folder.empty()) return;
  for (const tfileentry& entry : files.ListFiles(folder)) {
    const std::string path = folder + entry.Name;
    if (!IsOwnSendToLink(files, path)) continue;
    if (entry.Attributes & faReadOnly) files.SetAttributes(path, entry.Attributes & ~faReadOnly);
    files.RemoveFile(path);
  }
  files.RemoveFolder(folder);
}

tsendtooutcome RebuildSendTo(const tzvshortcutlist& list, const tsettings& settings,
                             tregistrybackend& registry, tfilesystem& files, tshell& shell,
                             tenvironment* environment) {
  const std::string folder = GetSendToFolder(registry);
  if (folder.empty()) return tsendtooutcome::NoFolder;
  if (!settings.UseSendToMenu) {
    ClearSendToFolder(registry, files);
    return tsendtooutcome::Off;
  }
  const std::vector<tsendtolink> wanted = WantedSendToLinks(list, SendToLinkDescription, environment);
  std::unordered_map<std::string, std::size_t> byName;
  for (std::size_t i = 0; i < wanted.size(); ++i) byName.emplace(UpperAscii(wanted[i].Name), i);
  // An own link that already holds what it would be written with stays
  // untouched; own links no longer wanted or changed go.
  std::vector<bool> current(wanted.size(), false);
  for (const tfileentry& entry : files.ListFiles(folder)) {
    if (!EndsWithLnk(entry.Name)) continue;
    const std::string path = folder + entry.Name;
    tshelllinkfile link;
    if (!ReadShellLinkFile(files.ReadFileStart(path, 64 * 1024), link) ||
        link.Description != SendToLinkDescription)
      continue;
    // A name that differs only in letter case is a renamed caption: the
    // link is written again under the new spelling.
    const auto it = byName.find(UpperAscii(entry.Name));
    if (it != byName.end() && !current[it->second] && entry.Name == wanted[it->second].Name &&
        SendToLinkIsCurrent(link, entry.Attributes, wanted[it->second].Link)) {
      current[it->second] = true;
      continue;
    }
    if (entry.Attributes & faReadOnly) files.SetAttributes(path, entry.Attributes & ~faReadOnly);
    files.RemoveFile(path);
  }
  files.CreateFolders(folder);
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    if (current[i]) continue;
    // Of two captions that name one file, the later link replaces the
    // earlier; a file of the user's that has the name is left as it is.
    const std::string file = folder + wanted[i].Name;
    if (files.FileExists(file) && IsOwnSendToLink(files, file)) files.RemoveFile(file);
    // A link that cannot be saved is left out; the others are still made.
    if (shell.SaveLink(wanted[i].Link, file) == tlinksave::ObjectFailed)
      return tsendtooutcome::LinkObjectFailed;
  }
  return tsendtooutcome::Done;
}

}  // namespace zv
