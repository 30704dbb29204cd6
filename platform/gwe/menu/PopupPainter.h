// Draws a pop-up menu in the handheld's flat style: white, a black frame, the highlighted row
// in the highlight colours, grayed rows in gray, check marks, separators and pop-up arrows.
#pragma once

#include "gwe/menu/PopupLayout.h"

namespace ce::gwe {

class PopupPainter {
public:
    PopupPainter(HDC hdc, const PopupLayout& layout) : m_hdc(hdc), m_layout(layout) {}

    // Everything, with row `highlight` (or none, -1) highlighted.
    void paint(int highlight);

private:
    void paintFrame();
    void paintItem(const PopupItem& item, bool highlighted);
    void paintSeparator(const PopupItem& item);
    // A pattern of '#' cells, each one unit square, in colour.
    void paintPattern(const char* const* rows, int count, int x, int y, COLORREF colour);

    HDC m_hdc;
    const PopupLayout& m_layout;
};

}  // namespace ce::gwe
