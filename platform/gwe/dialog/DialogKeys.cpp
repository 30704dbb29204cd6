// IsDialogMessageW: the keys a dialog takes for itself. Enter chooses the focused push
// button, else the default button, else IDOK; Escape is IDCANCEL; Tab and Shift+Tab move
// between tab stops. Every other message for the dialog is translated and dispatched here.
#include "gwe/dialog/DialogState.h"
#include "gwe/dialog/DialogWindow.h"

namespace ce::gwe::dialog {

namespace {

// As a click of that button would: WM_COMMAND(id, BN_CLICKED), unless the button is disabled.
void command(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (control && !IsWindowEnabled(control)) return;
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

int enterId(HWND dialog) {
    HWND focus = GetFocus();
    if (focus && IsChild(dialog, focus) && isPushButton(focus)) return GetDlgCtrlID(focus);
    LRESULT defaultId = SendMessageW(dialog, DM_GETDEFID, 0, 0);
    return HIWORD(defaultId) == DC_HASDEFID ? LOWORD(defaultId) : IDOK;
}

void tab(HWND dialog) {
    HWND focus = GetFocus();
    HWND next = nextTabStop(dialog, focus && IsChild(dialog, focus) ? focus : nullptr, GetKeyState(VK_SHIFT) < 0);
    if (next) SetFocus(next);
}

bool takesKey(HWND dialog, WPARAM key) {
    switch (key) {
    case VK_RETURN: command(dialog, enterId(dialog)); return true;
    case VK_ESCAPE: command(dialog, IDCANCEL); return true;
    case VK_TAB: tab(dialog); return true;
    }
    return false;
}

}  // namespace

}  // namespace ce::gwe::dialog

BOOL IsDialogMessageW(HWND hDlg, LPMSG lpMsg) {
    if (!lpMsg || !IsWindow(hDlg) || (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd))) return FALSE;
    if (lpMsg->message == WM_KEYDOWN && ce::gwe::dialog::takesKey(hDlg, lpMsg->wParam)) return TRUE;
    TranslateMessage(lpMsg);
    DispatchMessageW(lpMsg);
    return TRUE;
}
