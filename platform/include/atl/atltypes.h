// CPoint, CSize and CRect: the POINT, SIZE and RECT structures with the arithmetic windows
// and painting code does on them.
#pragma once

#include <utility>

#include "windows.h"

class CSize : public SIZE {
public:
    CSize() : SIZE{0, 0} {}
    CSize(int cx, int cy) : SIZE{cx, cy} {}
    CSize(SIZE size) : SIZE(size) {}
    bool operator==(SIZE s) const { return cx == s.cx && cy == s.cy; }
    bool operator!=(SIZE s) const { return !(*this == s); }
    CSize operator+(SIZE s) const { return CSize(cx + s.cx, cy + s.cy); }
    CSize operator-(SIZE s) const { return CSize(cx - s.cx, cy - s.cy); }
};

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int x0, int y0) : POINT{x0, y0} {}
    CPoint(POINT pt) : POINT(pt) {}
    // Packed coordinates as mouse messages carry them (signed 16-bit halves).
    explicit CPoint(LPARAM packed)
        : POINT{static_cast<SHORT>(LOWORD(packed)), static_cast<SHORT>(HIWORD(packed))} {}
    void Offset(int dx, int dy) { x += dx, y += dy; }
    void SetPoint(int x0, int y0) { x = x0, y = y0; }
    bool operator==(POINT p) const { return x == p.x && y == p.y; }
    bool operator!=(POINT p) const { return !(*this == p); }
    CPoint& operator+=(SIZE s) { return Offset(s.cx, s.cy), *this; }
    CPoint& operator-=(SIZE s) { return Offset(-s.cx, -s.cy), *this; }
    CPoint operator+(SIZE s) const { return CPoint(x + s.cx, y + s.cy); }
    CPoint operator-(SIZE s) const { return CPoint(x - s.cx, y - s.cy); }
    CSize operator-(POINT p) const { return CSize(x - p.x, y - p.y); }
    CPoint operator-() const { return CPoint(-x, -y); }
};

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& rc) : RECT(rc) {}
    CRect(const RECT* rc) : RECT(*rc) {}
    CRect(POINT topLeft, SIZE size) : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
    CRect(POINT topLeft, POINT bottomRight) : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    BOOL IsRectEmpty() const { return ::IsRectEmpty(this); }
    BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    BOOL PtInRect(POINT pt) const { return ::PtInRect(this, pt); }
    BOOL EqualRect(const RECT* rc) const { return ::EqualRect(this, rc); }

    void SetRect(int l, int t, int r, int b) { left = l, top = t, right = r, bottom = b; }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void CopyRect(const RECT* rc) { *static_cast<RECT*>(this) = *rc; }
    void MoveToXY(int x, int y) { SetRect(x, y, x + Width(), y + Height()); }
    void MoveToX(int x) { MoveToXY(x, top); }
    void MoveToY(int y) { MoveToXY(left, y); }

    void OffsetRect(int dx, int dy) { ::OffsetRect(this, dx, dy); }
    void OffsetRect(POINT pt) { OffsetRect(pt.x, pt.y); }
    void OffsetRect(SIZE size) { OffsetRect(size.cx, size.cy); }
    void InflateRect(int dx, int dy) { ::InflateRect(this, dx, dy); }
    void InflateRect(SIZE size) { InflateRect(size.cx, size.cy); }
    void InflateRect(int l, int t, int r, int b) { SetRect(left - l, top - t, right + r, bottom + b); }
    void InflateRect(const RECT* rc) { InflateRect(rc->left, rc->top, rc->right, rc->bottom); }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void DeflateRect(SIZE size) { InflateRect(-size.cx, -size.cy); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    void DeflateRect(const RECT* rc) { DeflateRect(rc->left, rc->top, rc->right, rc->bottom); }
    void NormalizeRect();

    BOOL IntersectRect(const RECT* a, const RECT* b) { return ::IntersectRect(this, a, b); }
    BOOL UnionRect(const RECT* a, const RECT* b) { return ::UnionRect(this, a, b); }
    BOOL SubtractRect(const RECT* a, const RECT* b) { return ::SubtractRect(this, a, b); }

    CRect& operator=(const RECT& rc) { return CopyRect(&rc), *this; }
    bool operator==(const RECT& rc) const { return ::EqualRect(this, &rc) != FALSE; }
    bool operator!=(const RECT& rc) const { return !(*this == rc); }
    CRect& operator+=(POINT pt) { return OffsetRect(pt), *this; }
    CRect& operator+=(SIZE size) { return OffsetRect(size), *this; }
    CRect& operator-=(POINT pt) { return OffsetRect(-pt.x, -pt.y), *this; }
    CRect& operator-=(SIZE size) { return OffsetRect(-size.cx, -size.cy), *this; }
    CRect& operator&=(const RECT& rc) { return IntersectRect(CRect(*this), &rc), *this; }
    CRect& operator|=(const RECT& rc) { return UnionRect(CRect(*this), &rc), *this; }
    CRect operator+(POINT pt) const { return CRect(*this) += pt; }
    CRect operator-(POINT pt) const { return CRect(*this) -= pt; }
    CRect operator&(const RECT& rc) const { return CRect(*this) &= rc; }
    CRect operator|(const RECT& rc) const { return CRect(*this) |= rc; }
};

inline void CRect::NormalizeRect() {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
}
