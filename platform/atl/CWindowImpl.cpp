// CWindowImpl's shared part: class registration, the window procedure that finds the object
// from its HWND, and the order of the final message.
#include "atl/CWindowImpl.h"

#include <cstdio>
#include <unordered_map>
#include <utility>

#include "atl/CAppModule.h"

namespace {

std::unordered_map<HWND, CWindowImplRoot*>& windowObjects() {
    static std::unordered_map<HWND, CWindowImplRoot*> objects;
    return objects;
}

// The object whose window is being created: its first messages come before CreateWindowExW
// has returned the HWND.
CWindowImplRoot*& creatingObject() {
    static CWindowImplRoot* creating = nullptr;
    return creating;
}

}  // namespace

const RECT CWindow::rcDefault = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};

ATOM CWndClassInfo::Register() {
    if (atom) return atom;
    LPCWSTR name = className;
    if (!name) {
        char text[sizeof generatedName];
        std::snprintf(text, sizeof text, "ATL:%p", static_cast<void*>(this));
        for (size_t i = 0; i < sizeof text && (i == 0 || text[i - 1]); ++i) generatedName[i] = static_cast<WCHAR>(text[i]);
        name = generatedName;
    }
    HBRUSH brush = background ? GetSysColorBrush(background) : nullptr;
    WNDCLASSW wc{style, CWindowImplRoot::windowProc, 0, 0, appModule().GetModuleInstance(), nullptr, nullptr, brush, nullptr, name};
    atom = RegisterClassW(&wc);
    return atom;
}

CWindowImplRoot::~CWindowImplRoot() {
    // A window that outlives its object falls back to DefWindowProc.
    if (m_hWnd) windowObjects().erase(m_hWnd);
}

LRESULT CWindowImplRoot::DefWindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(m_hWnd, uMsg, wParam, lParam);
}

HWND CWindowImplRoot::createWindow(CWndClassInfo& info, HWND parent, const RECT* rect, LPCWSTR name, DWORD style,
                                   DWORD exStyle, HMENU menu, LPVOID param) {
    if (m_hWnd || !info.Register()) return nullptr;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = CW_USEDEFAULT, height = CW_USEDEFAULT;
    if (rect && rect->left != CW_USEDEFAULT) {
        x = rect->left, y = rect->top;
        width = rect->right - rect->left, height = rect->bottom - rect->top;
    }
    LPCWSTR className = info.className ? info.className : info.generatedName;
    creatingObject() = this;
    HWND hWnd = CreateWindowExW(exStyle, className, name, style, x, y, width, height, parent, menu,
                                appModule().GetModuleInstance(), param);
    if (creatingObject() == this) creatingObject() = nullptr;
    return hWnd;
}

LRESULT CWindowImplRoot::windowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto found = windowObjects().find(hWnd);
    CWindowImplRoot* self = found != windowObjects().end() ? found->second : nullptr;
    if (!self && creatingObject()) {
        self = std::exchange(creatingObject(), nullptr);
        self->m_hWnd = hWnd;
        windowObjects()[hWnd] = self;
    }
    return self ? self->dispatch(hWnd, uMsg, wParam, lParam) : ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

LRESULT CWindowImplRoot::dispatch(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    MSG msg{hWnd, uMsg, wParam, lParam, 0, {}};
    const MSG* outer = std::exchange(m_pCurrentMsg, &msg);
    LRESULT result = 0;
    if (!ProcessWindowMessage(hWnd, uMsg, wParam, lParam, result, 0)) result = DefWindowProc(uMsg, wParam, lParam);
    m_pCurrentMsg = outer;
    if (uMsg == WM_NCDESTROY) {
        windowObjects().erase(hWnd);
        m_hWnd = nullptr;
        m_destroyed = true;
    }
    // A window destroyed inside one of its own handlers ends when that handler has returned.
    if (m_destroyed && !outer) finish(hWnd);
    return result;
}

void CWindowImplRoot::finish(HWND hWnd) {
    m_destroyed = false;
    OnFinalMessage(hWnd);  // may delete this
}
