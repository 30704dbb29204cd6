// Rectangle helpers of the window manager's API. Right and bottom edges are exclusive.
#include <algorithm>

#include "winuser.h"

namespace {

bool empty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

}  // namespace

BOOL SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom) {
    if (!lprc) return FALSE;
    *lprc = RECT{xLeft, yTop, xRight, yBottom};
    return TRUE;
}

BOOL SetRectEmpty(LPRECT lprc) {
    return SetRect(lprc, 0, 0, 0, 0);
}

BOOL CopyRect(LPRECT lprcDst, const RECT* lprcSrc) {
    if (!lprcDst || !lprcSrc) return FALSE;
    *lprcDst = *lprcSrc;
    return TRUE;
}

BOOL IsRectEmpty(const RECT* lprc) {
    return !lprc || empty(*lprc);
}

BOOL EqualRect(const RECT* lprc1, const RECT* lprc2) {
    if (!lprc1 || !lprc2) return FALSE;
    return lprc1->left == lprc2->left && lprc1->top == lprc2->top && lprc1->right == lprc2->right &&
           lprc1->bottom == lprc2->bottom;
}

BOOL PtInRect(const RECT* lprc, POINT pt) {
    if (!lprc) return FALSE;
    return pt.x >= lprc->left && pt.x < lprc->right && pt.y >= lprc->top && pt.y < lprc->bottom;
}

BOOL OffsetRect(LPRECT lprc, int dx, int dy) {
    if (!lprc) return FALSE;
    *lprc = RECT{lprc->left + dx, lprc->top + dy, lprc->right + dx, lprc->bottom + dy};
    return TRUE;
}

BOOL InflateRect(LPRECT lprc, int dx, int dy) {
    if (!lprc) return FALSE;
    *lprc = RECT{lprc->left - dx, lprc->top - dy, lprc->right + dx, lprc->bottom + dy};
    return TRUE;
}

// No overlap gives the empty rectangle and FALSE.
BOOL IntersectRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
    if (!lprcDst || !lprcSrc1 || !lprcSrc2) return FALSE;
    RECT r{std::max(lprcSrc1->left, lprcSrc2->left), std::max(lprcSrc1->top, lprcSrc2->top),
           std::min(lprcSrc1->right, lprcSrc2->right), std::min(lprcSrc1->bottom, lprcSrc2->bottom)};
    *lprcDst = empty(r) ? RECT{} : r;
    return !empty(r);
}

// Empty rectangles do not count; two empty ones give the empty rectangle and FALSE.
BOOL UnionRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
    if (!lprcDst || !lprcSrc1 || !lprcSrc2) return FALSE;
    const RECT& a = *lprcSrc1;
    const RECT& b = *lprcSrc2;
    if (empty(a) || empty(b)) {
        *lprcDst = !empty(a) ? a : !empty(b) ? b : RECT{};
        return !empty(*lprcDst);
    }
    *lprcDst = RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                    std::max(a.bottom, b.bottom)};
    return TRUE;
}

// The difference only when the second rectangle covers a whole side band of the first (the
// result must stay a rectangle); otherwise the first, unchanged. FALSE when the result is empty.
BOOL SubtractRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
    if (!lprcDst || !lprcSrc1 || !lprcSrc2) return FALSE;
    RECT r = *lprcSrc1;
    const RECT& cut = *lprcSrc2;
    if (!empty(r) && !empty(cut)) {
        bool spansWidth = cut.left <= r.left && cut.right >= r.right;
        bool spansHeight = cut.top <= r.top && cut.bottom >= r.bottom;
        if (spansWidth && cut.top <= r.top && cut.bottom > r.top) r.top = std::min(cut.bottom, r.bottom);
        else if (spansWidth && cut.bottom >= r.bottom && cut.top < r.bottom) r.bottom = std::max(cut.top, r.top);
        else if (spansHeight && cut.left <= r.left && cut.right > r.left) r.left = std::min(cut.right, r.right);
        else if (spansHeight && cut.right >= r.right && cut.left < r.right) r.right = std::max(cut.left, r.left);
    }
    *lprcDst = r;
    return !empty(r);
}
