// The handheld's screen: its size and resolution (QVGA at 96 dpi, or VGA at 192 dpi when
// CE_SCREEN=vga), the pixels every window draws into, and the navigation bar's share of it.
#pragma once

#include "gwe/gdi/Surface.h"

namespace ce::gwe {

class Screen {
public:
    static Screen& instance();

    gdi::Surface& surface() { return m_surface; }
    int width() const { return m_surface.width(); }
    int height() const { return m_surface.height(); }
    int dpi() const { return m_dpi; }
    RECT bounds() const { return m_surface.bounds(); }
    // A length given at 96 dpi, at this screen's resolution.
    int scale(int pixelsAt96) const { return pixelsAt96 * m_dpi / 96; }
    int navigationBarHeight() const { return scale(26); }
    // Below the navigation bar: where top-level windows go by default.
    RECT workArea() const { return RECT{0, navigationBarHeight(), width(), height()}; }

private:
    Screen();

    gdi::Surface m_surface;
    int m_dpi;
};

}  // namespace ce::gwe
