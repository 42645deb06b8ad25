#pragma once
// The program's subfolder of the user's "Send to" menu: one shell link per
// application and folder shortcut, in a folder of its own for each group
// (the shell shows it as a submenu), rebuilt from the list as a whole.
#include <string>

#include "core/environment.h"
#include "core/filesystem.h"
#include "core/shell.h"
#include "app/shelllinkfile.h"
#include "model/registrybackend.h"
#include "model/tzvshortcutlist.h"
#include "settings/settings.h"

namespace zv {

inline constexpr const char* ShellFoldersKey =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
// Every link the program writes carries this description; only such links
// are ever deleted from the subfolder.
inline constexpr const char* SendToLinkDescription = "Zorvane Send To link";

// The subfolder, ending with a backslash; empty when the user's SendTo
// folder is not known (value missing, empty or not an absolute path), and
// then no Send To work is done at all.
std::string GetSendToFolder(tregistrybackend& registry);

// The link's file name for a caption: characters a file name may not hold
// become "_", device names get a "_" in front, so the name always stays a
// plain file in the subfolder.
std::string SendToLinkName(const std::string& caption);

// A group's folder name, by the same rules without the extension; trailing
// dots and spaces, which the system drops, are left out, so "." and ".."
// become "_" and never name a folder above.
std::string SendToFolderName(const std::string& caption);

// A file the program wrote: a ".lnk" shell link with the program's
// description; read into link.
bool ReadOwnSendToLink(tfilesystem& files, const std::string& path, tshelllinkfile& link);
bool IsOwnSendToLink(tfilesystem& files, const std::string& path);

// Deletes the program's links in the subfolder and its group folders
// (read-only ones too), the group folders that this leaves empty, then the
// subfolder if it is empty. Anything else there is kept.
void ClearSendToFolder(tregistrybackend& registry, tfilesystem& files);

enum class tsendtooutcome {
  Done,
  Off,               // the option is off: the links are gone
  NoFolder,          // no SendTo folder known: nothing was touched
  LinkObjectFailed,  // the shell link object could not be made; links so far stay
};

// With an environment, the links hold Path and WorkingDir expanded.
tsendtooutcome RebuildSendTo(const tzvshortcutlist& list, const tsettings& settings,
                             tregistrybackend& registry, tfilesystem& files, tshell& shell,
                             tenvironment* environment = nullptr);

}  // namespace zv
