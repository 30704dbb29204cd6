// TranslateAcceleratorW: a key message that matches an entry of the table becomes WM_COMMAND
// (high word 1) sent to the window, and the caller drops the keystroke.
#include "gwe/Window.h"
#include "gwe/resource/AcceleratorTable.h"
#include "winbase.h"

namespace {

bool isDown(int key) {
    return GetKeyState(key) & 0x8000;
}

// Virtual-key entries match key-down messages with exactly their modifiers, so Ctrl+Shift+Q
// is not taken by an entry for Ctrl+Q.
bool matchesKey(const ACCEL& entry, const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    if (entry.key != msg.wParam) return false;
    return isDown(VK_CONTROL) == bool(entry.fVirt & FCONTROL) && isDown(VK_SHIFT) == bool(entry.fVirt & FSHIFT) &&
           isDown(VK_MENU) == bool(entry.fVirt & FALT);
}

// Character entries match the character itself, case and all; Alt makes it a WM_SYSCHAR.
bool matchesCharacter(const ACCEL& entry, const MSG& msg) {
    UINT wanted = entry.fVirt & FALT ? WM_SYSCHAR : WM_CHAR;
    return msg.message == wanted && entry.key == msg.wParam;
}

}  // namespace

int TranslateAcceleratorW(HWND hWnd, HACCEL hAccTable, LPMSG lpMsg) {
    const std::vector<ACCEL>* entries = ce::res::acceleratorEntries(hAccTable);
    if (!entries || !lpMsg) return 0;
    if (!ce::gwe::WindowTree::instance().findOrFail(hWnd)) return 0;
    for (const ACCEL& entry : *entries) {
        bool match = entry.fVirt & FVIRTKEY ? matchesKey(entry, *lpMsg) : matchesCharacter(entry, *lpMsg);
        if (!match) continue;
        SendMessageW(hWnd, WM_COMMAND, MAKEWPARAM(entry.cmd, 1), 0);
        return 1;
    }
    return 0;
}
