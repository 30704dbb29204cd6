// CreateWindowExW: builds the window from its class, links it into the tree and sends
// WM_CREATE, then WM_SIZE and WM_MOVE, then shows it if it has WS_VISIBLE. CE sends no
// non-client messages, so there is no WM_NCCREATE.
#include <memory>

#include "gwe/Placement.h"
#include "gwe/Window.h"
#include "gwe/WindowClass.h"
#include "gwe/WindowPublisher.h"
#include "winbase.h"

namespace {

using ce::gwe::Window;
using ce::gwe::WindowTree;

// A child needs a live parent; a top-level window may name a live owner.
bool checkParent(DWORD style, HWND parent) {
    if (!parent && !(style & WS_CHILD)) return true;
    if (!parent) {
        SetLastError(ERROR_TLW_WITH_WSCHILD);
        return false;
    }
    return WindowTree::instance().findOrFail(parent) != nullptr;
}

std::unique_ptr<Window> makeWindow(ce::gwe::WindowClass& cls, const CREATESTRUCTW& cs) {
    auto window = std::make_unique<Window>();
    window->m_class = &cls;
    window->m_wndProc = cls.info().lpfnWndProc;
    window->m_instance = cs.hInstance;
    window->m_style = static_cast<DWORD>(cs.style);
    window->m_exStyle = cs.dwExStyle;
    if (cs.style & WS_CHILD)
        window->m_parent = cs.hwndParent;
    else
        window->m_owner = cs.hwndParent;
    window->m_id = reinterpret_cast<UINT_PTR>(cs.hMenu);
    if (cs.lpszName) window->m_text = cs.lpszName;
    window->m_extra.assign(static_cast<size_t>(cls.info().cbWndExtra), 0);
    // A window comes into being hidden: WS_VISIBLE is shown once WM_CREATE has succeeded.
    window->m_style &= ~WS_VISIBLE;
    window->m_rect = ce::gwe::initialRect(cs);
    return window;
}

}  // namespace

HWND CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle, int x,
                     int y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance,
                     LPVOID lpParam) {
    ce::gwe::WindowClass* cls = ce::gwe::ClassRegistry::instance().find(lpClassName, hInstance);
    if (!cls) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    if (!checkParent(dwStyle, hWndParent)) return nullptr;
    CREATESTRUCTW cs{lpParam, hInstance, hMenu, hWndParent, nHeight, nWidth, y, x,
                     static_cast<LONG>(dwStyle), lpWindowName, lpClassName, dwExStyle};
    HWND hwnd = WindowTree::instance().add(makeWindow(*cls, cs));
    if (!hwnd) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    ce::gwe::WindowPublisher::start();  // the user's other processes find top-level windows
    if (SendMessageW(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    // WM_CREATE may have destroyed the window itself, and so may anything sent after it.
    if (!IsWindow(hwnd)) return nullptr;
    ce::gwe::sendSizeAndMove(hwnd);
    if (IsWindow(hwnd) && (dwStyle & WS_VISIBLE)) ShowWindow(hwnd, SW_SHOW);
    return IsWindow(hwnd) ? hwnd : nullptr;
}
