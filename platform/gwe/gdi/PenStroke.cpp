// Pen lines on a canvas.
#include "gwe/gdi/PenStroke.h"

#include <cstdlib>

#include "gwe/gdi/GdiObject.h"

namespace ce::gdi {

namespace {

// PS_DASH: 18 pixels drawn, 6 left, carried on from one segment to the next.
constexpr int c_dashOn = 18;
constexpr int c_dashPeriod = 24;

}  // namespace

PenStroke::PenStroke(Canvas& canvas) : m_canvas(canvas) {
    const Pen* pen = static_cast<const Pen*>(GdiObjects::instance().find(canvas.dc().state().pen));
    if (!pen || pen->m_style == PS_NULL) return;
    m_visible = true;
    m_width = pen->m_width < 1 ? 1 : pen->m_width;
    m_dashed = pen->m_style == PS_DASH;
    m_pixel = canvas.pixelOf(pen->m_color);
}

void PenStroke::line(POINT a, POINT b) {
    if (!m_visible) return;
    int dx = std::abs(b.x - a.x);
    int dy = -std::abs(b.y - a.y);
    int stepX = a.x < b.x ? 1 : -1;
    int stepY = a.y < b.y ? 1 : -1;
    int error = dx + dy;
    int x = a.x;
    int y = a.y;
    while (x != b.x || y != b.y) {
        dot(x, y);
        int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

void PenStroke::dot(int x, int y) {
    if (m_dashed) {
        bool on = m_dashStep < c_dashOn;
        m_dashStep = (m_dashStep + 1) % c_dashPeriod;
        if (!on) return;
    }
    if (m_width == 1) {
        m_canvas.plot(x, y, m_pixel);
        return;
    }
    int left = x - m_width / 2;
    int top = y - m_width / 2;
    m_canvas.fill(RECT{left, top, left + m_width, top + m_width}, m_pixel);
}

}  // namespace ce::gdi
