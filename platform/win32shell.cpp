#include "platform/win32shell.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

namespace zv {

namespace {

const char* OrNull(const std::string& s) { return s.empty() ? nullptr : s.c_str(); }

// Balances a CoInitialize of its own; the caller's apartment, if any, stays.
struct comscope {
  comscope() : ok(SUCCEEDED(CoInitialize(nullptr))) {}
  ~comscope() {
    if (ok) CoUninitialize();
  }
  comscope(const comscope&) = delete;
  comscope& operator=(const comscope&) = delete;
  bool ok;
};

template <class T>
struct comref {
  T* p = nullptr;
  ~comref() {
    if (p) p->Release();
  }
};

}  // namespace

twin32shell& ProcessShell() {
  static twin32shell shell;
  return shell;
}

void twin32shell::Execute(const tshellrequest& r) {
  ShellExecuteA(GetDesktopWindow(), OrNull(r.Verb), r.File.c_str(), OrNull(r.Parameters),
                OrNull(r.Directory), r.ShowCommand);
}

tlinksave twin32shell::SaveLink(const tshelllink& link, const std::string& fileName) {
  comscope com;
  comref<IShellLinkA> shellLink;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&shellLink.p))) ||
      !shellLink.p)
    return tlinksave::ObjectFailed;
  if (link.ShowCommand != 0) shellLink.p->SetShowCmd(link.ShowCommand);
  shellLink.p->SetPath(link.Path.c_str());
  if (!link.Arguments.empty()) shellLink.p->SetArguments(link.Arguments.c_str());
  if (!link.WorkingDirectory.empty())
    shellLink.p->SetWorkingDirectory(link.WorkingDirectory.c_str());
  if (!link.Description.empty()) shellLink.p->SetDescription(link.Description.c_str());
  comref<IPersistFile> file;
  if (FAILED(shellLink.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p))) ||
      !file.p)
    return tlinksave::ObjectFailed;
  const int n = MultiByteToWideChar(CP_ACP, 0, fileName.c_str(), -1, nullptr, 0);
  if (n <= 0) return tlinksave::NotSaved;
  std::vector<wchar_t> wide(static_cast<size_t>(n));
  MultiByteToWideChar(CP_ACP, 0, fileName.c_str(), -1, wide.data(), n);
  return SUCCEEDED(file.p->Save(wide.data(), FALSE)) ? tlinksave::Saved : tlinksave::NotSaved;
}

}  // namespace zv
