// The GDI object table.
#include "gwe/gdi/GdiObject.h"

#include "winbase.h"

namespace ce::gdi {

GdiObjects& GdiObjects::instance() {
    static GdiObjects objects;
    return objects;
}

HGDIOBJ GdiObjects::add(std::unique_ptr<GdiObject> object) {
    return reinterpret_cast<HGDIOBJ>(m_table.add(std::move(object)));
}

GdiObject* GdiObjects::find(HGDIOBJ handle) const {
    return m_table.find(reinterpret_cast<std::uintptr_t>(handle));
}

bool GdiObjects::remove(HGDIOBJ handle) {
    GdiObject* object = find(handle);
    if (!object || object->isStock() || object->selections() > 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    m_table.remove(reinterpret_cast<std::uintptr_t>(handle));
    return true;
}

void GdiObjects::invalidHandle() {
    SetLastError(ERROR_INVALID_HANDLE);
}

}  // namespace ce::gdi
