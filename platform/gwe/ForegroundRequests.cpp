// Carrying out foreground requests: a window disabled under its own modal window hands the
// activation to that window, as the user would expect of hwnd | 1.
#include "gwe/ForegroundRequests.h"

#include <mutex>
#include <vector>

#include "gwe/Activation.h"
#include "gwe/MessageQueue.h"
#include "gwe/Window.h"

namespace ce::gwe {

namespace {

struct Pending {
    std::mutex mutex;
    std::vector<std::uint64_t> handles;
    std::function<void()> raise;
};

Pending& pending() {
    static Pending state;
    return state;
}

bool canTakeForeground(const Window* window) {
    return window && !window->isChild() && !window->m_system && !window->m_destroying;
}

// The window itself, or when it is disabled the topmost shown window it owns that is not.
HWND activationTarget(HWND hwnd) {
    WindowTree& tree = WindowTree::instance();
    if (tree.find(hwnd)->isEnabled()) return hwnd;
    for (HWND other : tree.topLevel()) {
        const Window* window = tree.find(other);
        if (window && window->m_owner == hwnd && window->isVisible() && window->isEnabled()) return other;
    }
    return hwnd;
}

void bringToFront(HWND hwnd) {
    WindowTree& tree = WindowTree::instance();
    if (!canTakeForeground(tree.find(hwnd))) return;
    if (!tree.find(hwnd)->isVisible()) ShowWindow(hwnd, SW_SHOW);
    if (!canTakeForeground(tree.find(hwnd))) return;
    activate(activationTarget(hwnd));
}

}  // namespace

void ForegroundRequests::prepare() {
    pending();
}

void ForegroundRequests::received(std::uint64_t handle) {
    {
        std::lock_guard lock(pending().mutex);
        pending().handles.push_back(handle);
    }
    MessageQueue::instance().post(nullptr, WM_NULL, 0, 0);
}

void ForegroundRequests::carryOut() {
    std::vector<std::uint64_t> handles;
    std::function<void()> raise;
    {
        std::lock_guard lock(pending().mutex);
        if (pending().handles.empty()) return;
        handles.swap(pending().handles);
        raise = pending().raise;
    }
    for (std::uint64_t handle : handles) bringToFront(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(handle)));
    if (raise) raise();
}

void ForegroundRequests::setRaiseHook(std::function<void()> hook) {
    std::lock_guard lock(pending().mutex);
    pending().raise = std::move(hook);
}

}  // namespace ce::gwe
