// DefWindowProcW: the default handling of the messages the system knows. WM_CLOSE destroys
// the window, the text messages keep the window's own text, WM_HELP goes up to the parent
// or owner (CE passes no HELPINFO), activation takes the focus, WM_ERASEBKGND fills with the
// class brush, WM_PAINT validates and WM_SETICON keeps the icons; everything else answers 0.
#include <algorithm>
#include <utility>

#include "gwe/Activation.h"
#include "gwe/Window.h"
#include "gwe/WindowClass.h"
#include "gwe/gdi/DeviceContext.h"

namespace {

using ce::gwe::Window;

LRESULT setText(Window& window, LPCWSTR text) {
    window.m_text = text ? text : u"";
    return TRUE;
}

// wParam is the buffer's size in characters, terminator included.
LRESULT getText(const Window& window, WPARAM size, LPWSTR buffer) {
    if (!buffer || size == 0) return 0;
    size_t count = std::min<size_t>(window.m_text.size(), size - 1);
    window.m_text.copy(buffer, count);
    buffer[count] = 0;
    return static_cast<LRESULT>(count);
}

// The class brush may be a real brush or a system colour index plus one, as FillRect takes.
// The DC's clip is the update region: it is filled piece by piece, as its bounding box may
// take in text that is not being repainted.
LRESULT eraseBackground(const Window& window, HDC hdc) {
    HBRUSH brush = window.m_class->info().hbrBackground;
    ce::gdi::DeviceContext* dc = ce::gdi::DeviceContext::find(hdc);
    if (!brush || !dc) return 0;
    ce::gdi::Region area = dc->clipRegion();
    POINT origin = dc->toSurface(POINT{0, 0});
    area.offset(-origin.x, -origin.y);
    for (const RECT& rect : area.rects()) FillRect(hdc, &rect, brush);
    return 1;
}

LRESULT validate(HWND hwnd) {
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
    return 0;
}

// Returns the icon it replaces; only ICON_SMALL and ICON_BIG are slots.
LRESULT setIcon(Window& window, WPARAM which, LPARAM icon) {
    if (which != ICON_SMALL && which != ICON_BIG) return 0;
    HICON old = std::exchange(window.m_icons[which], reinterpret_cast<HICON>(icon));
    return reinterpret_cast<LRESULT>(old);
}

LRESULT getIcon(const Window& window, WPARAM which) {
    return which == ICON_SMALL || which == ICON_BIG ? reinterpret_cast<LRESULT>(window.m_icons[which]) : 0;
}

LRESULT forwardHelp(const Window& window, WPARAM wParam, LPARAM lParam) {
    HWND up = window.m_parent ? window.m_parent : window.m_owner;
    if (up) SendMessageW(up, WM_HELP, wParam, lParam);
    return 0;
}

}  // namespace

LRESULT DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    Window* window = ce::gwe::WindowTree::instance().find(hWnd);
    if (!window) return 0;
    switch (Msg) {
    case WM_CLOSE: DestroyWindow(hWnd); return 0;
    case WM_SETTEXT:
        setText(*window, reinterpret_cast<LPCWSTR>(lParam));
        if (hWnd == GetActiveWindow()) ce::gwe::notifyActivationListener();
        return TRUE;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) SetFocus(hWnd);
        return 0;
    case WM_ERASEBKGND: return eraseBackground(*window, reinterpret_cast<HDC>(wParam));
    case WM_PAINT: return validate(hWnd);
    case WM_GETTEXT: return getText(*window, wParam, reinterpret_cast<LPWSTR>(lParam));
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(window->m_text.size());
    case WM_HELP: return forwardHelp(*window, wParam, lParam);
    case WM_SETICON: return setIcon(*window, wParam, lParam);
    case WM_GETICON: return getIcon(*window, wParam);
    }
    return 0;
}
