// The real Win32 backends run the same contract suites as the fakes.
#include "platform/win32registry.h"
#include "registry_fixture.h"

static std::unique_ptr<zv::tregistrybackend> MakeWin32Registry() {
  return std::make_unique<zv::twin32registry>();
}

ZV_INSTANTIATE_REGISTRY_SUITE(Win32, RegistryContract, MakeWin32Registry);
ZV_INSTANTIATE_REGISTRY_SUITE(Win32, RegistryStore, MakeWin32Registry);
ZV_INSTANTIATE_REGISTRY_SUITE(Win32, SettingsStore, MakeWin32Registry);
ZV_INSTANTIATE_REGISTRY_SUITE(Win32, SetupExtensions, MakeWin32Registry);
