// The dialog calls: DialogBoxParamW, CreateDialogParamW, EndDialog, the dialog item
// helpers, MapDialogRect and GetDialogBaseUnits.
#include "gwe/dialog/DialogBuilder.h"
#include "gwe/dialog/DialogState.h"
#include "gwe/dialog/DialogUnits.h"
#include "gwe/dialog/ModalLoop.h"
#include "gwe/resource/ResourceRegistry.h"
#include "winbase.h"

using namespace ce::gwe::dialog;

namespace {

// The owner a dialog gets: the top-level window of the parent given. False for a dead one.
bool ownerOf(HWND parent, HWND& owner) {
    owner = nullptr;
    if (!parent) return true;
    if (!IsWindow(parent)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    owner = topLevelWindow(parent);
    return true;
}

HWND createFromResource(HINSTANCE hInstance, LPCWSTR name, HWND parent, DLGPROC proc, LPARAM param, HWND& owner) {
    const ce::res::DialogResource* resource = ce::res::findDialog(hInstance, name);
    if (!resource || !ownerOf(parent, owner)) return nullptr;
    return buildDialog(hInstance, *resource, owner, proc, param);
}

}  // namespace

INT_PTR DialogBoxParamW(HINSTANCE hInstance, LPCWSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                        LPARAM dwInitParam) {
    HWND owner = nullptr;
    HWND dialog = createFromResource(hInstance, lpTemplateName, hWndParent, lpDialogFunc, dwInitParam, owner);
    return dialog ? runModal(dialog, owner) : -1;
}

HWND CreateDialogParamW(HINSTANCE hInstance, LPCWSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                        LPARAM dwInitParam) {
    HWND owner = nullptr;
    return createFromResource(hInstance, lpTemplateName, hWndParent, lpDialogFunc, dwInitParam, owner);
}

// A modal dialog lets its owner go at once; its loop returns when this message is done.
BOOL EndDialog(HWND hDlg, INT_PTR nResult) {
    DialogState* state = DialogStates::instance().find(hDlg);
    if (!state) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    state->m_ended = true;
    state->m_result = nResult;
    if (state->m_modal)
        releaseOwner(hDlg);
    else
        ShowWindow(hDlg, SW_HIDE);
    return TRUE;
}

BOOL SetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPCWSTR lpString) {
    HWND item = GetDlgItem(hDlg, nIDDlgItem);
    return item ? SetWindowTextW(item, lpString) : FALSE;
}

UINT GetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPWSTR lpString, int cchMax) {
    HWND item = GetDlgItem(hDlg, nIDDlgItem);
    if (!item) {
        if (lpString && cchMax > 0) lpString[0] = 0;
        return 0;
    }
    return static_cast<UINT>(GetWindowTextW(item, lpString, cchMax));
}

LRESULT SendDlgItemMessageW(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam) {
    HWND item = GetDlgItem(hDlg, nIDDlgItem);
    return item ? SendMessageW(item, Msg, wParam, lParam) : 0;
}

// In the dialog's own font.
BOOL MapDialogRect(HWND hDlg, LPRECT lpRect) {
    DialogState* state = DialogStates::instance().find(hDlg);
    if (!state || !lpRect) {
        SetLastError(state ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    *lpRect = dialogUnitsToPixels(*lpRect, state->m_baseUnits);
    return TRUE;
}

// Always from the system font.
LONG GetDialogBaseUnits() {
    SIZE base = baseUnitsOf(nullptr);
    return MAKELONG(base.cx, base.cy);
}
