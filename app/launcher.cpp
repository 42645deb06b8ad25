#include "model/expandedshortcut.h"
#include "app/launcher.h"

#include "core/url.h"

namespace zv {

int ViewStyleToShowCommand(std::uint8_t viewStyle) {
  switch (viewStyle) {
    case vsMinimized: return swShowMinimized;
    case vsMaximized: return swShowMaximized;
    default: return swShowNormal;
  }
}

std::string ApplicationLaunchError(const std::string& caption) {
  return "Could not launch application \"" + caption +
         "\". Please check the executable filename and the working directory for mistakes.";
}

std::string FileLaunchError(const std::string& caption) {
  return "Could not open file \"" + caption + "\". The file could not be found.";
}

std::string FolderLaunchError(const std::string& caption) {
  return "Could not open folder \"" + caption + "\". The folder does not exist.";
}

namespace {

void Launch(const tzvshortcut& s, tfilesystem& files, tshell& shell, tuserprompts& prompts,
            bool elevated, std::uintptr_t monitor) {
  tshellrequest request;
  request.File = s.Path;
  request.Monitor = monitor;
  switch (s.ShortcutType) {
    case stApplication:
      // An application needs its working directory as much as its program.
      if (!files.FileExists(s.Path) || !files.DirectoryExists(s.WorkingDir)) {
        prompts.ErrorDialog(ApplicationLaunchError(s.Caption));
        return;
      }
      request.Parameters = s.Parameters;
      request.Directory = s.WorkingDir;
      request.ShowCommand = ViewStyleToShowCommand(s.ViewStyle);
      if (elevated) request.Verb = RunAsVerb;
      break;
    case stFile:
      // A link is the shell's to find: no file of that name exists.
      if (IsUrl(s.Path)) {
        request.ShowCommand = swShowNormal;
        request.CallerReportsFailure = true;
        if (shell.Execute(request) != 0) prompts.ErrorDialog(FileLaunchError(s.Caption));
        return;
      }
      if (!files.FileExists(s.Path)) {
        prompts.ErrorDialog(FileLaunchError(s.Caption));
        return;
      }
      request.ShowCommand = swShowNormal;
      break;
    case stFolder:
      if (!files.DirectoryExists(s.Path)) {
        prompts.ErrorDialog(FolderLaunchError(s.Caption));
        return;
      }
      if (s.FullExplorer) request.Verb = "explore";
      request.ShowCommand = ViewStyleToShowCommand(s.ViewStyle);
      break;
    default:
      return;
  }
  const std::uint32_t error = shell.Execute(request);
  // Only "runas" leaves reporting to the caller; a declined prompt is no error.
  if (request.Verb == RunAsVerb && error != 0 && error != ErrorCancelled)
    prompts.ErrorDialog(ApplicationLaunchError(s.Caption));
}

}  // namespace

void LaunchShortcut(const tzvshortcut& s, tfilesystem& files, tshell& shell,
                    tuserprompts& prompts) {
  Launch(s, files, shell, prompts, false, 0);
}

void LaunchShortcut(const tzvshortcut& s, tfilesystem& files, tshell& shell, tuserprompts& prompts,
                    tenvironment& environment, bool elevated, std::uintptr_t monitor) {
  Launch(ExpandedShortcut(s, environment), files, shell, prompts, elevated, monitor);
}

void LaunchShortcut(const tzvshortcutlist& list, std::int32_t index, tfilesystem& files,
                    tshell& shell, tuserprompts& prompts) {
  if (index < 0) return;
  if (const tzvshortcut* s = list.GetItem(index)) LaunchShortcut(*s, files, shell, prompts);
}

}  // namespace zv
