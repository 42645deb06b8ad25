// The in-memory backends take part in every contract suite.
#include "model/memoryregistry.h"
#include "registry_fixture.h"

static std::unique_ptr<zv::tregistrybackend> MakeMemoryRegistry() {
  return std::make_unique<zv::tmemoryregistry>();
}

ZV_INSTANTIATE_REGISTRY_SUITE(Memory, RegistryContract, MakeMemoryRegistry);
ZV_INSTANTIATE_REGISTRY_SUITE(Memory, RegistryStore, MakeMemoryRegistry);
ZV_INSTANTIATE_REGISTRY_SUITE(Memory, SettingsStore, MakeMemoryRegistry);
ZV_INSTANTIATE_REGISTRY_SUITE(Memory, SetupExtensions, MakeMemoryRegistry);

// ---- Hotkey table ----
#include "hotkey_fixture.h"
#include "model/memoryhotkeys.h"

namespace {
class tmemoryhotkeyenvironment : public thotkeyenvironment {
 public:
  zv::thotkeytable& Window() override { return table; }
  bool HoldElsewhere(std::uint32_t modifiers, std::uint32_t virtualKey) override {
    return table.HoldForOtherProgram(modifiers, virtualKey);
  }
  zv::tmemoryhotkeys table;
};
}  // namespace

ZV_INSTANTIATE_HOTKEY_SUITE(Memory, [] {
  return std::unique_ptr<thotkeyenvironment>(new tmemoryhotkeyenvironment);
});
// ---- end of hotkey table ----
