// Region objects: creating, combining and measuring them.
#include <algorithm>
#include <memory>

#include "gwe/gdi/GdiObject.h"
#include "winbase.h"

using ce::gdi::Region;
using ce::gdi::RegionObject;

namespace {

Region combined(const Region& a, const Region& b, int mode) {
    Region result = a;
    switch (mode) {
    case RGN_AND: result.intersect(b); break;
    case RGN_OR: result.unite(b); break;
    case RGN_DIFF: result.subtract(b); break;
    case RGN_XOR: {
        Region common = a;
        common.intersect(b);
        result.unite(b);
        result.subtract(common);
        break;
    }
    }
    return result;
}

}  // namespace

// Coordinates in either order, as GDI accepts them.
HRGN CreateRectRgn(int x1, int y1, int x2, int y2) {
    RECT rect{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    return static_cast<HRGN>(ce::gdi::GdiObjects::instance().add(std::make_unique<RegionObject>(Region(rect))));
}

HRGN CreateRectRgnIndirect(const RECT* lprect) {
    if (!lprect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return CreateRectRgn(lprect->left, lprect->top, lprect->right, lprect->bottom);
}

int CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode) {
    if (iMode < RGN_AND || iMode > RGN_COPY) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return ERROR;
    }
    RegionObject* destination = ce::gdi::findRegion(hrgnDst);
    RegionObject* first = ce::gdi::findRegion(hrgnSrc1);
    RegionObject* second = iMode == RGN_COPY ? first : ce::gdi::findRegion(hrgnSrc2);
    if (!destination || !first || !second) return ERROR;
    destination->m_region = iMode == RGN_COPY ? first->m_region : combined(first->m_region, second->m_region, iMode);
    return destination->m_region.complexity();
}

int GetRgnBox(HRGN hrgn, LPRECT lprc) {
    RegionObject* region = ce::gdi::findRegion(hrgn);
    if (!region || !lprc) return ERROR;
    *lprc = region->m_region.bounds();
    return region->m_region.complexity();
}
