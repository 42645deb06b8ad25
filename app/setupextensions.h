#pragma once
// What the installer asks the program to do: enter it into the user's
// autostart list, and remove everything it keeps for the user.
#include <functional>
#include <string>

#include "core/userprompts.h"

namespace zv {

class tregistrybackend;
class tappidentity;
class tzvshortcutlist;
struct tsettings;

struct tsetupservices {
  tregistrybackend* Registry = nullptr;
  const tappidentity* Identity = nullptr;
  tuserprompts* Prompts = nullptr;
  tsettings* Settings = nullptr;
  // Writes the list to a .shl file; false on failure.
  std::function<bool(tzvshortcutlist&, const std::string&)> ExportToFile;
  // Removes the program's SendTo subfolder with the links in it.
  std::function<void()> ClearSendToFolder;
};

void SetAutorunFromSetup(tsetupservices& services);
void OfferExportBeforeUninstall(tsetupservices& services);
// Answers whether every registry entry could be removed (the error message
// has been shown when not).
bool UninstallCleanup(tsetupservices& services);

inline constexpr const char* MakerKey = "\\Software\\Halvorix";

}  // namespace zv
