// The About box from its dialog template, made full-screen by the shell when it starts.
#include "AboutDialog.h"

#include "aygshell.h"
#include "resource.h"

namespace showcase {

bool AboutDialog::c_open = false;

void AboutDialog::show(HWND owner) {
    if (c_open) return;
    c_open = true;
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT), owner, dialogProc, 0);
    c_open = false;
}

INT_PTR CALLBACK AboutDialog::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        SetDlgItemTextW(dialog, IDC_VERSION, u"1.0, build 1");
        SHINITDLGINFO info{SHIDIM_FLAGS, dialog, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN};
        SHInitDialog(&info);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        break;
    }
    return FALSE;
}

}  // namespace showcase
