// Clipped drawing on a DC's surface, reporting the touched area once.
#include "gwe/gdi/Canvas.h"

#include "gwe/gdi/GdiObject.h"

namespace ce::gdi {

Canvas::Canvas(DeviceContext& dc) :
    m_dc(dc), m_surface(dc.surface()), m_clip(dc.clipRegion()), m_monochrome(isMonochrome(dc)) {}

Canvas::~Canvas() {
    if (!m_touched.empty()) m_dc.paintedOver(m_touched);
}

bool Canvas::isMonochrome(const DeviceContext& dc) {
    if (dc.kind() != DeviceContext::Kind::Memory) return false;
    const Bitmap* bitmap = static_cast<const Bitmap*>(GdiObjects::instance().find(dc.state().bitmap));
    return bitmap && bitmap->m_bitsPerPixel == 1;
}

// Nearest by distance in RGB space, which comes down to the sum of the components.
Pixel Canvas::toMonochrome(Pixel pixel) {
    int sum = static_cast<int>((pixel >> 16) & 0xFF) + static_cast<int>((pixel >> 8) & 0xFF) +
              static_cast<int>(pixel & 0xFF);
    return sum >= 383 ? 0xFFFFFF : 0;
}

Pixel Canvas::pixelOf(COLORREF color) const {
    Pixel pixel = toPixel(color & 0xFFFFFF);
    return m_monochrome ? toMonochrome(pixel) : pixel;
}

std::optional<Pixel> Canvas::brushPixel() const {
    const Brush* brush = static_cast<const Brush*>(GdiObjects::instance().find(m_dc.state().brush));
    if (!brush || brush->m_hollow) return std::nullopt;
    return pixelOf(brush->m_color);
}

void Canvas::fill(const RECT& rect, Pixel value) {
    forEach(rect, [value](Pixel& pixel, int, int) { pixel = value; });
}

void Canvas::plot(int x, int y, Pixel value) {
    if (!m_clip.contains(POINT{x, y})) return;
    m_surface.setPixel(x, y, value);
    touched(RECT{x, y, x + 1, y + 1});
}

// The pieces themselves, not their bounding box: text between two pieces was not touched.
void Canvas::touched(const RECT& area) {
    m_touched.unite(area);
}

}  // namespace ce::gdi
