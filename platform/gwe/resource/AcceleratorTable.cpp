// The accelerator table handles, and LoadAcceleratorsW.
#include "gwe/resource/AcceleratorTable.h"

#include "gwe/resource/ResourceRegistry.h"
#include "kernel/HandleTable.h"

namespace ce::res {

namespace {

HandleTable<AcceleratorTable>& table() {
    static HandleTable<AcceleratorTable> tables;
    return tables;
}

}  // namespace

HACCEL AcceleratorTable::add(std::unique_ptr<AcceleratorTable> accelerators) {
    return reinterpret_cast<HACCEL>(table().add(std::move(accelerators)));
}

AcceleratorTable* AcceleratorTable::find(HACCEL accelerators) {
    AcceleratorTable* found = table().find(reinterpret_cast<std::uintptr_t>(accelerators));
    if (!found) SetLastError(ERROR_INVALID_HANDLE);
    return found;
}

const std::vector<ACCEL>* acceleratorEntries(HACCEL accelerators) {
    const AcceleratorTable* found = AcceleratorTable::find(accelerators);
    return found ? &found->entries() : nullptr;
}

}  // namespace ce::res

// Each call makes a table holding a copy of the entries, so that it outlives the module's
// unloading; tables live until the program ends, as on the handheld.
HACCEL LoadAcceleratorsW(HINSTANCE hInstance, LPCWSTR lpTableName) {
    const ce::res::AcceleratorResource* resource =
        ce::res::findResource(hInstance, lpTableName, &ce::res::ModuleResources::accelerators);
    if (!resource) return nullptr;
    std::vector<ACCEL> entries(resource->entries.begin(), resource->entries.end());
    HACCEL accelerators = ce::res::AcceleratorTable::add(std::make_unique<ce::res::AcceleratorTable>(std::move(entries)));
    if (!accelerators) SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return accelerators;
}
