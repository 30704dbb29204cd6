// Creating brushes and pens.
#include <memory>

#include "gwe/gdi/GdiObject.h"
#include "winbase.h"

using ce::gdi::GdiObjects;

HBRUSH CreateSolidBrush(COLORREF color) {
    return static_cast<HBRUSH>(GdiObjects::instance().add(std::make_unique<ce::gdi::Brush>(color, false)));
}

// Solid and hollow brushes only: the handheld's hatched and pattern brushes are not needed.
HBRUSH CreateBrushIndirect(const LOGBRUSH* plbrush) {
    if (!plbrush || (plbrush->lbStyle != BS_SOLID && plbrush->lbStyle != BS_NULL)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto brush = std::make_unique<ce::gdi::Brush>(plbrush->lbColor, plbrush->lbStyle == BS_NULL);
    return static_cast<HBRUSH>(GdiObjects::instance().add(std::move(brush)));
}

HPEN CreatePen(int iStyle, int cWidth, COLORREF color) {
    if (iStyle != PS_SOLID && iStyle != PS_DASH && iStyle != PS_NULL) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    // Width 0 is the one-pixel cosmetic pen; dashes are always one pixel wide.
    int width = iStyle == PS_DASH || cWidth < 1 ? 1 : cWidth;
    return static_cast<HPEN>(GdiObjects::instance().add(std::make_unique<ce::gdi::Pen>(iStyle, width, color)));
}

HPEN CreatePenIndirect(const LOGPEN* plpen) {
    if (!plpen) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return CreatePen(static_cast<int>(plpen->lopnStyle), plpen->lopnWidth.x, plpen->lopnColor);
}
