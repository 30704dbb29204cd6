// ShowWindow, SetWindowPos and MoveWindow, EnableWindow. A window that changes place or
// visibility gives back the screen it covered (the windows below repaint it) and is painted
// whole where it now is.
#include "gwe/Placement.h"

#include <algorithm>

#include "gwe/Activation.h"
#include "gwe/Painting.h"
#include "gwe/Screen.h"
#include "gwe/WindowGeometry.h"
#include "gwe/WindowVisibility.h"
#include "winbase.h"

namespace ce::gwe {

namespace {

WindowTree& tree() {
    return WindowTree::instance();
}

bool isWithin(HWND hwnd, const Window& window) {
    return hwnd && (hwnd == window.m_handle || tree().isDescendant(window.m_handle, hwnd));
}

void leaveScreen(Window& window) {
    gdi::Region covered = visibleRegion(window.m_handle, false, Clipping::Footprint);
    window.m_style &= ~WS_VISIBLE;
    forgetText(window);
    exposeScreen(covered);
}

}  // namespace

RECT initialRect(const CREATESTRUCTW& cs) {
    bool topLevel = !(cs.style & WS_CHILD);
    RECT work = topLevel ? Screen::instance().workArea() : RECT{};
    LONG x = cs.x == CW_USEDEFAULT ? work.left : cs.x;
    LONG y = cs.x == CW_USEDEFAULT ? work.top : cs.y;
    LONG width = cs.cx == CW_USEDEFAULT ? (topLevel ? work.right - x : 0) : cs.cx;
    LONG height = cs.cx == CW_USEDEFAULT ? (topLevel ? work.bottom - y : 0) : cs.cy;
    return RECT{x, y, x + width, y + height};
}

void hideWindow(Window& window) {
    HWND hwnd = window.m_handle;
    if (window.isVisible()) leaveScreen(window);
    if (isWithin(tree().capture(), window)) ReleaseCapture();
    if (!window.isChild()) activateNext(hwnd);
    if (isWithin(tree().focus(), window)) moveFocus(nullptr);
}

void sendSizeAndMove(HWND hwnd) {
    Window* window = tree().find(hwnd);
    if (!window) return;
    RECT client = clientRect(*window);
    SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    window = tree().find(hwnd);
    if (!window) return;
    int frame = frameWidth(*window);
    SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(window->m_rect.left + frame, window->m_rect.top + frame));
}

}  // namespace ce::gwe

using ce::gwe::Window;
using ce::gwe::WindowTree;

namespace {

bool activatesOnShow(int command) {
    return command == SW_SHOW || command == SW_SHOWNORMAL || command == SW_RESTORE;
}

void changeZOrder(Window& window, HWND after) {
    WindowTree& tree = WindowTree::instance();
    if (window.isChild()) {
        auto& siblings = tree.find(window.m_parent)->m_children;
        std::erase(siblings, window.m_handle);
        auto place = siblings.begin();
        if (after == HWND_BOTTOM) {
            place = siblings.end();
        } else if (after != HWND_TOP && after != HWND_TOPMOST && after != HWND_NOTOPMOST) {
            auto found = std::find(siblings.begin(), siblings.end(), after);
            if (found != siblings.end()) place = found + 1;
        }
        siblings.insert(place, window.m_handle);
        return;
    }
    if (after == HWND_TOPMOST) window.m_exStyle |= WS_EX_TOPMOST;
    if (after == HWND_NOTOPMOST) window.m_exStyle &= ~WS_EX_TOPMOST;
    if (after == HWND_BOTTOM)
        tree.lower(window.m_handle);
    else
        tree.raise(window.m_handle);
}

}  // namespace

// Returns whether the window was visible before. Showing a top-level window activates it
// (unless the command says not to); hiding the active one activates the next.
BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    WindowTree& tree = WindowTree::instance();
    Window* window = tree.findOrFail(hWnd);
    if (!window) return FALSE;
    bool wasVisible = window->isVisible();
    bool show = nCmdShow != SW_HIDE && nCmdShow != SW_MINIMIZE;
    if (show != wasVisible) {
        SendMessageW(hWnd, WM_SHOWWINDOW, show, 0);
        window = tree.find(hWnd);
        if (!window) return wasVisible;
        if (show) {
            window->m_style |= WS_VISIBLE;
            ce::gwe::invalidateAll(*window, true);
        } else {
            ce::gwe::hideWindow(*window);
        }
    }
    if (show && !window->isChild() && !window->m_system && activatesOnShow(nCmdShow)) ce::gwe::activate(hWnd);
    return wasVisible;
}

BOOL IsWindowVisible(HWND hWnd) {
    Window* window = WindowTree::instance().find(hWnd);
    return window && ce::gwe::isShown(*window);
}

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
    WindowTree& tree = WindowTree::instance();
    Window* window = tree.findOrFail(hWnd);
    if (!window) return FALSE;
    RECT old = window->m_rect;
    RECT rect = old;
    if (!(uFlags & SWP_NOMOVE)) rect = RECT{X, Y, X + (old.right - old.left), Y + (old.bottom - old.top)};
    if (!(uFlags & SWP_NOSIZE)) {
        rect.right = rect.left + std::max(cx, 0);
        rect.bottom = rect.top + std::max(cy, 0);
    }
    bool moved = rect.left != old.left || rect.top != old.top;
    bool sized = rect.right - rect.left != old.right - old.left || rect.bottom - rect.top != old.bottom - old.top;
    bool restack = !(uFlags & SWP_NOZORDER);
    ce::gdi::Region covered = ce::gwe::visibleRegion(hWnd, false, ce::gwe::Clipping::Footprint);
    window->m_rect = rect;
    if (restack) changeZOrder(*window, hWndInsertAfter);
    if (uFlags & SWP_SHOWWINDOW) window->m_style |= WS_VISIBLE;
    if ((uFlags & SWP_HIDEWINDOW) && window->isVisible()) {
        ce::gwe::hideWindow(*window);
    } else if (moved || sized || restack || (uFlags & SWP_SHOWWINDOW)) {
        if (moved || sized) ce::gwe::forgetText(*window);
        if (!(uFlags & SWP_NOREDRAW)) {
            ce::gwe::exposeScreen(covered);
            ce::gwe::invalidateAll(*window, true);
        }
    }
    if (moved) {
        int frame = ce::gwe::frameWidth(*window);
        SendMessageW(hWnd, WM_MOVE, 0, MAKELPARAM(rect.left + frame, rect.top + frame));
    }
    window = tree.find(hWnd);
    if (sized && window) {
        RECT client = ce::gwe::clientRect(*window);
        SendMessageW(hWnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    }
    window = tree.find(hWnd);
    if (window && !(uFlags & SWP_NOACTIVATE) && !window->isChild() && !window->m_system && window->isVisible())
        ce::gwe::activate(hWnd);
    return TRUE;
}

BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
    return SetWindowPos(hWnd, nullptr, X, Y, nWidth, nHeight,
                        SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW));
}

// Returns whether the window was disabled before. A disabled window loses the focus.
BOOL EnableWindow(HWND hWnd, BOOL bEnable) {
    Window* window = WindowTree::instance().findOrFail(hWnd);
    if (!window) return FALSE;
    bool wasDisabled = !window->isEnabled();
    if (wasDisabled == !bEnable) return wasDisabled;
    if (bEnable)
        window->m_style &= ~WS_DISABLED;
    else
        window->m_style |= WS_DISABLED;
    if (!bEnable && WindowTree::instance().focus() == hWnd) ce::gwe::moveFocus(nullptr);
    SendMessageW(hWnd, WM_ENABLE, bEnable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hWnd) {
    Window* window = WindowTree::instance().find(hWnd);
    return window && window->isEnabled();
}
