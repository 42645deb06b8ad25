#include "platform/win32shell.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "platform/win32text.h"

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

std::uint32_t twin32shell::Execute(const tshellrequest& r) {
  const bool callerReports = r.Verb == RunAsVerb || r.CallerReportsFailure;
  if (!callerReports && r.Monitor == 0) {
    ShellExecuteA(GetDesktopWindow(), OrNull(r.Verb), r.File.c_str(), OrNull(r.Parameters),
                  OrNull(r.Directory), r.ShowCommand);
    return 0;
  }
  // With callerReports no box of the shell's own: a declined elevation
  // prompt is the user's answer, and the caller reports the other failures
  // (a link's unknown scheme among them).
  SHELLEXECUTEINFOA info = {};
  info.cbSize = sizeof(info);
  info.fMask = callerReports ? SEE_MASK_FLAG_NO_UI : 0;
  if (r.Monitor != 0) {
    // A program that places its own window may ignore it.
    info.fMask |= SEE_MASK_HMONITOR;
    info.hMonitor = reinterpret_cast<HANDLE>(r.Monitor);
  }
  info.hwnd = GetDesktopWindow();
  info.lpVerb = OrNull(r.Verb);
  info.lpFile = r.File.c_str();
  info.lpParameters = OrNull(r.Parameters);
  info.lpDirectory = OrNull(r.Directory);
  info.nShow = r.ShowCommand;
  if (ShellExecuteExA(&info) || !callerReports) return 0;
  const DWORD error = GetLastError();
  return error ? error : ERROR_GEN_FAILURE;
}

tlinksave twin32shell::SaveLink(const tshelllink& link, const std::string& fileName) {
  comscope com;
  // The W interface: the link keeps its texts in UTF-16, for every reader
  // whatever its code page.
  comref<IShellLinkW> shellLink;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&shellLink.p))) ||
      !shellLink.p)
    return tlinksave::ObjectFailed;
  if (link.ShowCommand != 0) shellLink.p->SetShowCmd(link.ShowCommand);
  shellLink.p->SetPath(WideFromProcess(link.Path).c_str());
  if (!link.Arguments.empty()) shellLink.p->SetArguments(WideFromProcess(link.Arguments).c_str());
  if (!link.WorkingDirectory.empty())
    shellLink.p->SetWorkingDirectory(WideFromProcess(link.WorkingDirectory).c_str());
  if (!link.Description.empty()) shellLink.p->SetDescription(WideFromProcess(link.Description).c_str());
  if (!link.IconFile.empty()) shellLink.p->SetIconLocation(WideFromProcess(link.IconFile).c_str(), link.IconIndex);
  // The link is put together in memory and written as one file: the shell
  // link's own file save is more than ten times slower under Wine, which
  // counts with fifty links rebuilt at every start.
  comref<IPersistStream> persist;
  if (FAILED(shellLink.p->QueryInterface(IID_IPersistStream, reinterpret_cast<void**>(&persist.p))) ||
      !persist.p)
    return tlinksave::ObjectFailed;
  comref<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream.p)) || !stream.p ||
      FAILED(persist.p->Save(stream.p, TRUE)))
    return tlinksave::NotSaved;
  HGLOBAL memory = nullptr;
  if (FAILED(GetHGlobalFromStream(stream.p, &memory)) || !memory) return tlinksave::NotSaved;
  ULARGE_INTEGER end = {};
  LARGE_INTEGER zero = {};
  if (FAILED(stream.p->Seek(zero, STREAM_SEEK_CUR, &end)) || end.QuadPart == 0 ||
      end.QuadPart > GlobalSize(memory))
    return tlinksave::NotSaved;
  const void* bytes = GlobalLock(memory);
  if (!bytes) return tlinksave::NotSaved;
  bool written = false;
  // Only a new file: one of that name may be the user's own.
  HANDLE out = CreateFileW(WideFromProcess(fileName).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out != INVALID_HANDLE_VALUE) {
    DWORD done = 0;
    const DWORD size = static_cast<DWORD>(end.QuadPart);
    written = WriteFile(out, bytes, size, &done, nullptr) && done == size;
    CloseHandle(out);
    if (!written) DeleteFileW(WideFromProcess(fileName).c_str());
  }
  GlobalUnlock(memory);
  return written ? tlinksave::Saved : tlinksave::NotSaved;
}

void* ShellFunction(std::initializer_list<const char*> names, unsigned ordinal) {
  HMODULE shell = GetModuleHandleA("shell32.dll");
  if (!shell) shell = LoadLibraryA("shell32.dll");
  if (!shell) return nullptr;
  FARPROC f = nullptr;
  for (const char* name : names)
    if (!f) f = GetProcAddress(shell, name);
  if (!f && ordinal) f = GetProcAddress(shell, MAKEINTRESOURCEA(ordinal));
  return reinterpret_cast<void*>(f);
}

}  // namespace zv
