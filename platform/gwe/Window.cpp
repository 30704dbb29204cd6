// The window tree: handle issue and lookup, and the links that tie a window to its parent,
// owner, class and message queue.
#include "gwe/Window.h"

#include <algorithm>

#include "gwe/MessageQueue.h"
#include "gwe/WindowClass.h"
#include "gwe/WindowHandle.h"
#include "winbase.h"

namespace ce::gwe {

namespace {

// Window handles are even, so that the handheld's SetForegroundWindow(hwnd | 1) idiom can
// never name another window, and carry the process id (see WindowHandle).
std::uintptr_t slotValue(HWND hwnd) {
    return WindowHandle::slotOf(hwnd);
}

}  // namespace

WindowTree& WindowTree::instance() {
    static WindowTree tree;
    return tree;
}

HWND WindowTree::add(std::unique_ptr<Window> window) {
    Window* raw = window.get();
    std::uintptr_t value = m_table.add(std::move(window));
    if (!value) return nullptr;
    HWND hwnd = WindowHandle::make(value);
    raw->m_handle = hwnd;
    if (Window* parent = find(raw->m_parent))
        parent->m_children.push_back(hwnd);
    else
        raise(hwnd);
    raw->m_class->addWindow();
    MessageQueue::instance().attachWindow(hwnd);
    return hwnd;
}

void WindowTree::remove(HWND hwnd) {
    std::unique_ptr<Window> window = m_table.remove(slotValue(hwnd));
    if (!window) return;
    unlinkFromParent(*window);
    std::erase(m_topLevel, hwnd);
    for (HWND owned : ownedBy(hwnd)) find(owned)->m_owner = nullptr;
    window->m_class->removeWindow();
    for (HWND* slot : {&m_active, &m_focus, &m_capture})
        if (*slot == hwnd) *slot = nullptr;
    MessageQueue::instance().detachWindow(hwnd);
}

Window* WindowTree::find(HWND hwnd) const {
    return m_table.find(slotValue(hwnd));
}

Window* WindowTree::findOrFail(HWND hwnd) const {
    Window* window = find(hwnd);
    if (!window) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return window;
}

bool WindowTree::isDescendant(HWND ancestor, HWND hwnd) const {
    const Window* window = find(hwnd);
    while (window && window->m_parent) {
        if (window->m_parent == ancestor) return true;
        window = find(window->m_parent);
    }
    return false;
}

std::vector<HWND> WindowTree::ownedBy(HWND owner) const {
    std::vector<HWND> result;
    for (std::uintptr_t value : m_table.handles()) {
        const Window* window = m_table.find(value);
        if (window->m_owner == owner) result.push_back(window->m_handle);
    }
    return result;
}

void WindowTree::raise(HWND hwnd) {
    Window* window = find(hwnd);
    if (!window || window->isChild()) return;
    std::erase(m_topLevel, hwnd);
    bool topmost = window->m_exStyle & WS_EX_TOPMOST;
    auto below = std::find_if(m_topLevel.begin(), m_topLevel.end(), [this, topmost](HWND other) {
        return topmost || !(find(other)->m_exStyle & WS_EX_TOPMOST);
    });
    m_topLevel.insert(below, hwnd);
}

void WindowTree::lower(HWND hwnd) {
    Window* window = find(hwnd);
    if (!window || window->isChild()) return;
    std::erase(m_topLevel, hwnd);
    m_topLevel.push_back(hwnd);
}

void WindowTree::unlinkFromParent(const Window& window) {
    Window* parent = find(window.m_parent);
    if (!parent) return;
    auto& siblings = parent->m_children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window.m_handle), siblings.end());
}

}  // namespace ce::gwe
