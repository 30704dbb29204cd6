// Update regions and the WM_PAINT source, and the painting calls of the API: InvalidateRect,
// ValidateRect, UpdateWindow, GetUpdateRect, RedrawWindow, BeginPaint and EndPaint, GetDC.
#include "gwe/Painting.h"

#include <utility>

#include "gwe/Desktop.h"
#include "gwe/Screen.h"
#include "gwe/ScreenText.h"
#include "gwe/WindowGeometry.h"
#include "gwe/WindowVisibility.h"
#include "gwe/gdi/DeviceContext.h"
#include "gwe/gdi/GdiObject.h"
#include "winbase.h"

namespace ce::gwe {

namespace {

WindowTree& tree() {
    return WindowTree::instance();
}

// A child's place in its parent's client area, as an offset into its own client area.
POINT childOffset(const Window& child) {
    int frame = frameWidth(child);
    return POINT{child.m_rect.left + frame, child.m_rect.top + frame};
}

bool findPaintable(HWND hwnd, const MessageFilter& filter, HWND& found) {
    Window* window = tree().find(hwnd);
    if (!window || !window->isVisible()) return false;
    if (!window->m_update.empty() && filter.matchesWindow(hwnd)) {
        found = hwnd;
        return true;
    }
    for (HWND child : window->m_children)
        if (findPaintable(child, filter, found)) return true;
    return false;
}

}  // namespace

void invalidate(Window& window, gdi::Region area, bool erase, bool allChildren) {
    area.intersect(clientRect(window));
    if (area.empty()) return;
    window.m_update.unite(area);
    window.m_erase = window.m_erase || erase;
    if (!allChildren && (window.m_style & WS_CLIPCHILDREN)) return;
    for (HWND hwnd : window.m_children) {
        Window* child = tree().find(hwnd);
        if (!child || !child->isVisible()) continue;
        gdi::Region part = area;
        POINT offset = childOffset(*child);
        part.offset(-offset.x, -offset.y);
        invalidate(*child, std::move(part), erase, allChildren);
    }
}

void invalidateAll(Window& window, bool erase) {
    invalidate(window, gdi::Region(clientRect(window)), erase, true);
}

void exposeScreen(const gdi::Region& area) {
    if (area.empty()) return;
    for (HWND hwnd : tree().topLevel()) {
        Window* window = tree().find(hwnd);
        if (!window || !window->isVisible()) continue;
        gdi::Region part = area;
        POINT origin = clientOrigin(*window);
        part.offset(-origin.x, -origin.y);
        invalidate(*window, std::move(part), true, true);
    }
    paintDesktop(area);
}

void forgetText(const Window& window) {
    ScreenText::instance().forget(window.m_handle);
    for (HWND hwnd : window.m_children)
        if (const Window* child = tree().find(hwnd)) forgetText(*child);
}

bool takePaintMessage(const MessageFilter& filter, bool, MSG& msg) {
    if (!filter.matchesMessage(WM_PAINT)) return false;
    HWND found = nullptr;
    for (HWND hwnd : tree().topLevel())
        if (findPaintable(hwnd, filter, found)) break;
    if (!found) return false;
    msg = MSG{found, WM_PAINT, 0, 0, GetTickCount(), {}};
    return true;
}

}  // namespace ce::gwe

using ce::gwe::Window;
using ce::gwe::WindowTree;
namespace gdi = ce::gdi;

namespace {

// A rectangle argument in client coordinates, or the whole client area when it is null.
gdi::Region areaOf(const Window& window, const RECT* rect) {
    return gdi::Region(rect ? *rect : ce::gwe::clientRect(window));
}

// Null means every window, as on Win32.
void invalidateEverything(bool erase) {
    for (HWND hwnd : WindowTree::instance().topLevel())
        if (Window* window = WindowTree::instance().find(hwnd)) ce::gwe::invalidateAll(*window, erase);
}

void validate(Window& window, const gdi::Region& area) {
    window.m_update.subtract(area);
    if (window.m_update.empty()) window.m_erase = false;
}

HDC dcFor(Window& window, bool client, const gdi::Region* limit) {
    using ce::gwe::Clipping;
    gdi::Region visible = ce::gwe::visibleRegion(window.m_handle, client, Clipping::Drawing);
    if (limit) visible.intersect(*limit);
    RECT rect = ce::gwe::windowScreenRect(window);
    POINT origin = client ? ce::gwe::clientOrigin(window) : POINT{rect.left, rect.top};
    return gdi::DeviceContext::createForWindow(window.m_handle, origin, visible);
}

// Sends WM_ERASEBKGND with a DC clipped to the update region; true when the window erased.
bool eraseBackground(Window& window, const gdi::Region& screenArea) {
    HDC hdc = dcFor(window, true, &screenArea);
    LRESULT erased = SendMessageW(window.m_handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
    gdi::DeviceContext::destroy(hdc);
    return erased != 0;
}

// CE has no non-client messages: a frame is drawn by the system, in black, when the window
// is erased.
void drawFrame(Window& window) {
    if (!ce::gwe::frameWidth(window)) return;
    HDC hdc = dcFor(window, false, nullptr);
    RECT rect = ce::gwe::windowScreenRect(window);
    RECT frame{0, 0, rect.right - rect.left, rect.bottom - rect.top};
    FrameRect(hdc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    gdi::DeviceContext::destroy(hdc);
}

}  // namespace

BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) {
    if (!hWnd) {
        invalidateEverything(bErase);
        return TRUE;
    }
    Window* window = WindowTree::instance().findOrFail(hWnd);
    if (!window) return FALSE;
    ce::gwe::invalidate(*window, areaOf(*window, lpRect), bErase);
    return TRUE;
}

BOOL InvalidateRgn(HWND hWnd, HRGN hRgn, BOOL bErase) {
    Window* window = WindowTree::instance().findOrFail(hWnd);
    if (!window) return FALSE;
    if (!hRgn) return InvalidateRect(hWnd, nullptr, bErase);
    gdi::RegionObject* region = gdi::findRegion(hRgn);
    if (!region) return FALSE;
    ce::gwe::invalidate(*window, region->m_region, bErase);
    return TRUE;
}

BOOL ValidateRect(HWND hWnd, const RECT* lpRect) {
    if (!hWnd) return TRUE;
    Window* window = WindowTree::instance().findOrFail(hWnd);
    if (!window) return FALSE;
    validate(*window, areaOf(*window, lpRect));
    return TRUE;
}

// Paints the window at once if it has an update region, then its children.
BOOL UpdateWindow(HWND hWnd) {
    Window* window = WindowTree::instance().findOrFail(hWnd);
    if (!window) return FALSE;
    if (!window->m_update.empty() && ce::gwe::isShown(*window)) SendMessageW(hWnd, WM_PAINT, 0, 0);
    window = WindowTree::instance().find(hWnd);
    if (!window) return TRUE;
    std::vector<HWND> children = window->m_children;
    for (HWND child : children) UpdateWindow(child);
    return TRUE;
}

BOOL GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase) {
    Window* window = WindowTree::instance().findOrFail(hWnd);
    if (!window) return FALSE;
    if (lpRect) *lpRect = window->m_update.bounds();
    if (window->m_update.empty()) return FALSE;
    if (bErase && window->m_erase) {
        window->m_erase = false;
        gdi::Region area = window->m_update;
        POINT origin = ce::gwe::clientOrigin(*window);
        area.offset(origin.x, origin.y);
        eraseBackground(*window, area);
    }
    return TRUE;
}

int GetUpdateRgn(HWND hWnd, HRGN hRgn, BOOL bErase) {
    Window* window = WindowTree::instance().findOrFail(hWnd);
    gdi::RegionObject* region = window ? gdi::findRegion(hRgn) : nullptr;
    if (!region) return ERROR;
    region->m_region = window->m_update;
    GetUpdateRect(hWnd, nullptr, bErase);
    return region->m_region.complexity();
}

BOOL RedrawWindow(HWND hWnd, const RECT* lprcUpdate, HRGN hrgnUpdate, UINT flags) {
    Window* window = WindowTree::instance().findOrFail(hWnd);
    if (!window) return FALSE;
    gdi::Region area = areaOf(*window, lprcUpdate);
    if (hrgnUpdate) {
        gdi::RegionObject* region = gdi::findRegion(hrgnUpdate);
        if (!region) return FALSE;
        area = region->m_region;
    }
    if (flags & RDW_INVALIDATE)
        ce::gwe::invalidate(*window, area, flags & RDW_ERASE, flags & RDW_ALLCHILDREN);
    if (flags & RDW_VALIDATE) validate(*window, area);
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) UpdateWindow(hWnd);
    return TRUE;
}

// Takes the update region (validating it), erases if it was marked for erasing, and returns
// a DC clipped to it.
HDC BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
    Window* window = WindowTree::instance().findOrFail(hWnd);
    if (!window || !lpPaint) return nullptr;
    gdi::Region update = std::move(window->m_update);
    bool erase = std::exchange(window->m_erase, false);
    window->m_update.clear();
    POINT origin = ce::gwe::clientOrigin(*window);
    gdi::Region screenArea = update;
    screenArea.offset(origin.x, origin.y);
    ce::gwe::ScreenText::instance().erase(hWnd, screenArea);
    *lpPaint = PAINTSTRUCT{};
    lpPaint->rcPaint = update.bounds();
    if (erase) {
        drawFrame(*window);
        lpPaint->fErase = !eraseBackground(*window, screenArea);
    }
    window = WindowTree::instance().find(hWnd);
    if (!window) return nullptr;
    lpPaint->hdc = dcFor(*window, true, &screenArea);
    return lpPaint->hdc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* lpPaint) {
    if (lpPaint && lpPaint->hdc) gdi::DeviceContext::destroy(lpPaint->hdc);
    return TRUE;
}

// A DC on the client area, clipped to what is visible; GetDC(null) draws on the whole screen.
HDC GetDC(HWND hWnd) {
    if (!hWnd) return gdi::DeviceContext::createForWindow(nullptr, POINT{}, gdi::Region(ce::gwe::Screen::instance().bounds()));
    Window* window = WindowTree::instance().findOrFail(hWnd);
    return window ? dcFor(*window, true, nullptr) : nullptr;
}

HDC GetWindowDC(HWND hWnd) {
    if (!hWnd) return GetDC(nullptr);
    Window* window = WindowTree::instance().findOrFail(hWnd);
    return window ? dcFor(*window, false, nullptr) : nullptr;
}

int ReleaseDC(HWND, HDC hDC) {
    return gdi::DeviceContext::destroy(hDC) ? 1 : 0;
}
