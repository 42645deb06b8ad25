// The real Win32 backends run the same contract suites as the fakes.
#include "platform/win32registry.h"
#include "registry_fixture.h"

#include <windows.h>

static std::unique_ptr<zv::tregistrybackend> MakeWin32Registry() {
  return std::make_unique<zv::twin32registry>();
}

ZV_INSTANTIATE_REGISTRY_SUITE(Win32, RegistryContract, MakeWin32Registry);
ZV_INSTANTIATE_REGISTRY_SUITE(Win32, RegistryStore, MakeWin32Registry);
ZV_INSTANTIATE_REGISTRY_SUITE(Win32, SettingsStore, MakeWin32Registry);
ZV_INSTANTIATE_REGISTRY_SUITE(Win32, SetupExtensions, MakeWin32Registry);

// Where the system's rename refuses (access denied, say), the key is copied
// into place all the same: every rename and every list save still lands
// under its own name, never under the staging key.
static long RefusingRename(void*, const wchar_t*, const wchar_t*) { return ERROR_ACCESS_DENIED; }
static std::unique_ptr<zv::tregistrybackend> MakeRefusingWin32Registry() {
  return std::make_unique<zv::twin32registry>(RefusingRename);
}
ZV_INSTANTIATE_REGISTRY_SUITE(Win32RenameRefused, RegistryContract, MakeRefusingWin32Registry);
ZV_INSTANTIATE_REGISTRY_SUITE(Win32RenameRefused, RegistryStore, MakeRefusingWin32Registry);

// ---- Hotkey table ----
#include "hotkey_fixture.h"
#include "otherprogram.h"
#include "platform/win32hotkeys.h"

namespace {
class twin32hotkeyenvironment : public thotkeyenvironment {
 public:
  twin32hotkeyenvironment() : table(window.Handle()) {}
  ~twin32hotkeyenvironment() override {
    // Whatever a failing test left registered must not leak into the next.
    for (int id = 0; id < 16; ++id) UnregisterHotKey(window.Handle(), id);
  }
  zv::thotkeytable& Window() override { return table; }
  bool HoldElsewhere(std::uint32_t modifiers, std::uint32_t virtualKey) override {
    return other.Hold(modifiers, virtualKey);
  }
  ttestwindow window;
  totherprogram other;
  zv::twin32hotkeys table;
};
}  // namespace

ZV_INSTANTIATE_HOTKEY_SUITE(Win32, [] {
  return std::unique_ptr<thotkeyenvironment>(new twin32hotkeyenvironment);
});
// ---- end of hotkey table ----
