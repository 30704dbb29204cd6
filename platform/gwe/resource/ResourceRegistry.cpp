// The registered resource tables.
#include "gwe/resource/ResourceRegistry.h"

#include <algorithm>

namespace ce::res {

ResourceRegistry& ResourceRegistry::instance() {
    static ResourceRegistry registry;
    return registry;
}

void ResourceRegistry::add(HINSTANCE module, const ModuleResources& resources) {
    if (module) m_tables.emplace_back(module, &resources);
}

void ResourceRegistry::remove(HINSTANCE module, const ModuleResources& resources) {
    std::erase(m_tables, std::pair{module, &resources});
}

std::vector<const ModuleResources*> ResourceRegistry::tablesOf(HINSTANCE module) const {
    std::vector<const ModuleResources*> tables;
    for (const auto& [owner, table] : m_tables)
        if (owner == module) tables.push_back(table);
    return tables;
}

bool resourceId(LPCWSTR name, UINT& id) {
    if (!IS_INTRESOURCE(name)) return false;
    id = static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name));
    return true;
}

}  // namespace ce::res
