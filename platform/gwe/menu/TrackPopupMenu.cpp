// TrackPopupMenuEx: checks its arguments, lets the owner prepare the menu (WM_INITMENUPOPUP),
// tracks it modally and hands over the choice: returned with TPM_RETURNCMD, else posted to
// the owner as WM_COMMAND, which it sees only after the call has returned.
#include "gwe/menu/MenuTracker.h"
#include "winbase.h"

using ce::gwe::MenuTable;
using ce::gwe::MenuTracker;

BOOL TrackPopupMenuEx(HMENU hMenu, UINT uFlags, int x, int y, HWND hWnd, LPTPMPARAMS lptpm) {
    if (!MenuTable::instance().find(hMenu)) return FALSE;
    if (!IsWindow(hWnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (MenuTracker::active()) {  // one tracked menu at a time
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!(uFlags & TPM_NONOTIFY))
        SendMessageW(hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), MAKELPARAM(0, FALSE));
    if (!IsWindow(hWnd) || !MenuTable::instance().find(hMenu)) return FALSE;
    const RECT* exclude = lptpm && lptpm->cbSize >= sizeof(TPMPARAMS) ? &lptpm->rcExclude : nullptr;
    UINT chosen = MenuTracker(hWnd, uFlags).run(hMenu, POINT{x, y}, exclude);
    if (uFlags & TPM_RETURNCMD) return static_cast<BOOL>(chosen);
    if (chosen) PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    return TRUE;
}
