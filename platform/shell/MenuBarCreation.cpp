// SHCreateMenuBar and SHFindMenuBar. A bar is built from a menu resource (SHCMBF_HMENU) or
// made empty (SHCMBF_EMPTYBAR); toolbar resources are not supported.
#include <cstddef>

#include "aygshell.h"
#include "gwe/Window.h"
#include "gwe/WindowGeometry.h"
#include "shell/MenuBarWindow.h"
#include "winbase.h"

namespace {

using ce::shell::MenuBar;

bool fail(DWORD error) {
    SetLastError(error);
    return false;
}

bool coversColour(const SHMENUBARINFO& info) {
    return info.cbSize >= offsetof(SHMENUBARINFO, clrBk) + sizeof(info.clrBk);
}

// The bar's state with its buttons; null with the last error set when the menu is missing.
std::unique_ptr<MenuBar> makeBar(const SHMENUBARINFO& info) {
    auto bar = std::make_unique<MenuBar>(info.hwndParent, info.dwFlags, coversColour(info) ? info.clrBk : 0);
    if (info.dwFlags & SHCMBF_EMPTYBAR) return bar;
    HMENU menu = LoadMenuW(info.hInstRes, MAKEINTRESOURCEW(info.nToolBarId));
    if (!menu) return nullptr;
    bar->adoptMenu(menu);
    bar->addButtonsFrom(menu);
    return bar;
}

}  // namespace

BOOL SHCreateMenuBar(SHMENUBARINFO* pmbi) {
    if (!pmbi || pmbi->cbSize < offsetof(SHMENUBARINFO, clrBk)) return fail(ERROR_INVALID_PARAMETER);
    ce::gwe::Window* owner = ce::gwe::WindowTree::instance().findOrFail(pmbi->hwndParent);
    if (!owner) return FALSE;
    if (!(pmbi->dwFlags & (SHCMBF_EMPTYBAR | SHCMBF_HMENU))) return fail(ERROR_INVALID_PARAMETER);
    std::unique_ptr<MenuBar> bar = makeBar(*pmbi);
    if (!bar) return FALSE;
    HWND hwnd = ce::shell::createMenuBarWindow(std::move(bar), ce::gwe::topLevelOf(owner)->m_handle);
    if (!hwnd) return FALSE;
    pmbi->hwndMB = hwnd;
    return TRUE;
}

HWND SHFindMenuBar(HWND hwnd) {
    if (!hwnd) return nullptr;
    for (HWND candidate : ce::gwe::WindowTree::instance().topLevel())
        if (const MenuBar* bar = ce::shell::menuBarOf(candidate); bar && bar->owner() == hwnd) return candidate;
    return nullptr;
}
