// Window rectangles, client areas and the coordinate conversions of the API.
#include "gwe/WindowGeometry.h"

#include "gwe/Screen.h"
#include "winbase.h"

namespace ce::gwe {

int frameWidth(const Window& window) {
    return (window.m_style & (WS_BORDER | WS_DLGFRAME)) ? 1 : 0;
}

RECT clientRect(const Window& window) {
    int frame = frameWidth(window);
    LONG width = window.m_rect.right - window.m_rect.left - 2 * frame;
    LONG height = window.m_rect.bottom - window.m_rect.top - 2 * frame;
    return RECT{0, 0, width > 0 ? width : 0, height > 0 ? height : 0};
}

RECT windowScreenRect(const Window& window) {
    RECT rect = window.m_rect;
    if (Window* parent = WindowTree::instance().find(window.m_parent)) {
        POINT origin = clientOrigin(*parent);
        rect.left += origin.x;
        rect.right += origin.x;
        rect.top += origin.y;
        rect.bottom += origin.y;
    }
    return rect;
}

POINT clientOrigin(const Window& window) {
    RECT rect = windowScreenRect(window);
    int frame = frameWidth(window);
    return POINT{rect.left + frame, rect.top + frame};
}

RECT clientScreenRect(const Window& window) {
    POINT origin = clientOrigin(window);
    RECT client = clientRect(window);
    return RECT{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
}

Window* topLevelOf(Window* window) {
    while (window && window->isChild()) window = WindowTree::instance().find(window->m_parent);
    return window;
}

}  // namespace ce::gwe

using ce::gwe::Window;
using ce::gwe::WindowTree;

namespace {

// The desktop is not a window of the tree: its handle is odd, which no window's is.
const HWND c_desktop = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x7FFF0001));

}  // namespace

HWND GetDesktopWindow() {
    return c_desktop;
}

namespace {

// A window's rectangle as rectOf gives it; the desktop's is the screen.
template <class RectOf>
BOOL rectangleOf(HWND hwnd, LPRECT rect, RectOf rectOf) {
    if (!rect) return FALSE;
    if (hwnd == c_desktop) {
        *rect = ce::gwe::Screen::instance().bounds();
        return TRUE;
    }
    Window* window = WindowTree::instance().findOrFail(hwnd);
    if (!window) return FALSE;
    *rect = rectOf(*window);
    return TRUE;
}

}  // namespace

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect) {
    return rectangleOf(hWnd, lpRect, ce::gwe::windowScreenRect);
}

BOOL GetClientRect(HWND hWnd, LPRECT lpRect) {
    return rectangleOf(hWnd, lpRect, ce::gwe::clientRect);
}

namespace {

// The client origin on the screen, for the desktop too; false for a stale handle.
bool originOf(HWND hwnd, POINT& origin) {
    if (!hwnd || hwnd == c_desktop) {
        origin = POINT{0, 0};
        return true;
    }
    Window* window = WindowTree::instance().findOrFail(hwnd);
    if (!window) return false;
    origin = ce::gwe::clientOrigin(*window);
    return true;
}

}  // namespace

BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
    POINT origin;
    if (!lpPoint || !originOf(hWnd, origin)) return FALSE;
    lpPoint->x += origin.x;
    lpPoint->y += origin.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
    POINT origin;
    if (!lpPoint || !originOf(hWnd, origin)) return FALSE;
    lpPoint->x -= origin.x;
    lpPoint->y -= origin.y;
    return TRUE;
}

// Returns the offset as Win32 does: horizontal in the low word, vertical in the high word.
int MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints) {
    POINT from, to;
    if (!originOf(hWndFrom, from) || !originOf(hWndTo, to)) return 0;
    LONG dx = from.x - to.x, dy = from.y - to.y;
    for (UINT i = 0; lpPoints && i < cPoints; ++i) {
        lpPoints[i].x += dx;
        lpPoints[i].y += dy;
    }
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}
