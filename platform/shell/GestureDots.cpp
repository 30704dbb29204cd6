// Red dots on the screen itself (GetDC(null)); taking them off exposes that part of the
// screen, so the windows there repaint it as after any uncovering.
#include "shell/GestureDots.h"

#include <cmath>
#include <numbers>

#include "gwe/Painting.h"
#include "gwe/Screen.h"
#include "wingdi.h"
#include "winuser.h"

namespace ce::shell {

namespace {

const COLORREF c_dotColour = RGB(255, 0, 0);

int scaled(int pixels) {
    return pixels * gwe::Screen::instance().dpi() / 96;
}

}  // namespace

GestureDots::GestureDots(POINT centre) : m_centre(centre), m_radius(scaled(14)), m_dotRadius(scaled(2)) {}

GestureDots::~GestureDots() {
    if (m_shown == 0) return;
    RECT area{m_centre.x - m_radius - m_dotRadius, m_centre.y - m_radius - m_dotRadius,
              m_centre.x + m_radius + m_dotRadius + 1, m_centre.y + m_radius + m_dotRadius + 1};
    gwe::exposeScreen(gdi::Region(area));
}

// Dot 0 at twelve o'clock, the rest clockwise (screen y grows downwards).
RECT GestureDots::dotRect(int index) const {
    double angle = 2 * std::numbers::pi * index / c_count;
    int x = m_centre.x + static_cast<int>(std::lround(m_radius * std::sin(angle)));
    int y = m_centre.y - static_cast<int>(std::lround(m_radius * std::cos(angle)));
    return RECT{x - m_dotRadius, y - m_dotRadius, x + m_dotRadius + 1, y + m_dotRadius + 1};
}

void GestureDots::show(int count) {
    if (count > c_count) count = c_count;
    if (count <= m_shown) return;
    HDC screen = GetDC(nullptr);
    HBRUSH brush = CreateSolidBrush(c_dotColour);
    HGDIOBJ oldBrush = SelectObject(screen, brush);
    HGDIOBJ oldPen = SelectObject(screen, GetStockObject(NULL_PEN));
    for (; m_shown < count; ++m_shown) {
        RECT dot = dotRect(m_shown);
        Ellipse(screen, dot.left, dot.top, dot.right, dot.bottom);
    }
    SelectObject(screen, oldPen);
    SelectObject(screen, oldBrush);
    DeleteObject(brush);
    ReleaseDC(nullptr, screen);
}

}  // namespace ce::shell
