#pragma once
// Launching a shortcut: test that its target exists, then hand it to the
// shell; a missing target is reported in the error dialog. A file shortcut
// whose path is a URL goes to the shell at once; a scheme the shell does not
// know gets the missing file's message.
#include <cstdint>
#include <string>

#include "core/environment.h"
#include "core/filesystem.h"
#include "core/shell.h"
#include "model/tzvshortcutlist.h"
#include "core/userprompts.h"

namespace zv {

// Window show commands, valued as the system values them.
enum : int { swShowNormal = 1, swShowMinimized = 2, swShowMaximized = 3 };

int ViewStyleToShowCommand(std::uint8_t viewStyle);

// The messages for a shortcut whose target is missing.
std::string ApplicationLaunchError(const std::string& caption);
std::string FileLaunchError(const std::string& caption);
std::string FolderLaunchError(const std::string& caption);

// Paths exactly as given.
void LaunchShortcut(const tzvshortcut& shortcut, tfilesystem& files, tshell& shell,
                    tuserprompts& prompts);
// Path and WorkingDir expanded first, for the tests and the shell alike.
// Elevated: an application starts with the "runas" verb; a declined prompt
// is no error, another failure gets the application message. The started
// program is asked to open on monitor (0: where it likes).
void LaunchShortcut(const tzvshortcut& shortcut, tfilesystem& files, tshell& shell,
                    tuserprompts& prompts, tenvironment& environment, bool elevated = false,
                    std::uintptr_t monitor = 0);
// The shortcut at a menu item's tag; an index outside the list does nothing.
void LaunchShortcut(const tzvshortcutlist& list, std::int32_t index, tfilesystem& files,
                    tshell& shell, tuserprompts& prompts);

}  // namespace zv
