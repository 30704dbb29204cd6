// The DC's clip region. It is kept in device coordinates (the viewport origin does not move
// it); the rectangles given here are logical, as GDI takes them.
#include "gwe/gdi/DeviceContext.h"
#include "gwe/gdi/GdiObject.h"
#include "winbase.h"

using ce::gdi::DeviceContext;
using ce::gdi::Region;

namespace {

// Where the DC's device point 0,0 lies on its surface.
POINT deviceOrigin(const DeviceContext& dc) {
    POINT surface = dc.toSurface(POINT{0, 0});
    const POINT& viewport = dc.state().viewportOrg;
    return POINT{surface.x - viewport.x, surface.y - viewport.y};
}

RECT logicalToDevice(const DeviceContext& dc, int left, int top, int right, int bottom) {
    const POINT& viewport = dc.state().viewportOrg;
    return RECT{left + viewport.x, top + viewport.y, right + viewport.x, bottom + viewport.y};
}

// The area drawing reaches now, in device coordinates.
Region currentClip(const DeviceContext& dc) {
    Region region = dc.clipRegion();
    POINT origin = deviceOrigin(dc);
    region.offset(-origin.x, -origin.y);
    return region;
}

}  // namespace

int SelectClipRgn(HDC hdc, HRGN hrgn) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return ERROR;
    if (!hrgn) {
        dc->state().clip.reset();
    } else {
        ce::gdi::RegionObject* region = ce::gdi::findRegion(hrgn);
        if (!region) return ERROR;
        dc->state().clip = region->m_region;
    }
    return dc->clipRegion().complexity();
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return ERROR;
    RECT rect = logicalToDevice(*dc, left, top, right, bottom);
    Region clip = dc->state().clip ? *dc->state().clip : Region(rect);
    clip.intersect(rect);
    dc->state().clip = std::move(clip);
    return dc->clipRegion().complexity();
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return ERROR;
    Region clip = currentClip(*dc);
    clip.subtract(logicalToDevice(*dc, left, top, right, bottom));
    dc->state().clip = std::move(clip);
    return dc->clipRegion().complexity();
}

int GetClipBox(HDC hdc, LPRECT lprect) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc || !lprect) return ERROR;
    Region region = dc->clipRegion();
    POINT origin = dc->toSurface(POINT{0, 0});
    region.offset(-origin.x, -origin.y);
    *lprect = region.bounds();
    return region.complexity();
}

BOOL RectVisible(HDC hdc, const RECT* lprect) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc || !lprect) return FALSE;
    return dc->clipRegion().intersects(dc->toSurface(*lprect));
}

BOOL PtVisible(HDC hdc, int x, int y) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return FALSE;
    return dc->clipRegion().contains(dc->toSurface(POINT{x, y}));
}
