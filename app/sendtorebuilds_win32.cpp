#include "app/sendtorebuilds_win32.h"

#include <objbase.h>

#include "platform/win32environment.h"
#include "platform/win32filesystem.h"
#include "platform/win32registry.h"
#include "platform/win32shell.h"

namespace zv {

namespace {

constexpr UINT SendToDoneMessage = WM_APP + 0x33;

}  // namespace

tsendtorebuilds::tsendtorebuilds(HWND owner, std::function<void(const std::string&)> reportError)
    : reportError_(std::move(reportError)),
      worker_(
          [](const tzvshortcutlist& list, const tsettings& settings) {
            return RebuildSendTo(list, settings, ProcessRegistry(), ProcessFileSystem(), ProcessShell(),
                                 &ProcessEnvironment());
          },
          [this, owner](tsendtooutcome outcome) {
            // Told once, by whichever comes first: the command that waited
            // for it or this report.
            if (outcome == tsendtooutcome::LinkObjectFailed) failed_ = true;
            PostMessageA(owner, SendToDoneMessage, 0, 0);
          },
          [](bool starting) {
            // The shell link object needs COM on the worker.
            if (starting)
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
            else
              CoUninitialize();
          }) {}

void tsendtorebuilds::Rebuild(const tzvshortcutlist& list, const tsettings& settings, bool deferred) {
  worker_.Request(list, settings);
  if (deferred) return;
  // A command waits for its links, as the user expects them there after it.
  worker_.WaitIdle();
  ReportFailure();
}

bool tsendtorebuilds::HandleMessage(UINT msg) {
  if (msg != SendToDoneMessage) return false;
  ReportFailure();
  return true;
}

void tsendtorebuilds::ReportFailure() {
  if (failed_.exchange(false) && reportError_)
    reportError_("The links of the \"Send to\" menu could not be created.");
}

}  // namespace zv
