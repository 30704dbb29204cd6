#include "about/AboutBox.h"

#include <aygshell.h>

#include "core/FixedFormat.h"
#include "resources/ResourceIds.h"

namespace Orvane {

bool AboutBox::c_open = false;

void AboutBox::show(HWND parent) {
    // The command can arrive again while the box is up (from its owner's menu bar or keys).
    if (c_open) return;
    c_open = true;
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT), parent, dialogProc, 0);
    c_open = false;
}

INT_PTR CALLBACK AboutBox::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        WCHAR version[64];
        Nevo::printFixed(version, 64, u"%d.%d, build %d", c_major, c_minor, c_build);
        SetDlgItemTextW(dialog, IDC_ABOUT_VERSION, version);
        // A shell that refuses leaves the box at its template's size.
        SHINITDLGINFO info{SHIDIM_FLAGS, dialog, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN};
        SHInitDialog(&info);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

}  // namespace Orvane
