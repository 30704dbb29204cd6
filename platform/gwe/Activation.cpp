// Activation, the foreground window (the active one: there is one process's windows here)
// and the keyboard focus.
#include "gwe/Activation.h"

#include <algorithm>

#include "gwe/ForeignWindows.h"
#include "gwe/WindowGeometry.h"
#include "gwe/WindowHandle.h"
#include "gwe/WindowVisibility.h"
#include "winbase.h"

namespace ce::gwe {

namespace {

void (*c_listener)() = nullptr;

WindowTree& tree() {
    return WindowTree::instance();
}

bool canActivate(const Window* window) {
    return window && !window->isChild() && !window->m_system && !window->m_destroying && window->isVisible() &&
           window->isEnabled();
}

// Owned windows stay above their owner.
void raiseWithOwned(HWND hwnd) {
    tree().raise(hwnd);
    for (HWND owned : tree().ownedBy(hwnd))
        if (Window* window = tree().find(owned); window && window->isVisible()) raiseWithOwned(owned);
}

bool focusIsWithin(HWND top) {
    Window* focus = tree().find(tree().focus());
    Window* focusTop = topLevelOf(focus);
    return focusTop && focusTop->m_handle == top;
}

}  // namespace

void setActivationListener(void (*listener)()) {
    c_listener = listener;
}

void notifyActivationListener() {
    if (c_listener) c_listener();
}

void activate(HWND hwnd, WORD how) {
    HWND old = tree().active();
    raiseWithOwned(hwnd);
    if (old == hwnd) return;
    tree().setActive(hwnd);
    if (old && tree().find(old)) SendMessageW(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(hwnd));
    if (tree().active() == hwnd && tree().find(hwnd))
        SendMessageW(hwnd, WM_ACTIVATE, MAKEWPARAM(how, 0), reinterpret_cast<LPARAM>(old));
    // The focus belongs to the active window: nobody keeps it in a window that lost activation.
    if (old && tree().active() == hwnd && focusIsWithin(old)) moveFocus(nullptr);
    notifyActivationListener();
}

void activateNext(HWND leaving) {
    if (tree().active() != leaving) return;
    Window* window = tree().find(leaving);
    Window* owner = window ? tree().find(window->m_owner) : nullptr;
    HWND next = nullptr;
    if (canActivate(owner)) {
        next = owner->m_handle;
    } else {
        for (HWND candidate : tree().topLevel())
            if (candidate != leaving && canActivate(tree().find(candidate))) {
                next = candidate;
                break;
            }
    }
    if (next) {
        activate(next);
        return;
    }
    tree().setActive(nullptr);
    SendMessageW(leaving, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0);
    if (focusIsWithin(leaving)) moveFocus(nullptr);
    notifyActivationListener();
}

HWND moveFocus(HWND hwnd) {
    HWND old = tree().focus();
    if (old == hwnd) return old;
    tree().setFocus(hwnd);
    if (old && tree().find(old)) SendMessageW(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd && tree().focus() == hwnd && tree().find(hwnd))
        SendMessageW(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return old;
}

}  // namespace ce::gwe

using ce::gwe::Window;
using ce::gwe::WindowTree;

HWND GetActiveWindow() {
    return WindowTree::instance().active();
}

HWND GetForegroundWindow() {
    return WindowTree::instance().active();
}

HWND SetActiveWindow(HWND hWnd) {
    WindowTree& tree = WindowTree::instance();
    Window* window = tree.findOrFail(hWnd);
    if (!window || window->m_destroying || window->isChild()) return nullptr;
    HWND previous = tree.active();
    ce::gwe::activate(hWnd);
    return previous;
}

// Within this process the foreground window is the active one; a child stands for its
// top-level window. Another process's window is handed to that process to bring forward.
BOOL SetForegroundWindow(HWND hWnd) {
    // The handheld idiom hwnd | 1 asks for the window with its owned windows: window handles
    // are even, so the bit is dropped.
    hWnd = reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(hWnd) & ~ULONG_PTR{1});
    if (ce::gwe::WindowHandle::isForeign(hWnd)) {
        if (ce::gwe::ForeignWindows::bringToFront(hWnd)) return TRUE;
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    Window* window = ce::gwe::topLevelOf(WindowTree::instance().findOrFail(hWnd));
    if (!window || window->m_system) return FALSE;
    ce::gwe::activate(window->m_handle);
    return TRUE;
}

BOOL BringWindowToTop(HWND hWnd) {
    Window* window = ce::gwe::topLevelOf(WindowTree::instance().findOrFail(hWnd));
    if (!window) return FALSE;
    if (hWnd == window->m_handle && !window->m_system) {
        ce::gwe::activate(hWnd);
        return TRUE;
    }
    WindowTree::instance().raise(window->m_handle);
    return TRUE;
}

HWND GetFocus() {
    return WindowTree::instance().focus();
}

// Focusing a window in an inactive top-level window activates that one first.
HWND SetFocus(HWND hWnd) {
    WindowTree& tree = WindowTree::instance();
    if (!hWnd) return ce::gwe::moveFocus(nullptr);
    Window* window = tree.findOrFail(hWnd);
    if (!window || window->m_destroying || !window->isEnabled()) return nullptr;
    HWND previous = tree.focus();
    Window* top = ce::gwe::topLevelOf(window);
    if (top && top->m_handle != tree.active() && !top->m_system) ce::gwe::activate(top->m_handle);
    if (!tree.find(hWnd)) return nullptr;
    ce::gwe::moveFocus(hWnd);
    return previous;
}
