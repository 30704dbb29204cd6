// Visible regions: start from the window's rectangle, keep what its ancestors' client areas
// allow, and cut away the windows stacked above it at each level.
#include "gwe/WindowVisibility.h"

#include "gwe/Screen.h"
#include "gwe/WindowGeometry.h"

namespace ce::gwe {

namespace {

WindowTree& tree() {
    return WindowTree::instance();
}

// The windows above hwnd among its siblings, as a list of handles ordered top first.
const std::vector<HWND>& siblingsOf(const Window& window) {
    if (Window* parent = tree().find(window.m_parent)) return parent->m_children;
    return tree().topLevel();
}

void cutSiblingsAbove(const Window& window, gdi::Region& region) {
    for (HWND sibling : siblingsOf(window)) {
        if (sibling == window.m_handle) return;
        const Window* above = tree().find(sibling);
        if (above && above->isVisible()) region.subtract(windowScreenRect(*above));
    }
}

void cutChildren(const Window& window, gdi::Region& region) {
    for (HWND child : window.m_children) {
        const Window* below = tree().find(child);
        if (below && below->isVisible()) region.subtract(windowScreenRect(*below));
    }
}

}  // namespace

bool isShown(const Window& window) {
    for (const Window* w = &window; w; w = tree().find(w->m_parent))
        if (!w->isVisible()) return false;
    return true;
}

gdi::Region visibleRegion(HWND hwnd, bool clientOnly, Clipping clipping) {
    Window* window = tree().find(hwnd);
    if (!window || !isShown(*window)) return gdi::Region();
    gdi::Region region(clientOnly ? clientScreenRect(*window) : windowScreenRect(*window));
    region.intersect(Screen::instance().bounds());
    if (clipping == Clipping::Sight || (clipping == Clipping::Drawing && (window->m_style & WS_CLIPCHILDREN)))
        cutChildren(*window, region);
    for (Window* w = window; w; w = tree().find(w->m_parent)) {
        if (w != window) region.intersect(clientScreenRect(*w));
        if (!w->isChild() || clipping != Clipping::Drawing || (w->m_style & WS_CLIPSIBLINGS))
            cutSiblingsAbove(*w, region);
    }
    return region;
}

}  // namespace ce::gwe
