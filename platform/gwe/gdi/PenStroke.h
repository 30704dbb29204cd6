// Drawing with the selected pen: Bresenham lines whose last point is left out, as LineTo
// draws them, square dots for wide pens, and the dash pattern of PS_DASH.
#pragma once

#include "gwe/gdi/Canvas.h"

namespace ce::gdi {

class PenStroke {
public:
    // Draws nothing with the null pen.
    explicit PenStroke(Canvas& canvas);

    bool visible() const { return m_visible; }
    int width() const { return m_width; }
    Pixel pixel() const { return m_pixel; }
    // From a to b in surface coordinates, b itself not drawn.
    void line(POINT a, POINT b);

private:
    void dot(int x, int y);

    Canvas& m_canvas;
    bool m_visible = false;
    int m_width = 1;
    bool m_dashed = false;
    Pixel m_pixel = 0;
    int m_dashStep = 0;
};

}  // namespace ce::gdi
