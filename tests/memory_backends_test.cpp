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
