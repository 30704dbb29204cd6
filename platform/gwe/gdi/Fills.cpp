// Filling areas: FillRect, FrameRect, PatBlt and the dotted focus rectangle.
#include <algorithm>

#include "gwe/gdi/Canvas.h"
#include "gwe/gdi/GdiObject.h"
#include "gwe/gdi/RasterOp.h"
#include "gwe/gdi/SysColors.h"
#include "winbase.h"
#include "winuser.h"

using ce::gdi::Canvas;
using ce::gdi::DeviceContext;
using ce::gdi::Pixel;

namespace {

// FillRect and FrameRect take a brush handle or (COLOR_x + 1), the flag form the handheld's
// headers produce and the bare index desktop code passes.
const ce::gdi::Brush* fillBrush(HBRUSH hbr) {
    int index = ce::gdi::SysColors::indexOfBrushValue(hbr);
    if (index >= 0) hbr = ce::gdi::SysColors::instance().brush(index);
    return ce::gdi::findBrush(hbr);
}

void fillWith(DeviceContext& dc, const RECT& logical, const ce::gdi::Brush& brush) {
    if (brush.m_hollow) return;
    Canvas canvas(dc);
    canvas.fill(dc.toSurface(logical), canvas.pixelOf(brush.m_color));
}

}  // namespace

int FillRect(HDC hdc, const RECT* lprc, HBRUSH hbr) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return 0;
    const ce::gdi::Brush* brush = fillBrush(hbr);
    if (!brush || !lprc) return 0;
    fillWith(*dc, *lprc, *brush);
    return 1;
}

// A one-pixel border just inside the rectangle.
int FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    DeviceContext* dc = DeviceContext::find(hDC);
    if (!dc) return 0;
    const ce::gdi::Brush* brush = fillBrush(hbr);
    if (!brush || !lprc) return 0;
    const RECT& r = *lprc;
    if (r.right <= r.left || r.bottom <= r.top) return 1;
    fillWith(*dc, RECT{r.left, r.top, r.right, r.top + 1}, *brush);
    fillWith(*dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, *brush);
    fillWith(*dc, RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1}, *brush);
    fillWith(*dc, RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1}, *brush);
    return 1;
}

// A pattern operation needing the hollow brush draws nothing.
BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return FALSE;
    BYTE index = ce::gdi::ropIndex(rop);
    if (ce::gdi::ropUsesSource(index)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Canvas canvas(*dc);
    std::optional<Pixel> pattern = canvas.brushPixel();
    if (ce::gdi::ropUsesPattern(index) && !pattern) return TRUE;
    RECT logical{std::min(x, x + w), std::min(y, y + h), std::max(x, x + w), std::max(y, y + h)};
    Pixel p = pattern.value_or(0);
    canvas.forEach(dc->toSurface(logical),
                   [index, p](Pixel& pixel, int, int) { pixel = ce::gdi::applyRop3(index, pixel, 0, p); });
    return TRUE;
}

// Every other pixel of the border inverted, so that drawing it again removes it.
BOOL DrawFocusRect(HDC hDC, const RECT* lprc) {
    DeviceContext* dc = DeviceContext::find(hDC);
    if (!dc || !lprc) return FALSE;
    RECT r = dc->toSurface(*lprc);
    if (r.right <= r.left || r.bottom <= r.top) return TRUE;
    // Each edge is its own drawing, so the text inside the frame stays on the screen's record.
    auto edge = [dc, &r](const RECT& strip) {
        Canvas canvas(*dc);
        canvas.forEach(strip, [&r](Pixel& pixel, int x, int y) {
            if (((x - r.left) + (y - r.top)) % 2 == 0) pixel ^= 0xFFFFFF;
        });
    };
    edge(RECT{r.left, r.top, r.right, r.top + 1});
    if (r.bottom - r.top > 1) edge(RECT{r.left, r.bottom - 1, r.right, r.bottom});
    edge(RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1});
    if (r.right - r.left > 1) edge(RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1});
    return TRUE;
}
