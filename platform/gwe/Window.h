// A window's state and the tree that owns every window: handles, parent, child and owner
// links, and the active-window slot.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "kernel/HandleTable.h"
#include "winuser.h"

namespace ce::gwe {

class WindowClass;

struct Window {
    HWND m_handle = nullptr;
    WindowClass* m_class = nullptr;  // outlives the window: UnregisterClassW refuses until then
    HWND m_parent = nullptr;         // children (WS_CHILD) only
    HWND m_owner = nullptr;          // top-level windows created with a parent handle
    std::vector<HWND> m_children;    // creation order
    WNDPROC m_wndProc = nullptr;
    HINSTANCE m_instance = nullptr;
    DWORD m_style = 0;
    DWORD m_exStyle = 0;
    UINT_PTR m_id = 0;  // a child's control id; the menu handle of a top-level window
    LONG_PTR m_userData = 0;
    std::u16string m_text;
    std::vector<BYTE> m_extra;  // cbWndExtra bytes
    RECT m_rect{};
    bool m_destroying = false;  // WM_DESTROY is under way; the handle lasts until WM_NCDESTROY
};

class WindowTree {
public:
    static WindowTree& instance();

    // Issues the handle and links the window to its parent, class and queue; null when no
    // handle is left.
    HWND add(std::unique_ptr<Window> window);
    // Unlinks the window everywhere and frees it: its handle is stale from here on.
    void remove(HWND hwnd);

    Window* find(HWND hwnd) const;
    // As find, setting ERROR_INVALID_WINDOW_HANDLE when there is no such window.
    Window* findOrFail(HWND hwnd) const;
    // True when hwnd is a child, grandchild ... of ancestor.
    bool isDescendant(HWND ancestor, HWND hwnd) const;
    std::vector<HWND> ownedBy(HWND owner) const;

    HWND active() const { return m_active; }
    void setActive(HWND hwnd) { m_active = hwnd; }

private:
    static std::uintptr_t key(HWND hwnd) { return reinterpret_cast<std::uintptr_t>(hwnd); }
    void unlinkFromParent(const Window& window);

    HandleTable<Window> m_table;
    HWND m_active = nullptr;
};

}  // namespace ce::gwe
