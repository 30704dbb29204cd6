// SHInitDialog: full-screen dialogs fill the work area below the navigation bar, without a
// frame; the Done button is the navigation bar's "ok" (there is no input panel to close).
#include "aygshell.h"
#include "gwe/dialog/DialogState.h"
#include "shell/NavigationBar.h"
#include "winbase.h"
#include "winuser.h"

namespace {

constexpr DWORD c_fullScreen = SHIDIF_SIZEDLG | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_FULLSCREENNOMENUBAR;

void fillWorkArea(HWND dialog) {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    LONG style = GetWindowLongW(dialog, GWL_STYLE);
    SetWindowLongW(dialog, GWL_STYLE, style & ~static_cast<LONG>(WS_CAPTION | WS_DLGFRAME | WS_BORDER));
    SetWindowPos(dialog, nullptr, work.left, work.top, work.right - work.left, work.bottom - work.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void showDoneButton(HWND dialog) {
    ce::gwe::dialog::DialogState* state = ce::gwe::dialog::DialogStates::instance().find(dialog);
    if (!state) return;
    state->m_doneButton = true;
    ce::shell::refreshNavigationBar();
}

}  // namespace

BOOL SHInitDialog(PSHINITDLGINFO pshidi) {
    if (!pshidi || !IsWindow(pshidi->hDlg)) {
        SetLastError(pshidi ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!(pshidi->dwMask & SHIDIM_FLAGS)) return TRUE;
    if (pshidi->dwFlags & c_fullScreen) fillWorkArea(pshidi->hDlg);
    if (pshidi->dwFlags & SHIDIF_DONEBUTTON) showDoneButton(pshidi->hDlg);
    return TRUE;
}
