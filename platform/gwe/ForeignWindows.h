// The top-level windows the user's other processes publish, as FindWindowW, IsWindow,
// GetWindowTextW and SetForegroundWindow see them. Records of dead processes are never
// returned (and are removed on the way).
#pragma once

#include <optional>

#include "kernel/WindowRecord.h"
#include "windef.h"

namespace ce::gwe {

class ForeignWindows {
public:
    // The first published window whose class name (without regard to case; null: any) and
    // title (likewise) match; null when none does.
    static HWND find(LPCWSTR className, LPCWSTR title);
    // The record of another process's window, when that process lives and publishes it.
    static std::optional<kernel::WindowRecord> record(HWND hwnd);
    // Asks the owning process to bring the window to the front: true when the request
    // reached the live process that publishes it.
    static bool bringToFront(HWND hwnd);
};

}  // namespace ce::gwe
