// A window's state and the tree that owns every window: handles, parent, child and owner
// links, the z-order of top-level windows, and the active, focus and capture slots.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gwe/gdi/Region.h"
#include "kernel/HandleTable.h"
#include "winuser.h"

namespace ce::gwe {

class WindowClass;

struct Window {
    HWND m_handle = nullptr;
    WindowClass* m_class = nullptr;  // outlives the window: UnregisterClassW refuses until then
    HWND m_parent = nullptr;         // children (WS_CHILD) only
    HWND m_owner = nullptr;          // top-level windows created with a parent handle
    std::vector<HWND> m_children;    // z-order, top first: a new child goes below its siblings
    WNDPROC m_wndProc = nullptr;
    HINSTANCE m_instance = nullptr;
    DWORD m_style = 0;
    DWORD m_exStyle = 0;
    UINT_PTR m_id = 0;  // a child's control id; the menu handle of a top-level window
    LONG_PTR m_userData = 0;
    std::u16string m_text;
    HICON m_icons[2] = {};  // ICON_SMALL and ICON_BIG as WM_SETICON set them; the caller owns them
    std::vector<BYTE> m_extra;  // cbWndExtra bytes
    RECT m_rect{};  // in the parent's client coordinates; screen coordinates at the top level
    gdi::Region m_update;  // client coordinates
    bool m_erase = false;  // the update region wants WM_ERASEBKGND at BeginPaint
    bool m_destroying = false;  // WM_DESTROY is under way; the handle lasts until WM_NCDESTROY
    bool m_system = false;  // the shell's own (the navigation bar): never active or foreground

    bool isChild() const { return m_style & WS_CHILD; }
    bool isVisible() const { return m_style & WS_VISIBLE; }
    bool isEnabled() const { return !(m_style & WS_DISABLED); }
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

    // Top-level windows, topmost first.
    const std::vector<HWND>& topLevel() const { return m_topLevel; }
    // Puts a top-level window above the others (below WS_EX_TOPMOST ones unless it is one).
    void raise(HWND hwnd);
    void lower(HWND hwnd);

    HWND active() const { return m_active; }
    void setActive(HWND hwnd) { m_active = hwnd; }
    HWND focus() const { return m_focus; }
    void setFocus(HWND hwnd) { m_focus = hwnd; }
    HWND capture() const { return m_capture; }
    void setCapture(HWND hwnd) { m_capture = hwnd; }

private:
    static std::uintptr_t key(HWND hwnd) { return reinterpret_cast<std::uintptr_t>(hwnd); }
    void unlinkFromParent(const Window& window);

    HandleTable<Window> m_table;
    std::vector<HWND> m_topLevel;
    HWND m_active = nullptr;
    HWND m_focus = nullptr;
    HWND m_capture = nullptr;
};

}  // namespace ce::gwe
