// DestroyWindow in Win32 order: owned windows go first; then the window leaves the screen
// (handing on activation, focus and capture); then WM_DESTROY to the window and
// down its tree, parent before child; then WM_NCDESTROY up the tree, children before their
// parent, each handle going stale right after its own WM_NCDESTROY. Children are visited in
// creation order. Calls from inside these handlers are safe: a window already on its way
// is left to the destruction under way.
#include "gwe/Placement.h"
#include "gwe/Timers.h"
#include "gwe/Window.h"

namespace {

using ce::gwe::Window;
using ce::gwe::WindowTree;

WindowTree& tree() {
    return WindowTree::instance();
}

void sendDestroy(HWND hwnd) {
    Window* window = tree().find(hwnd);
    if (!window || window->m_destroying) return;
    window->m_destroying = true;
    if (tree().active() == hwnd) tree().setActive(nullptr);
    SendMessageW(hwnd, WM_DESTROY, 0, 0);
    // The handler may have destroyed anything, this window included: look everything up again.
    window = tree().find(hwnd);
    if (!window) return;
    std::vector<HWND> children = window->m_children;
    for (HWND child : children) sendDestroy(child);
}

void finishDestroy(HWND hwnd) {
    for (;;) {
        Window* window = tree().find(hwnd);
        if (!window) return;
        if (window->m_children.empty()) break;
        HWND child = window->m_children.front();
        sendDestroy(child);  // a child created while its parent was being destroyed
        finishDestroy(child);
    }
    SendMessageW(hwnd, WM_NCDESTROY, 0, 0);
    ce::gwe::killTimersOf(hwnd);
    tree().remove(hwnd);
}

}  // namespace

BOOL DestroyWindow(HWND hWnd) {
    Window* window = tree().findOrFail(hWnd);
    if (!window) return FALSE;
    if (window->m_destroying) return TRUE;
    for (HWND owned : tree().ownedBy(hWnd)) DestroyWindow(owned);
    window = tree().find(hWnd);
    if (!window || window->m_destroying) return TRUE;
    ce::gwe::hideWindow(*window);
    sendDestroy(hWnd);
    finishDestroy(hWnd);
    return TRUE;
}
