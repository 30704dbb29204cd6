// DrawEdge: the raised, sunken, etched and bump borders, and the flat one, in the 3D colours.
#include "gwe/gdi/Canvas.h"
#include "gwe/gdi/SysColors.h"
#include "winuser.h"

using ce::gdi::Canvas;

namespace {

struct EdgeColors {
    int topLeft;
    int bottomRight;
};

// The colours of one ring: the outer one (BDR_*OUTER) or the inner one (BDR_*INNER).
EdgeColors ringColors(UINT edge, bool outer, bool flat) {
    UINT raised = outer ? BDR_RAISEDOUTER : BDR_RAISEDINNER;
    UINT sunken = outer ? BDR_SUNKENOUTER : BDR_SUNKENINNER;
    if (!(edge & (raised | sunken))) return {-1, -1};
    if (flat) {
        int color = outer ? COLOR_BTNSHADOW : COLOR_BTNFACE;
        return {color, color};
    }
    if (edge & raised)
        return outer ? EdgeColors{COLOR_3DLIGHT, COLOR_3DDKSHADOW} : EdgeColors{COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
    return outer ? EdgeColors{COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT} : EdgeColors{COLOR_3DDKSHADOW, COLOR_3DLIGHT};
}

// Left and top first, so that the bottom-right colour takes the two far corners.
void drawRing(Canvas& canvas, const RECT& r, EdgeColors colors, UINT sides) {
    if (colors.topLeft < 0) return;
    auto pixel = [&canvas](int color) {
        return canvas.pixelOf(ce::gdi::SysColors::instance().color(ce::gdi::SysColors::indexOf(color)));
    };
    ce::gdi::Pixel light = pixel(colors.topLeft);
    ce::gdi::Pixel dark = pixel(colors.bottomRight);
    if (sides & BF_LEFT) canvas.fill(RECT{r.left, r.top, r.left + 1, r.bottom}, light);
    if (sides & BF_TOP) canvas.fill(RECT{r.left, r.top, r.right, r.top + 1}, light);
    if (sides & BF_RIGHT) canvas.fill(RECT{r.right - 1, r.top, r.right, r.bottom}, dark);
    if (sides & BF_BOTTOM) canvas.fill(RECT{r.left, r.bottom - 1, r.right, r.bottom}, dark);
}

}  // namespace

BOOL DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags) {
    ce::gdi::DeviceContext* dc = ce::gdi::DeviceContext::find(hdc);
    if (!dc || !qrc) return FALSE;
    bool flat = (grfFlags & BF_FLAT) != 0;
    RECT r = dc->toSurface(*qrc);
    Canvas canvas(*dc);
    drawRing(canvas, r, ringColors(edge, true, flat), grfFlags);
    RECT inner{r.left + ((grfFlags & BF_LEFT) ? 1 : 0), r.top + ((grfFlags & BF_TOP) ? 1 : 0),
               r.right - ((grfFlags & BF_RIGHT) ? 1 : 0), r.bottom - ((grfFlags & BF_BOTTOM) ? 1 : 0)};
    drawRing(canvas, inner, ringColors(edge, false, flat), grfFlags);
    return TRUE;
}
