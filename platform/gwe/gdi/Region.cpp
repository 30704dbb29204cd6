// Region arithmetic on lists of disjoint rectangles: subtraction splits a rectangle into at
// most four pieces, union adds what the region does not yet cover.
#include "gwe/gdi/Region.h"

#include <algorithm>

#include "wingdi.h"

namespace ce::gdi {

bool isEmpty(const RECT& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

RECT intersection(const RECT& a, const RECT& b) {
    RECT result{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
    return isEmpty(result) ? RECT{} : result;
}

namespace {

// The parts of rect outside cut, appended to out: a band above, one below, and the two
// sides of the middle band.
void appendDifference(const RECT& rect, const RECT& cut, std::vector<RECT>& out) {
    RECT overlap = intersection(rect, cut);
    if (isEmpty(overlap)) {
        out.push_back(rect);
        return;
    }
    auto add = [&out](RECT piece) {
        if (!isEmpty(piece)) out.push_back(piece);
    };
    add(RECT{rect.left, rect.top, rect.right, overlap.top});
    add(RECT{rect.left, overlap.bottom, rect.right, rect.bottom});
    add(RECT{rect.left, overlap.top, overlap.left, overlap.bottom});
    add(RECT{overlap.right, overlap.top, rect.right, overlap.bottom});
}

}  // namespace

Region::Region(const RECT& rect) {
    if (!isEmpty(rect)) m_rects.push_back(rect);
}

RECT Region::bounds() const {
    if (m_rects.empty()) return RECT{};
    RECT box = m_rects.front();
    for (const RECT& r : m_rects) {
        box.left = std::min(box.left, r.left);
        box.top = std::min(box.top, r.top);
        box.right = std::max(box.right, r.right);
        box.bottom = std::max(box.bottom, r.bottom);
    }
    return box;
}

bool Region::contains(POINT pt) const {
    return std::any_of(m_rects.begin(), m_rects.end(), [pt](const RECT& r) {
        return pt.x >= r.left && pt.x < r.right && pt.y >= r.top && pt.y < r.bottom;
    });
}

bool Region::intersects(const RECT& rect) const {
    return std::any_of(m_rects.begin(), m_rects.end(),
                       [&rect](const RECT& r) { return !isEmpty(intersection(r, rect)); });
}

int Region::complexity() const {
    if (m_rects.empty()) return NULLREGION;
    RECT box = bounds();
    long long area = 0;
    for (const RECT& r : m_rects) area += static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
    long long boxArea = static_cast<long long>(box.right - box.left) * (box.bottom - box.top);
    return area == boxArea ? SIMPLEREGION : COMPLEXREGION;
}

void Region::unite(const Region& other) {
    Region added = other;
    added.subtract(*this);
    m_rects.insert(m_rects.end(), added.m_rects.begin(), added.m_rects.end());
}

void Region::intersect(const RECT& rect) {
    std::vector<RECT> kept;
    for (const RECT& r : m_rects) {
        RECT overlap = intersection(r, rect);
        if (!isEmpty(overlap)) kept.push_back(overlap);
    }
    m_rects = std::move(kept);
}

void Region::intersect(const Region& other) {
    std::vector<RECT> kept;
    for (const RECT& a : m_rects)
        for (const RECT& b : other.m_rects) {
            RECT overlap = intersection(a, b);
            if (!isEmpty(overlap)) kept.push_back(overlap);
        }
    m_rects = std::move(kept);
}

void Region::subtract(const RECT& rect) {
    if (isEmpty(rect)) return;
    std::vector<RECT> kept;
    for (const RECT& r : m_rects) appendDifference(r, rect, kept);
    m_rects = std::move(kept);
}

void Region::subtract(const Region& other) {
    for (const RECT& r : other.m_rects) subtract(r);
}

void Region::offset(int dx, int dy) {
    for (RECT& r : m_rects) {
        r.left += dx;
        r.right += dx;
        r.top += dy;
        r.bottom += dy;
    }
}

// Same area, whatever the split into rectangles.
bool Region::operator==(const Region& other) const {
    Region a = *this;
    a.subtract(other);
    Region b = other;
    b.subtract(*this);
    return a.empty() && b.empty();
}

}  // namespace ce::gdi
