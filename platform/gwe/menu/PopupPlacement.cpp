// Placing pop-up menus on the screen.
#include "gwe/menu/PopupPlacement.h"

namespace ce::gwe::popup {

namespace {

RECT at(int left, int top, SIZE size) {
    return RECT{left, top, left + size.cx, top + size.cy};
}

bool overlaps(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Beside the excluded rectangle: below or above it with TPM_VERTICAL, else right or left.
RECT clearOf(RECT rect, SIZE size, UINT flags, const RECT& exclude, const RECT& screen) {
    if (flags & TPM_VERTICAL) {
        int top = exclude.bottom + size.cy <= screen.bottom ? exclude.bottom : exclude.top - size.cy;
        return at(rect.left, top, size);
    }
    int left = exclude.right + size.cx <= screen.right ? exclude.right : exclude.left - size.cx;
    return at(left, rect.top, size);
}

}  // namespace

RECT keepOnScreen(RECT rect, const RECT& screen) {
    int dx = rect.right > screen.right ? screen.right - rect.right : 0;
    int dy = rect.bottom > screen.bottom ? screen.bottom - rect.bottom : 0;
    OffsetRect(&rect, dx, dy);
    OffsetRect(&rect, rect.left < screen.left ? screen.left - rect.left : 0,
               rect.top < screen.top ? screen.top - rect.top : 0);
    return rect;
}

RECT place(SIZE size, POINT point, UINT flags, const RECT* exclude, const RECT& screen) {
    int left = point.x;
    if (flags & TPM_RIGHTALIGN) left = point.x - size.cx;
    else if (flags & TPM_CENTERALIGN) left = point.x - size.cx / 2;
    int top = point.y;
    if (flags & TPM_BOTTOMALIGN) top = point.y - size.cy;
    else if (flags & TPM_VCENTERALIGN) top = point.y - size.cy / 2;
    RECT rect = keepOnScreen(at(left, top, size), screen);
    if (exclude && overlaps(rect, *exclude)) rect = keepOnScreen(clearOf(rect, size, flags, *exclude, screen), screen);
    return rect;
}

RECT cascade(SIZE size, const RECT& row, const RECT& parent, int frame, const RECT& screen) {
    int left = parent.right - frame;
    if (left + size.cx > screen.right) left = parent.left + frame - size.cx;
    return keepOnScreen(at(left, row.top - frame, size), screen);
}

}  // namespace ce::gwe::popup
