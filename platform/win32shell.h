#pragma once
// The real shell: ShellExecuteA owned by the desktop window, shell links
// through CLSID_ShellLink with IShellLinkA and IPersistFile.
#include "core/shell.h"

namespace zv {

class twin32shell : public tshell {
 public:
  std::uint32_t Execute(const tshellrequest& request) override;
  tlinksave SaveLink(const tshelllink& link, const std::string& fileName) override;
};

twin32shell& ProcessShell();

}  // namespace zv
