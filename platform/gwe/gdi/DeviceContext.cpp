// Device context bookkeeping; the drawing calls built on it live in their own files.
#include "gwe/gdi/DeviceContext.h"

#include <memory>

#include "gwe/Screen.h"
#include "gwe/ScreenText.h"
#include "gwe/gdi/GdiObject.h"
#include "kernel/HandleTable.h"
#include "winbase.h"

namespace ce::gdi {

namespace {

HandleTable<DeviceContext>& table() {
    static HandleTable<DeviceContext> contexts;
    return contexts;
}

// Made at load, as the GDI object table is, so that DCs released at exit find it.
[[maybe_unused]] const bool c_tableMadeAtLoad = (table(), true);

void adjustSelection(HGDIOBJ handle, int delta) {
    if (!handle) return;
    if (GdiObject* object = GdiObjects::instance().find(handle)) delta > 0 ? object->select() : object->deselect();
}

}  // namespace

DeviceContext::DeviceContext(Kind kind, HWND window, POINT origin, Region visible) :
    m_kind(kind), m_window(window), m_origin(origin), m_visible(std::move(visible)) {
    m_state.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    m_state.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    m_state.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    if (kind == Kind::Memory) m_state.bitmap = stockBitmap();
    retainObjects(m_state);
}

HDC DeviceContext::createForWindow(HWND window, POINT origin, const Region& visible) {
    std::unique_ptr<DeviceContext> dc(new DeviceContext(Kind::Window, window, origin, visible));
    return reinterpret_cast<HDC>(table().add(std::move(dc)));
}

HDC DeviceContext::createMemory() {
    std::unique_ptr<DeviceContext> dc(new DeviceContext(Kind::Memory, nullptr, POINT{}, Region()));
    return reinterpret_cast<HDC>(table().add(std::move(dc)));
}

DeviceContext* DeviceContext::find(HDC hdc) {
    DeviceContext* dc = table().find(reinterpret_cast<std::uintptr_t>(hdc));
    if (!dc) SetLastError(ERROR_INVALID_HANDLE);
    return dc;
}

bool DeviceContext::destroy(HDC hdc) {
    std::unique_ptr<DeviceContext> dc = table().remove(reinterpret_cast<std::uintptr_t>(hdc));
    if (!dc) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    dc->releaseObjects(dc->m_state);
    for (const DcState& saved : dc->m_saved) dc->releaseObjects(saved);
    return true;
}

Surface& DeviceContext::surface() const {
    if (m_kind == Kind::Window) return gwe::Screen::instance().surface();
    return GdiObjects::instance().findAs<Bitmap>(m_state.bitmap, OBJ_BITMAP)->m_surface;
}

int DeviceContext::dpi() const {
    return gwe::Screen::instance().dpi();
}

POINT DeviceContext::toSurface(POINT logical) const {
    return POINT{logical.x + m_state.viewportOrg.x + m_origin.x, logical.y + m_state.viewportOrg.y + m_origin.y};
}

RECT DeviceContext::toSurface(const RECT& logical) const {
    POINT topLeft = toSurface(POINT{logical.left, logical.top});
    return RECT{topLeft.x, topLeft.y, topLeft.x + (logical.right - logical.left),
                topLeft.y + (logical.bottom - logical.top)};
}

Region DeviceContext::clipRegion() const {
    Region region = m_kind == Kind::Window ? m_visible : Region(surface().bounds());
    region.intersect(surface().bounds());
    if (m_state.clip) {
        Region clip = *m_state.clip;
        clip.offset(m_origin.x, m_origin.y);
        region.intersect(clip);
    }
    return region;
}

void DeviceContext::paintedOver(const Region& area) {
    surface().touch();
    if (m_kind == Kind::Window) gwe::ScreenText::instance().erase(m_window, area);
}

namespace {

template <class Handle>
void replaceSelection(Handle& slot, Handle object) {
    adjustSelection(slot, -1);
    slot = object;
    adjustSelection(object, 1);
}

}  // namespace

void DeviceContext::selectBrush(HBRUSH brush) {
    replaceSelection(m_state.brush, brush);
}

void DeviceContext::selectPen(HPEN pen) {
    replaceSelection(m_state.pen, pen);
}

void DeviceContext::selectFont(HFONT font) {
    replaceSelection(m_state.font, font);
}

void DeviceContext::selectBitmap(HBITMAP bitmap) {
    replaceSelection(m_state.bitmap, bitmap);
}

int DeviceContext::saveState() {
    m_saved.push_back(m_state);
    retainObjects(m_saved.back());
    return static_cast<int>(m_saved.size());
}

bool DeviceContext::restoreSaved(int id) {
    int count = static_cast<int>(m_saved.size());
    int index = id < 0 ? count + id : id - 1;
    if (id == 0 || index < 0 || index >= count) return false;
    restoreState(m_saved[static_cast<size_t>(index)]);
    for (int i = index; i < count; ++i) releaseObjects(m_saved[static_cast<size_t>(i)]);
    m_saved.resize(static_cast<size_t>(index));
    return true;
}

void DeviceContext::restoreState(DcState state) {
    retainObjects(state);
    releaseObjects(m_state);
    m_state = std::move(state);
}

void DeviceContext::releaseObjects(const DcState& state) {
    for (HGDIOBJ object : {HGDIOBJ(state.brush), HGDIOBJ(state.pen), HGDIOBJ(state.font), HGDIOBJ(state.bitmap)})
        adjustSelection(object, -1);
}

void DeviceContext::retainObjects(const DcState& state) {
    for (HGDIOBJ object : {HGDIOBJ(state.brush), HGDIOBJ(state.pen), HGDIOBJ(state.font), HGDIOBJ(state.bitmap)})
        adjustSelection(object, 1);
}

}  // namespace ce::gdi
