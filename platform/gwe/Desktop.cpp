// The desktop background is drawn straight into the screen: it has no window to paint it.
#include "gwe/Desktop.h"

#include <algorithm>

#include "gwe/Screen.h"
#include "gwe/Window.h"
#include "gwe/WindowGeometry.h"

namespace ce::gwe {

namespace {
// The handheld's Today screen behind the windows: white.
constexpr gdi::Pixel c_desktopColour = 0xFFFFFF;
}  // namespace

void paintDesktop(const gdi::Region& area) {
    gdi::Region bare = area;
    WindowTree& tree = WindowTree::instance();
    for (HWND hwnd : tree.topLevel()) {
        const Window* window = tree.find(hwnd);
        if (window && window->isVisible()) bare.subtract(windowScreenRect(*window));
    }
    gdi::Surface& surface = Screen::instance().surface();
    bare.intersect(surface.bounds());
    for (const RECT& rect : bare.rects())
        for (LONG y = rect.top; y < rect.bottom; ++y)
            std::fill(surface.row(y) + rect.left, surface.row(y) + rect.right, c_desktopColour);
    if (!bare.empty()) surface.touch();
}

}  // namespace ce::gwe
