// The icon table and drawing an icon through its mask.
#include "gwe/resource/Icon.h"

#include <algorithm>

#include "gwe/gdi/DeviceContext.h"
#include "gwe/gdi/GdiObject.h"
#include "kernel/HandleTable.h"
#include "winbase.h"

namespace ce::res {

namespace {

HandleTable<Icon>& table() {
    static HandleTable<Icon> icons;
    return icons;
}

// Draws the part of the icon inside area, a rectangle of the surface; the icon's top left
// corner is at origin.
void blend(gdi::Surface& surface, const RECT& area, POINT origin, const gdi::Surface& image,
           const gdi::Surface& mask) {
    for (int y = area.top; y < area.bottom; ++y) {
        gdi::Pixel* row = surface.row(y);
        const gdi::Pixel* imageRow = image.row(y - origin.y);
        const gdi::Pixel* maskRow = mask.row(y - origin.y);
        for (int x = area.left; x < area.right; ++x) {
            int i = x - origin.x;
            row[x] = ((row[x] & maskRow[i]) ^ imageRow[i]) & 0xFFFFFF;
        }
    }
}

}  // namespace

Icon::~Icon() {
    gdi::GdiObjects::instance().remove(m_image);
    gdi::GdiObjects::instance().remove(m_mask);
}

HICON Icon::add(std::unique_ptr<Icon> icon) {
    return reinterpret_cast<HICON>(table().add(std::move(icon)));
}

Icon* Icon::find(HICON icon) {
    Icon* found = table().find(reinterpret_cast<std::uintptr_t>(icon));
    if (!found) SetLastError(ERROR_INVALID_HANDLE);
    return found;
}

bool Icon::destroy(HICON icon) {
    if (!find(icon)) return false;
    table().remove(reinterpret_cast<std::uintptr_t>(icon));
    return true;
}

bool Icon::draw(HDC hdc, int x, int y) const {
    gdi::DeviceContext* dc = gdi::DeviceContext::find(hdc);
    gdi::Bitmap* image = gdi::findBitmap(m_image);
    gdi::Bitmap* mask = gdi::findBitmap(m_mask);
    if (!dc || !image || !mask) return false;
    int width = std::min(image->m_surface.width(), mask->m_surface.width());
    int height = std::min(image->m_surface.height(), mask->m_surface.height());
    RECT target = dc->toSurface(RECT{x, y, x + width, y + height});
    gdi::Surface& surface = dc->surface();
    gdi::Region clipRegion = dc->clipRegion();
    for (const RECT& clip : clipRegion.rects()) {
        RECT area = gdi::intersection(clip, target);
        if (gdi::isEmpty(area)) continue;
        blend(surface, area, POINT{target.left, target.top}, image->m_surface, mask->m_surface);
        dc->paintedOver(area);
    }
    return true;
}

bool Icon::toArgb(int& width, int& height, std::vector<std::uint32_t>& pixels) const {
    const gdi::Bitmap* image = gdi::findBitmap(m_image);
    const gdi::Bitmap* mask = gdi::findBitmap(m_mask);
    if (!image || !mask) return false;
    width = std::min(image->m_surface.width(), mask->m_surface.width());
    height = std::min(image->m_surface.height(), mask->m_surface.height());
    pixels.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const gdi::Pixel* imageRow = image->m_surface.row(y);
        const gdi::Pixel* maskRow = mask->m_surface.row(y);
        for (int x = 0; x < width; ++x) {
            bool opaque = (maskRow[x] & 0xFFFFFF) == 0;
            pixels[static_cast<size_t>(y) * width + x] = opaque ? 0xFF000000u | (imageRow[x] & 0xFFFFFF) : 0;
        }
    }
    return true;
}

}  // namespace ce::res
