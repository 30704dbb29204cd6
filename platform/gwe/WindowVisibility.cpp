// Visible regions of windows.
#include "gwe/WindowVisibility.h"

#include "gwe/Window.h"

namespace ce::gwe {

gdi::Region visibleRegion(HWND hwnd, bool) {
    Window* window = WindowTree::instance().find(hwnd);
    return window ? gdi::Region(window->m_rect) : gdi::Region();
}

}  // namespace ce::gwe
