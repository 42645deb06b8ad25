#pragma once
// The real shell: ShellExecuteA owned by the desktop window, shell links
// through CLSID_ShellLink with IShellLinkA and IPersistFile.
#include <initializer_list>

#include "core/shell.h"

namespace zv {

class twin32shell : public tshell {
 public:
  std::uint32_t Execute(const tshellrequest& request) override;
  tlinksave SaveLink(const tshelllink& link, const std::string& fileName) override;
};

twin32shell& ProcessShell();

// A shell32 function the import libraries do not all name: the first of
// names it exports, else the one of that ordinal (0: none); null where the
// system has none.
void* ShellFunction(std::initializer_list<const char*> names, unsigned ordinal = 0);

}  // namespace zv
