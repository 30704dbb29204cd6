// The GDI object table. Its handles carry bit 31, which device context handles never do, so
// that one value never names both a DC and an object (GetObjectType, TransparentImage).
#include "gwe/gdi/GdiObject.h"

#include "winbase.h"

namespace ce::gdi {

namespace {

constexpr std::uintptr_t c_objectTag = 0x80000000u;

std::uintptr_t slotValue(HGDIOBJ handle) {
    auto value = reinterpret_cast<std::uintptr_t>(handle);
    return (value >> 31) == 1 ? value & ~c_objectTag : 0;
}

}  // namespace

GdiObjects& GdiObjects::instance() {
    static GdiObjects objects;
    return objects;
}

namespace {

// Made while the platform library loads, so that the table outlives the static objects of
// every library and program above it, which may still delete GDI objects as they go.
[[maybe_unused]] const bool c_tableMadeAtLoad = (GdiObjects::instance(), true);

}  // namespace

HGDIOBJ GdiObjects::add(std::unique_ptr<GdiObject> object) {
    std::uintptr_t value = m_table.add(std::move(object));
    return value ? reinterpret_cast<HGDIOBJ>(value | c_objectTag) : nullptr;
}

GdiObject* GdiObjects::find(HGDIOBJ handle) const {
    std::uintptr_t value = slotValue(handle);
    return value ? m_table.find(value) : nullptr;
}

bool GdiObjects::remove(HGDIOBJ handle) {
    GdiObject* object = find(handle);
    if (!object || object->isStock() || object->selections() > 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    m_table.remove(slotValue(handle));
    return true;
}

void GdiObjects::invalidHandle() {
    SetLastError(ERROR_INVALID_HANDLE);
}

}  // namespace ce::gdi
