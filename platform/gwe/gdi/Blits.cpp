// BitBlt, StretchBlt, MaskBlt and TransparentImage: one loop applying raster operations to
// destination, source and brush pattern, clipped to the destination DC.
#include <algorithm>
#include <optional>

#include "gwe/gdi/BlitSource.h"
#include "gwe/gdi/Canvas.h"
#include "gwe/gdi/GdiObject.h"
#include "gwe/gdi/RasterOp.h"
#include "winbase.h"

using namespace ce::gdi;

namespace {

// A logical position and extents, which may be negative (mirroring).
struct Placement {
    int x, y, width, height;
};

struct BlitRequest {
    BlitRequest(Placement to, Placement from, std::optional<SourceView> sourceView) :
        dest(to), source(from), view(std::move(sourceView)) {}

    Placement dest;
    Placement source;  // in the source's logical coordinates
    std::optional<SourceView> view;
    const Bitmap* mask = nullptr;
    POINT maskOrigin{};
    BYTE fore = 0;  // where the mask bit is 1, or everywhere without a mask
    BYTE back = 0;  // where the mask bit is 0
    std::optional<Pixel> transparent;  // source pixels of this colour are left out
};

RECT spanned(POINT at, int width, int height) {
    return RECT{std::min(at.x, at.x + width), std::min(at.y, at.y + height), std::max(at.x, at.x + width),
                std::max(at.y, at.y + height)};
}

BlitGeometry geometryOf(const DeviceContext& dc, const BlitRequest& r) {
    BlitGeometry g;
    g.dest = spanned(dc.toSurface(POINT{r.dest.x, r.dest.y}), r.dest.width, r.dest.height);
    POINT origin = r.view ? r.view->origin : POINT{};
    g.source = spanned(POINT{r.source.x + origin.x, r.source.y + origin.y}, r.source.width, r.source.height);
    g.mirrorX = (r.dest.width < 0) != (r.source.width < 0);
    g.mirrorY = (r.dest.height < 0) != (r.source.height < 0);
    return g;
}

// Outside the mask bitmap nothing is drawn.
std::optional<bool> maskBit(const BlitRequest& r, const RECT& dest, int x, int y) {
    if (!r.mask) return true;
    int mx = r.maskOrigin.x + (x - dest.left);
    int my = r.maskOrigin.y + (y - dest.top);
    if (!r.mask->m_surface.contains(mx, my)) return std::nullopt;
    return r.mask->m_surface.pixel(mx, my) != 0;
}

BOOL blit(HDC hdc, const BlitRequest& r) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return FALSE;
    bool needsSource = ropUsesSource(r.fore) || (r.mask && ropUsesSource(r.back));
    if (needsSource && !r.view) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    Canvas canvas(*dc);
    std::optional<Pixel> pattern = canvas.brushPixel();
    if (!pattern && (ropUsesPattern(r.fore) || (r.mask && ropUsesPattern(r.back)))) return TRUE;
    BlitGeometry g = geometryOf(*dc, r);
    RECT area = intersection(g.dest, canvas.clip().bounds());
    if (isEmpty(area) || isEmpty(g.source)) return TRUE;
    std::optional<SourceImage> source;
    std::optional<PixelConverter> convert;
    if (needsSource) {
        source.emplace(*r.view, g, area);
        convert.emplace(*r.view, *dc, canvas.monochrome());
    }
    Pixel p = pattern.value_or(0);
    canvas.forEach(area, [&](Pixel& d, int x, int y) {
        std::optional<bool> bit = maskBit(r, g.dest, x, y);
        if (!bit) return;
        Pixel s = 0;
        if (source) {
            if (!source->present(x, y)) return;
            Pixel raw = source->pixel(x, y);
            if (r.transparent && raw == *r.transparent) return;
            s = (*convert)(raw);
        }
        d = applyRop3(*bit ? r.fore : r.back, d, s, p);
    });
    return TRUE;
}

std::optional<SourceView> viewOfDc(HDC hdcSrc) {
    if (!hdcSrc) return std::nullopt;
    DeviceContext* source = DeviceContext::find(hdcSrc);
    if (!source) return std::nullopt;
    return SourceView::ofDc(*source);
}

}  // namespace

BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
    BlitRequest r(Placement{x, y, cx, cy}, Placement{x1, y1, cx, cy}, viewOfDc(hdcSrc));
    r.fore = r.back = ropIndex(rop);
    return blit(hdc, r);
}

BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc, int wSrc,
                int hSrc, DWORD rop) {
    BlitRequest r(Placement{xDest, yDest, wDest, hDest}, Placement{xSrc, ySrc, wSrc, hSrc}, viewOfDc(hdcSrc));
    r.fore = r.back = ropIndex(rop);
    return blit(hdcDest, r);
}

// rop is MAKEROP4(fore, back): the foreground operation in bits 16-23, the background one in
// bits 24-31. The mask must be monochrome; without one this is BitBlt with the foreground.
BOOL MaskBlt(HDC hdcDest, int xDest, int yDest, int width, int height, HDC hdcSrc, int xSrc, int ySrc,
             HBITMAP hbmMask, int xMask, int yMask, DWORD rop) {
    BlitRequest r(Placement{xDest, yDest, width, height}, Placement{xSrc, ySrc, width, height}, viewOfDc(hdcSrc));
    r.fore = ropIndex(rop);
    r.back = static_cast<BYTE>((rop >> 24) & 0xFF);
    if (hbmMask) {
        r.mask = findBitmap(hbmMask);
        if (!r.mask) return FALSE;
        if (r.mask->m_bitsPerPixel != 1) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        r.maskOrigin = POINT{xMask, yMask};
    }
    return blit(hdcDest, r);
}

// hSrc is a DC or, as the handheld also allows, a bitmap. The transparent colour is compared
// with the source's own pixels, before any conversion.
BOOL TransparentImage(HDC hdcDest, LONG DstX, LONG DstY, LONG DstCx, LONG DstCy, HANDLE hSrc, LONG SrcX, LONG SrcY,
                      LONG SrcCx, LONG SrcCy, COLORREF TransparentColor) {
    BlitRequest r(Placement{DstX, DstY, DstCx, DstCy}, Placement{SrcX, SrcY, SrcCx, SrcCy}, std::nullopt);
    GdiObject* object = GdiObjects::instance().find(hSrc);
    if (object && object->type() == OBJ_BITMAP)
        r.view = SourceView::ofBitmap(static_cast<HBITMAP>(hSrc));
    else
        r.view = viewOfDc(static_cast<HDC>(hSrc));
    if (!r.view) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    r.fore = r.back = ropIndex(SRCCOPY);
    r.transparent = toPixel(TransparentColor & 0xFFFFFF);
    return blit(hdcDest, r);
}
