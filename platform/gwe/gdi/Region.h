// An area made of disjoint rectangles: update regions, visible regions and clipping all use
// it. Small and simple: window counts on a handheld keep the rectangle lists short.
#pragma once

#include <vector>

#include "windef.h"

namespace ce::gdi {

class Region {
public:
    Region() = default;
    explicit Region(const RECT& rect);

    bool empty() const { return m_rects.empty(); }
    const std::vector<RECT>& rects() const { return m_rects; }
    // The smallest rectangle holding the region; all zero when it is empty.
    RECT bounds() const;
    bool contains(POINT pt) const;
    bool intersects(const RECT& rect) const;
    // NULLREGION, SIMPLEREGION or COMPLEXREGION, as GDI reports a region's shape.
    int complexity() const;

    void unite(const Region& other);
    void unite(const RECT& rect) { unite(Region(rect)); }
    void intersect(const Region& other);
    void intersect(const RECT& rect);
    void subtract(const Region& other);
    void subtract(const RECT& rect);
    void offset(int dx, int dy);
    void clear() { m_rects.clear(); }

    bool operator==(const Region& other) const;

private:
    std::vector<RECT> m_rects;
};

bool isEmpty(const RECT& rect);
// The overlap of two rectangles; empty (all zero) when they do not meet.
RECT intersection(const RECT& a, const RECT& b);

}  // namespace ce::gdi
