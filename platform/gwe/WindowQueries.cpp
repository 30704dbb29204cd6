// Questions about the window tree: IsWindow, GetParent, IsChild, GetDlgItem, GetDlgCtrlID,
// and GetClassNameW.
#include <algorithm>

#include "gwe/ForeignWindows.h"
#include "gwe/Window.h"
#include "gwe/WindowClass.h"
#include "gwe/WindowHandle.h"
#include "winbase.h"

using ce::gwe::Window;
using ce::gwe::WindowTree;

BOOL IsWindow(HWND hWnd) {
    if (ce::gwe::WindowHandle::isForeign(hWnd)) return ce::gwe::ForeignWindows::record(hWnd).has_value();
    return WindowTree::instance().find(hWnd) != nullptr;
}

// A child's parent, or a pop-up's owner, as Win32 answers.
HWND GetParent(HWND hWnd) {
    Window* window = WindowTree::instance().findOrFail(hWnd);
    if (!window) return nullptr;
    if (window->m_style & WS_CHILD) return window->m_parent;
    return (window->m_style & WS_POPUP) ? window->m_owner : nullptr;
}

BOOL IsChild(HWND hWndParent, HWND hWnd) {
    return WindowTree::instance().isDescendant(hWndParent, hWnd);
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem) {
    WindowTree& tree = WindowTree::instance();
    Window* window = tree.findOrFail(hDlg);
    if (!window) return nullptr;
    for (HWND child : window->m_children)
        if (static_cast<int>(tree.find(child)->m_id) == nIDDlgItem) return child;
    SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
    return nullptr;
}

int GetDlgCtrlID(HWND hWnd) {
    Window* window = WindowTree::instance().findOrFail(hWnd);
    return window ? static_cast<int>(window->m_id) : 0;
}

int GetClassNameW(HWND hWnd, LPWSTR lpClassName, int nMaxCount) {
    Window* window = WindowTree::instance().findOrFail(hWnd);
    if (!window) return 0;
    if (!lpClassName || nMaxCount <= 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    const std::u16string& name = window->m_class->name();
    size_t count = std::min(name.size(), static_cast<size_t>(nMaxCount - 1));
    name.copy(lpClassName, count);
    lpClassName[count] = 0;
    return static_cast<int>(count);
}
