// Program entry. Only the first command-line argument is looked at, and it
// is compared exactly.
#include <windows.h>
#include <objbase.h>

#include <string>

#include "app/sendto.h"
#include "app/sendtoworker.h"
#include "app/listprefetch.h"
#include "app/setupextensions.h"
#include "app/singleinstance_win32.h"
#include "app/startuptrace_win32.h"
#include "model/tzvshortcutlist.h"
#include "app/tmainwindow_win32.h"
#include "platform/win32appidentity.h"
#include "platform/win32filesystem.h"
#include "platform/win32prompts.h"
#include "platform/win32registry.h"
#include "settings/settings.h"
#include "toolkit/dpi.h"
#include "toolkit/tapplication.h"

namespace {

zv::tsetupservices SetupServices() {
  zv::tsetupservices s;
  s.Registry = &zv::ProcessRegistry();
  s.Identity = &zv::ProcessIdentity();
  s.Prompts = &zv::ProcessPrompts();
  s.Settings = &zv::Settings();
  s.ExportToFile = [](zv::tzvshortcutlist& list, const std::string& file) {
    return list.ExportToFile(file);
  };
  s.ClearSendToFolder = [] { zv::ClearSendToFolder(zv::ProcessRegistry(), zv::ProcessFileSystem()); };
  return s;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  zv::StartupMark("entry");
  // Where the manifest was not read (or is older than the system), before
  // any window: drawn sharp at every display scale, never stretched.
  zv::EnableDpiAwareness();
  // COM stays up for the whole run: the Send To links each need it, and
  // bringing it up and down again per link costs far more than the link.
  const bool com = SUCCEEDED(CoInitialize(nullptr));
  struct comend {
    bool on;
    ~comend() {
      if (on) CoUninitialize();
    }
  } comguard{com};
  zv::StartupMark("COM");
  const std::string arg = zv::FirstCommandLineArgument();
  if (arg == "/uninstall") {
    zv::tsetupservices s = SetupServices();
    zv::UninstallCleanup(s);
    return 0;
  }
  if (arg == "/setautorun") {
    zv::tsetupservices s = SetupServices();
    try {
      zv::SetAutorunFromSetup(s);
    } catch (const std::exception&) {
      // The installer has no one to tell; the option stays off.
    }
    return 0;
  }

  // A normal run reads its list on a thread of its own from here on, while
  // the windows are made (unless a running copy is only to be asked for
  // its menu).
  std::unique_ptr<zv::tlistprefetch> prefetch;
  if (HANDLE running = OpenMutexA(SYNCHRONIZE, FALSE, zv::InstanceMutexName))
    CloseHandle(running);
  else
    prefetch = zv::tmainwindow::StartListRead();

  // The application window exists before the instance check: a second
  // start sends its request from it.
  zv::Application().Initialize();
  zv::EnsureSingleInstance();
  zv::StartupMark("single instance");
  zv::Application().SetTitle("Zorvane");
  {
    zv::tmainwindow main;
    if (main.CreateAndStart(std::move(prefetch))) zv::Application().Run();
  }
  zv::ReleaseInstanceMutex();
  // A Send To rebuild stuck on a target that does not answer was left
  // running: the process ends here, before the run-time's clean-up, which
  // would tear down what that rebuild still uses.
  if (zv::tsendtoworker::AnyLeftRunning()) ExitProcess(0);
  return 0;
}
