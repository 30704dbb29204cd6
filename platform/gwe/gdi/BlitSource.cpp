// Reading a blit's source and converting its colours.
#include "gwe/gdi/BlitSource.h"

#include "gwe/gdi/Canvas.h"
#include "gwe/gdi/GdiObject.h"

namespace ce::gdi {

namespace {

// Nearest neighbour at pixel centres; the identity when both extents agree.
int sourceOffset(int destOffset, int destExtent, int sourceExtent, bool mirror) {
    long long offset = (2LL * destOffset + 1) * sourceExtent / (2LL * destExtent);
    return static_cast<int>(mirror ? sourceExtent - 1 - offset : offset);
}

}  // namespace

SourceView SourceView::ofDc(const DeviceContext& dc) {
    return SourceView{&dc.surface(), Canvas::isMonochrome(dc), dc.state().bkColor, dc.toSurface(POINT{0, 0})};
}

SourceView SourceView::ofBitmap(HBITMAP handle) {
    const Bitmap* bitmap = static_cast<const Bitmap*>(GdiObjects::instance().find(handle));
    return SourceView{&bitmap->m_surface, bitmap->m_bitsPerPixel == 1, RGB(255, 255, 255), POINT{}};
}

SourceImage::SourceImage(const SourceView& view, const BlitGeometry& g, const RECT& area) : m_area(area) {
    size_t count = static_cast<size_t>(area.right - area.left) * static_cast<size_t>(area.bottom - area.top);
    m_pixels.assign(count, 0);
    m_present.assign(count, 0);
    int destWidth = g.dest.right - g.dest.left;
    int destHeight = g.dest.bottom - g.dest.top;
    int sourceWidth = g.source.right - g.source.left;
    int sourceHeight = g.source.bottom - g.source.top;
    for (int y = area.top; y < area.bottom; ++y) {
        int sy = g.source.top + sourceOffset(y - g.dest.top, destHeight, sourceHeight, g.mirrorY);
        for (int x = area.left; x < area.right; ++x) {
            int sx = g.source.left + sourceOffset(x - g.dest.left, destWidth, sourceWidth, g.mirrorX);
            if (!view.surface->contains(sx, sy)) continue;
            m_pixels[offset(x, y)] = view.surface->pixel(sx, sy);
            m_present[offset(x, y)] = 1;
        }
    }
}

PixelConverter::PixelConverter(const SourceView& source, const DeviceContext& dest, bool destMonochrome) {
    if (source.monochrome && !destMonochrome) {
        m_mode = Mode::MonoToColor;
        m_one = toPixel(dest.state().bkColor & 0xFFFFFF);
        m_zero = toPixel(dest.state().textColor & 0xFFFFFF);
    } else if (!source.monochrome && destMonochrome) {
        m_mode = Mode::ColorToMono;
        m_sourceBk = toPixel(source.bkColor & 0xFFFFFF);
    }
}

Pixel PixelConverter::operator()(Pixel raw) const {
    switch (m_mode) {
    case Mode::MonoToColor: return raw ? m_one : m_zero;
    case Mode::ColorToMono: return raw == m_sourceBk ? 0xFFFFFF : 0;
    case Mode::None: break;
    }
    return raw;
}

}  // namespace ce::gdi
