// FindWindowW: a top-level window by class name (or atom) and/or title, both compared
// without regard to case: this process's first, then those the user's other processes
// publish (an atom names a class of this process only); the shell's own are never found.
#include "cewchar.h"
#include "gwe/ForeignWindows.h"
#include "gwe/Window.h"
#include "gwe/WindowClass.h"
#include "winbase.h"

using ce::gwe::Window;
using ce::gwe::WindowTree;

namespace {

bool isAtom(LPCWSTR className) {
    return className && reinterpret_cast<ULONG_PTR>(className) >> 16 == 0;
}

bool classMatches(const Window& window, LPCWSTR className) {
    if (!className) return true;
    auto value = reinterpret_cast<ULONG_PTR>(className);
    if (isAtom(className)) return window.m_class->atom() == value;
    return _wcsicmp(window.m_class->name().c_str(), className) == 0;
}

bool titleMatches(const Window& window, LPCWSTR windowName) {
    return !windowName || _wcsicmp(window.m_text.c_str(), windowName) == 0;
}

}  // namespace

HWND FindWindowW(LPCWSTR lpClassName, LPCWSTR lpWindowName) {
    WindowTree& tree = WindowTree::instance();
    for (HWND hwnd : tree.topLevel()) {
        const Window* window = tree.find(hwnd);
        if (window && !window->m_system && classMatches(*window, lpClassName) &&
            titleMatches(*window, lpWindowName))
            return hwnd;
    }
    if (!isAtom(lpClassName))
        if (HWND foreign = ce::gwe::ForeignWindows::find(lpClassName, lpWindowName)) return foreign;
    SetLastError(ERROR_SUCCESS);
    return nullptr;
}
