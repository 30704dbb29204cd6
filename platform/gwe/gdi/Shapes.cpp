// Rectangle, Ellipse and Polygon: a pen outline and a brush fill. Wide pens draw inside the
// rectangle or ellipse.
#include <algorithm>
#include <cmath>
#include <vector>

#include "gwe/gdi/PenStroke.h"
#include "winbase.h"

using ce::gdi::Canvas;
using ce::gdi::DeviceContext;
using ce::gdi::Pixel;

namespace {

RECT normalized(const DeviceContext& dc, int left, int top, int right, int bottom) {
    return dc.toSurface(RECT{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)});
}

// Inside the ellipse filling box, shrunk by inset on every side, judged at pixel centres.
bool insideEllipse(const RECT& box, double inset, int x, int y) {
    double rx = (box.right - box.left) / 2.0 - inset;
    double ry = (box.bottom - box.top) / 2.0 - inset;
    if (rx <= 0 || ry <= 0) return false;
    double dx = (x + 0.5 - (box.left + box.right) / 2.0) / rx;
    double dy = (y + 0.5 - (box.top + box.bottom) / 2.0) / ry;
    return dx * dx + dy * dy <= 1.0;
}

bool onEllipseOutline(const RECT& box, int width, int x, int y) {
    if (width > 1) return !insideEllipse(box, width, x, y);
    return !insideEllipse(box, 0, x - 1, y) || !insideEllipse(box, 0, x + 1, y) ||
           !insideEllipse(box, 0, x, y - 1) || !insideEllipse(box, 0, x, y + 1);
}

// Even-odd fill. Points name pixels, as the pen's do, so a pixel is inside when its own
// coordinates are: the fill meets the outline without a gap.
void fillPolygon(Canvas& canvas, const std::vector<POINT>& points, Pixel color) {
    auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                           [](const POINT& a, const POINT& b) { return a.y < b.y; });
    std::vector<double> crossings;
    for (int y = low->y; y < high->y; ++y) {
        crossings.clear();
        for (size_t i = 0; i < points.size(); ++i) {
            const POINT& a = points[i];
            const POINT& b = points[(i + 1) % points.size()];
            if ((a.y <= y) == (b.y <= y)) continue;
            crossings.push_back(a.x + static_cast<double>(y - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            int from = static_cast<int>(std::ceil(crossings[i]));
            int to = static_cast<int>(std::ceil(crossings[i + 1]));
            canvas.fill(RECT{from, y, to, y + 1}, color);
        }
    }
}

}  // namespace

// Without a pen the fill stops one pixel short on the right and bottom, as GDI's does.
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return FALSE;
    RECT r = normalized(*dc, left, top, right, bottom);
    Canvas canvas(*dc);
    ce::gdi::PenStroke pen(canvas);
    int w = pen.visible() ? pen.width() : 0;
    if (std::optional<Pixel> brush = canvas.brushPixel()) {
        RECT inside = pen.visible() ? RECT{r.left + w, r.top + w, r.right - w, r.bottom - w}
                                    : RECT{r.left, r.top, r.right - 1, r.bottom - 1};
        canvas.fill(inside, *brush);
    }
    if (!pen.visible()) return TRUE;
    canvas.fill(RECT{r.left, r.top, r.right, std::min(r.top + w, r.bottom)}, pen.pixel());
    canvas.fill(RECT{r.left, std::max(r.bottom - w, r.top), r.right, r.bottom}, pen.pixel());
    canvas.fill(RECT{r.left, r.top, std::min(r.left + w, r.right), r.bottom}, pen.pixel());
    canvas.fill(RECT{std::max(r.right - w, r.left), r.top, r.right, r.bottom}, pen.pixel());
    return TRUE;
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return FALSE;
    RECT box = normalized(*dc, left, top, right, bottom);
    Canvas canvas(*dc);
    ce::gdi::PenStroke pen(canvas);
    std::optional<Pixel> brush = canvas.brushPixel();
    canvas.forEach(box, [&](Pixel& pixel, int x, int y) {
        if (!insideEllipse(box, 0, x, y)) return;
        if (pen.visible() && onEllipseOutline(box, pen.width(), x, y))
            pixel = pen.pixel();
        else if (brush)
            pixel = *brush;
    });
    return TRUE;
}

// The fill uses the alternate (even-odd) rule; the outline closes the shape.
BOOL Polygon(HDC hdc, const POINT* apt, int cpt) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return FALSE;
    if (!apt || cpt < 2) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::vector<POINT> points;
    for (int i = 0; i < cpt; ++i) points.push_back(dc->toSurface(apt[i]));
    Canvas canvas(*dc);
    if (std::optional<Pixel> brush = canvas.brushPixel()) fillPolygon(canvas, points, *brush);
    ce::gdi::PenStroke pen(canvas);
    for (size_t i = 0; i < points.size(); ++i) pen.line(points[i], points[(i + 1) % points.size()]);
    return TRUE;
}
