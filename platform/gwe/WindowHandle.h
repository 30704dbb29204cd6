// Window handle values. The owning process's id sits above bit 32 and the window's slot
// below, shifted left so that every handle is even (SetForegroundWindow(hwnd | 1) drops the
// bit). Handles are so unique among the user's processes: one from another process can never
// name a window here, and its owner is read off the value, with no table of foreign handles
// to keep current. Nothing may keep a handle in 32 bits.
#pragma once

#include <cstdint>

#include "windef.h"

namespace ce::gwe {

class WindowHandle {
public:
    static HWND make(std::uintptr_t slot);
    // The slot of one of this process's handles; 0 for an odd handle or another process's.
    static std::uintptr_t slotOf(HWND hwnd);
    // The process id the handle carries (0 for none).
    static std::uint32_t processOf(HWND hwnd);
    // A handle that can only be another process's window.
    static bool isForeign(HWND hwnd);
    // This process's id as its handles carry it: fixed at the first window, so a forked
    // child still knows the windows it inherited.
    static std::uint32_t ownProcess();
};

}  // namespace ce::gwe
