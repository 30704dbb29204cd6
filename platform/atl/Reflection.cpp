// Reflecting control notifications: the parent sends them back to the control that sent
// them, as OCM__BASE + message, so a control class can handle its own notifications.
#include "atl/MessageMap.h"

namespace {

// The control a notification came from, or null when it did not come from a control.
HWND sourceControl(HWND parent, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case 0x002E:  // WM_VKEYTOITEM
    case 0x002F:  // WM_CHARTOITEM
    case 0x0132:  // WM_CTLCOLORMSGBOX
    case WM_CTLCOLOREDIT:
    case 0x0134:  // WM_CTLCOLORLISTBOX
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case 0x0137:  // WM_CTLCOLORSCROLLBAR
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
        return lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
    // Owner-drawn items name their control by id; id 0 is a menu.
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case 0x002D:  // WM_DELETEITEM
    case 0x0039:  // WM_COMPAREITEM
        return wParam ? ::GetDlgItem(parent, static_cast<int>(wParam)) : nullptr;
    }
    return nullptr;
}

}  // namespace

LRESULT AtlReflectNotifications(HWND hWndParent, UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
    HWND child = sourceControl(hWndParent, uMsg, wParam, lParam);
    if (!child) {
        bHandled = FALSE;
        return 1;
    }
    return ::SendMessageW(child, OCM__BASE + uMsg, wParam, lParam);
}

BOOL AtlDefaultReflectionHandler(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult) {
    if (uMsg < OCM__BASE || uMsg > OCM__BASE + 0x0210) return FALSE;
    lResult = ::DefWindowProcW(hWnd, uMsg - OCM__BASE, wParam, lParam);
    return TRUE;
}
