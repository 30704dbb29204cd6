// Window data: Get/SetWindowLongW and Get/SetWindowLongPtrW over the window's fields
// (negative indexes) and its cbWndExtra bytes (byte offsets, bounds-checked).
#include <cstring>

#include "gwe/Window.h"
#include "winbase.h"

namespace {

using ce::gwe::Window;
using ce::gwe::WindowTree;

bool failIndex() {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
}

// The window's extra bytes at offset, when size bytes fit there.
BYTE* extraAt(Window& window, int offset, size_t size) {
    if (offset < 0 || static_cast<size_t>(offset) + size > window.m_extra.size()) return nullptr;
    return window.m_extra.data() + offset;
}

// A window field or extra slot; `wide` says whether the caller takes pointer-sized values.
// Pointers and window handles (which carry the process id above bit 32) do not fit the
// 32-bit calls, so those refuse GWL_WNDPROC, GWL_HINSTANCE and GWL_HWNDPARENT.
bool readField(Window& window, int index, bool wide, LONG_PTR& value) {
    switch (index) {
    case GWL_STYLE: value = static_cast<LONG>(window.m_style); return true;
    case GWL_EXSTYLE: value = static_cast<LONG>(window.m_exStyle); return true;
    case GWL_ID: value = static_cast<LONG_PTR>(window.m_id); return true;
    case GWL_USERDATA: value = window.m_userData; return true;
    case GWL_HWNDPARENT:
        if (!wide) return failIndex();
        value = reinterpret_cast<LONG_PTR>(window.m_parent ? window.m_parent : window.m_owner);
        return true;
    case GWL_WNDPROC:
        if (!wide) return failIndex();
        value = reinterpret_cast<LONG_PTR>(window.m_wndProc);
        return true;
    case GWL_HINSTANCE:
        if (!wide) return failIndex();
        value = reinterpret_cast<LONG_PTR>(window.m_instance);
        return true;
    }
    size_t size = wide ? sizeof(LONG_PTR) : sizeof(LONG);
    const BYTE* bytes = extraAt(window, index, size);
    if (!bytes) return failIndex();
    if (wide) {
        std::memcpy(&value, bytes, size);
    } else {
        LONG narrow;
        std::memcpy(&narrow, bytes, size);
        value = narrow;
    }
    return true;
}

// GWL_HWNDPARENT sets a top-level window's owner; a child changes parent only by SetParent.
bool setOwner(Window& window, LONG_PTR value) {
    HWND owner = reinterpret_cast<HWND>(value);
    if (window.m_style & WS_CHILD) return failIndex();
    if (owner && !WindowTree::instance().findOrFail(owner)) return false;
    window.m_owner = owner;
    return true;
}

bool writeField(Window& window, int index, bool wide, LONG_PTR value) {
    switch (index) {
    case GWL_STYLE: window.m_style = static_cast<DWORD>(value); return true;
    case GWL_EXSTYLE: window.m_exStyle = static_cast<DWORD>(value); return true;
    case GWL_ID: window.m_id = static_cast<UINT_PTR>(value); return true;
    case GWL_USERDATA: window.m_userData = value; return true;
    case GWL_HWNDPARENT: return setOwner(window, value);
    case GWL_WNDPROC:
        if (!wide) return failIndex();
        window.m_wndProc = reinterpret_cast<WNDPROC>(value);
        return true;
    case GWL_HINSTANCE:
        if (!wide) return failIndex();
        window.m_instance = reinterpret_cast<HINSTANCE>(value);
        return true;
    }
    size_t size = wide ? sizeof(LONG_PTR) : sizeof(LONG);
    BYTE* bytes = extraAt(window, index, size);
    if (!bytes) return failIndex();
    LONG narrow = static_cast<LONG>(value);
    std::memcpy(bytes, wide ? static_cast<const void*>(&value) : &narrow, size);
    return true;
}

LONG_PTR getLong(HWND hwnd, int index, bool wide) {
    Window* window = WindowTree::instance().findOrFail(hwnd);
    LONG_PTR value = 0;
    if (!window || !readField(*window, index, wide, value)) return 0;
    return value;
}

LONG_PTR setLong(HWND hwnd, int index, bool wide, LONG_PTR value) {
    Window* window = WindowTree::instance().findOrFail(hwnd);
    LONG_PTR previous = 0;
    if (!window || !readField(*window, index, wide, previous)) return 0;
    return writeField(*window, index, wide, value) ? previous : 0;
}

}  // namespace

LONG GetWindowLongW(HWND hWnd, int nIndex) {
    return static_cast<LONG>(getLong(hWnd, nIndex, false));
}

LONG SetWindowLongW(HWND hWnd, int nIndex, LONG dwNewLong) {
    return static_cast<LONG>(setLong(hWnd, nIndex, false, dwNewLong));
}

LONG_PTR GetWindowLongPtrW(HWND hWnd, int nIndex) {
    return getLong(hWnd, nIndex, true);
}

LONG_PTR SetWindowLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
    return setLong(hWnd, nIndex, true, dwNewLong);
}
