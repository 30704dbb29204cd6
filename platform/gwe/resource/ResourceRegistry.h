// The resource tables modules registered, by HINSTANCE, and the lookup of a resource by id in
// them: what LoadStringW, LoadBitmapW and the other loaders share.
#pragma once

#include <utility>
#include <vector>

#include "ceresource.h"
#include "winbase.h"

namespace ce::res {

class ResourceRegistry {
public:
    static ResourceRegistry& instance();

    // A null module (an address outside every module) is not registered.
    void add(HINSTANCE module, const ModuleResources& resources);
    void remove(HINSTANCE module, const ModuleResources& resources);
    // The module's tables in registration order; none for a module that registered none.
    std::vector<const ModuleResources*> tablesOf(HINSTANCE module) const;

private:
    std::vector<std::pair<HINSTANCE, const ModuleResources*>> m_tables;
};

// An integer resource name (MAKEINTRESOURCEW) as its id; false for a string name, which
// tables do not use.
bool resourceId(LPCWSTR name, UINT& id);

// The resource of one kind with that id. Null with the last error set when there is none:
// ERROR_RESOURCE_DATA_NOT_FOUND when the module registered no table, and
// ERROR_RESOURCE_NAME_NOT_FOUND when no table has the id.
template <class T>
const T* findResource(HINSTANCE module, UINT id, List<T> ModuleResources::*kind) {
    std::vector<const ModuleResources*> tables = ResourceRegistry::instance().tablesOf(module);
    if (tables.empty()) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    for (const ModuleResources* table : tables)
        for (const T& resource : table->*kind)
            if (resource.id == id) return &resource;
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
}

template <class T>
const T* findResource(HINSTANCE module, LPCWSTR name, List<T> ModuleResources::*kind) {
    UINT id = 0;
    if (!resourceId(name, id)) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return findResource(module, id, kind);
}

// The templates LoadMenuW and the dialog calls build from.
inline const MenuResource* findMenu(HINSTANCE module, LPCWSTR name) {
    return findResource(module, name, &ModuleResources::menus);
}
inline const DialogResource* findDialog(HINSTANCE module, LPCWSTR name) {
    return findResource(module, name, &ModuleResources::dialogs);
}

}  // namespace ce::res
