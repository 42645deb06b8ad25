#include "app/sendto.h"

#include <cstring>
#include <unordered_map>
#include <vector>

#include "app/launcher.h"
#include "app/sendtocleanup.h"
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

// Characters a file name may not hold become "_".
std::string Replaced(const std::string& caption) {
  std::string name;
  name.reserve(caption.size() + 5);
  for (char c : caption) {
    const bool control = static_cast<unsigned char>(c) < 32;
    name += (control || std::strchr("\\/:*?\"<>|", c)) ? '_' : c;
  }
  return name;
}

// A name that stays a plain entry of its folder: "_" for none, "_" before a device name.
std::string PlainName(std::string name) {
  if (name.empty()) name = "_";
  if (IsDeviceName(name)) name.insert(0, "_");
  return name;
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

std::string SendToLinkName(const std::string& caption) { return PlainName(Replaced(caption)) + ".lnk"; }

std::string SendToFolderName(const std::string& caption) {
  std::string name = Replaced(caption);
  // The system drops them: "Tools." would be "Tools", and ".." the folder above.
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
  return PlainName(std::move(name));
}

bool ReadOwnSendToLink(tfilesystem& files, const std::string& path, tshelllinkfile& link) {
  return EndsWithLnk(path) && ReadShellLinkFile(files.ReadFileStart(path, 64 * 1024), link) &&
         link.Description == SendToLinkDescription;
}

bool IsOwnSendToLink(tfilesystem& files, const std::string& path) {
  tshelllinkfile link;
  return ReadOwnSendToLink(files, path, link);
}

void ClearSendToFolder(tregistrybackend& registry, tfilesystem& files) {
  const std::string folder = GetSendToFolder(registry);
  if (folder.empty()) return;
  RemoveOwnSendToLinks(files, folder, [](const std::string&, const tshelllinkfile&, std::uint32_t) {
    return false;
  });
  files.RemoveFolder(folder);
}

namespace {

// Which wanted links are there already as they would be written: an own
// link that holds it under exactly its name (a name that differs only in
// letter case is a renamed caption or group, written again). Every other
// own link goes.
std::vector<bool> KeepCurrentLinks(tfilesystem& files, const std::string& folder,
                                   const std::vector<tsendtolink>& wanted) {
  std::unordered_map<std::string, std::size_t> byName;
  for (std::size_t i = 0; i < wanted.size(); ++i) byName.emplace(UpperAscii(wanted[i].Name), i);
  std::vector<bool> current(wanted.size(), false);
  const auto keep = [&](const std::string& name, const tshelllinkfile& link, std::uint32_t attributes) {
    const auto it = byName.find(UpperAscii(name));
    if (it == byName.end() || current[it->second]) return false;
    const tsendtolink& w = wanted[it->second];
    if (name != w.Name || !SendToLinkIsCurrent(link, attributes, w.Link)) return false;
    current[it->second] = true;
    return true;
  };
  RemoveOwnSendToLinks(files, folder, keep);
  return current;
}

// Makes the group folders above name (a path below folder) that are not
// there yet, and notes them in made.
void MakeGroupFolders(tfilesystem& files, const std::string& folder, const std::string& name,
                      std::vector<std::string>& made) {
  for (std::size_t cut = name.find('\\'); cut != std::string::npos; cut = name.find('\\', cut + 1)) {
    const std::string path = folder + name.substr(0, cut + 1);
    if (files.DirectoryExists(path) || !files.CreateFolders(path)) continue;
    made.push_back(path);
  }
}

// Writes the wanted links that are not current. A group folder made here
// that none of its links could be saved in goes again, so no empty submenu
// is left behind.
tsendtooutcome WriteSendToLinks(tfilesystem& files, tshell& shell, const std::string& folder,
                                const std::vector<tsendtolink>& wanted,
                                const std::vector<bool>& current) {
  tsendtooutcome outcome = tsendtooutcome::Done;
  std::vector<std::string> made;
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    if (current[i]) continue;
    MakeGroupFolders(files, folder, wanted[i].Name, made);
    // Of two captions that name one file, the later link replaces the
    // earlier; a file of the user's that has the name is left as it is.
    const std::string file = folder + wanted[i].Name;
    if (files.FileExists(file) && IsOwnSendToLink(files, file)) files.RemoveFile(file);
    // A link that cannot be saved is left out; the others are still made.
    if (shell.SaveLink(wanted[i].Link, file) == tlinksave::ObjectFailed) {
      outcome = tsendtooutcome::LinkObjectFailed;
      break;
    }
  }
  for (auto it = made.rbegin(); it != made.rend(); ++it) files.RemoveFolder(*it);
  return outcome;
}

}  // namespace

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
  const std::vector<bool> current = KeepCurrentLinks(files, folder, wanted);
  files.CreateFolders(folder);
  return WriteSendToLinks(files, shell, folder, wanted, current);
}

}  // namespace zv
