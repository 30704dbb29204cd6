// CContainedWindow: subclassing a window so that an alternative map sees its messages first.
#include "atl/CContainedWindow.h"

#include <unordered_map>

namespace {

std::unordered_map<HWND, CContainedWindow*>& containedWindows() {
    static std::unordered_map<HWND, CContainedWindow*> windows;
    return windows;
}

}  // namespace

CContainedWindow::~CContainedWindow() {
    if (m_hWnd) UnsubclassWindow();
}

BOOL CContainedWindow::SubclassWindow(HWND hWnd) {
    if (m_hWnd || !::IsWindow(hWnd)) return FALSE;
    auto previous = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
    ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CContainedWindow::windowProc));
    m_pfnSuperWindowProc = previous;
    m_hWnd = hWnd;
    containedWindows()[hWnd] = this;
    return TRUE;
}

HWND CContainedWindow::UnsubclassWindow() {
    HWND hWnd = Detach();
    if (!hWnd) return nullptr;
    containedWindows().erase(hWnd);
    auto current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
    if (current == &CContainedWindow::windowProc)
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuperWindowProc));
    m_pfnSuperWindowProc = nullptr;
    return hWnd;
}

LRESULT CContainedWindow::DefWindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (!m_pfnSuperWindowProc) return ::DefWindowProcW(m_hWnd, uMsg, wParam, lParam);
    return ::CallWindowProcW(m_pfnSuperWindowProc, m_hWnd, uMsg, wParam, lParam);
}

LRESULT CContainedWindow::windowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto found = containedWindows().find(hWnd);
    if (found == containedWindows().end()) return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
    CContainedWindow* self = found->second;
    LRESULT result = 0;
    if (!self->m_pObject->ProcessWindowMessage(hWnd, uMsg, wParam, lParam, result, self->m_dwMsgMapID))
        result = self->DefWindowProc(uMsg, wParam, lParam);
    // The window is gone: nothing is left to hand back.
    if (uMsg == WM_NCDESTROY && containedWindows().erase(hWnd)) {
        self->m_hWnd = nullptr;
        self->m_pfnSuperWindowProc = nullptr;
    }
    return result;
}
