// GetWindow: walking siblings in z-order, the first child, the owner.
#include <algorithm>

#include "gwe/Window.h"
#include "winbase.h"

using ce::gwe::Window;
using ce::gwe::WindowTree;

namespace {

const std::vector<HWND>& siblingsOf(const Window& window) {
    if (Window* parent = WindowTree::instance().find(window.m_parent)) return parent->m_children;
    return WindowTree::instance().topLevel();
}

HWND at(const std::vector<HWND>& list, std::ptrdiff_t index) {
    return index >= 0 && index < static_cast<std::ptrdiff_t>(list.size()) ? list[static_cast<size_t>(index)] : nullptr;
}

}  // namespace

// The desktop's child is the topmost top-level window.
HWND GetWindow(HWND hWnd, UINT uCmd) {
    WindowTree& tree = WindowTree::instance();
    if (hWnd == GetDesktopWindow()) return uCmd == GW_CHILD ? at(tree.topLevel(), 0) : nullptr;
    Window* window = tree.findOrFail(hWnd);
    if (!window) return nullptr;
    const std::vector<HWND>& siblings = siblingsOf(*window);
    std::ptrdiff_t index = std::find(siblings.begin(), siblings.end(), hWnd) - siblings.begin();
    switch (uCmd) {
    case GW_HWNDFIRST: return at(siblings, 0);
    case GW_HWNDLAST: return siblings.empty() ? nullptr : siblings.back();
    case GW_HWNDNEXT: return at(siblings, index + 1);
    case GW_HWNDPREV: return at(siblings, index - 1);
    case GW_OWNER: return window->m_owner;
    case GW_CHILD: return at(window->m_children, 0);
    }
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
}
