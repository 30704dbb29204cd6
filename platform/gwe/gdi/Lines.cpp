// Lines with the current position, polylines and single pixels.
#include "gwe/gdi/PenStroke.h"
#include "winbase.h"

using ce::gdi::Canvas;
using ce::gdi::DeviceContext;

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return FALSE;
    if (lppt) *lppt = dc->state().penPos;
    dc->state().penPos = POINT{x, y};
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return FALSE;
    {
        Canvas canvas(*dc);
        ce::gdi::PenStroke(canvas).line(dc->toSurface(dc->state().penPos), dc->toSurface(POINT{x, y}));
    }
    dc->state().penPos = POINT{x, y};
    return TRUE;
}

// Leaves the current position alone.
BOOL Polyline(HDC hdc, const POINT* apt, int cpt) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return FALSE;
    if (!apt || cpt < 2) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Canvas canvas(*dc);
    ce::gdi::PenStroke stroke(canvas);
    for (int i = 1; i < cpt; ++i) stroke.line(dc->toSurface(apt[i - 1]), dc->toSurface(apt[i]));
    return TRUE;
}

// The colour stored, which on a monochrome bitmap is black or white; CLR_INVALID outside
// the clip.
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return CLR_INVALID;
    Canvas canvas(*dc);
    POINT at = dc->toSurface(POINT{x, y});
    if (!canvas.clip().contains(at)) return CLR_INVALID;
    ce::gdi::Pixel pixel = canvas.pixelOf(color);
    canvas.plot(at.x, at.y, pixel);
    return ce::gdi::toColorRef(pixel);
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return CLR_INVALID;
    POINT at = dc->toSurface(POINT{x, y});
    if (!dc->clipRegion().contains(at)) return CLR_INVALID;
    return ce::gdi::toColorRef(dc->surface().pixel(at.x, at.y));
}
