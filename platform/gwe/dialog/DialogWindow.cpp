// The dialog class's window procedure, DefDlgProcW: the dialog procedure sees each message
// first; what it leaves goes to the default handling here (white background, black text,
// WM_CLOSE as IDCANCEL, the focus kept across activation, DM_GETDEFID and DM_SETDEFID).
#include "gwe/dialog/DialogWindow.h"

#include "gwe/dialog/DialogState.h"

namespace ce::gwe::dialog {

namespace {

constexpr const WCHAR* c_className = u"Dialog";

DialogState* stateOf(HWND dialog) { return DialogStates::instance().find(dialog); }

// These answers are the result itself, not a TRUE that points at DWLP_MSGRESULT.
bool answersDirectly(UINT message) {
    return message == WM_INITDIALOG || message == WM_CTLCOLORDLG || message == WM_CTLCOLORSTATIC ||
           message == WM_CTLCOLORBTN || message == WM_CTLCOLOREDIT;
}

LRESULT dialogColours(HDC hdc) {
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(hdc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

LRESULT eraseBackground(HWND dialog, HDC hdc) {
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(hdc),
                                                       reinterpret_cast<LPARAM>(dialog)));
    RECT area;
    GetClipBox(hdc, &area);
    FillRect(hdc, &area, brush ? brush : GetSysColorBrush(COLOR_WINDOW));
    return 1;
}

// Activation gives the focus back to the control that had it, or the one WM_INITDIALOG chose.
void activated(HWND dialog, WORD how) {
    DialogState* state = stateOf(dialog);
    if (!state) return;
    if (how == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(dialog, focus)) state->m_focus = focus;
        return;
    }
    HWND focus = state->m_focus;
    SetFocus(focus && IsChild(dialog, focus) && IsWindowEnabled(focus) ? focus : dialog);
}

void sendCancel(HWND dialog) {
    HWND cancel = GetDlgItem(dialog, IDCANCEL);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
}

LRESULT getDefaultId(HWND dialog) {
    int id = defaultButtonId(dialog);
    return id ? MAKELONG(id, DC_HASDEFID) : 0;
}

// The old default button becomes a plain push button, the new one a default button.
LRESULT setDefaultId(HWND dialog, WPARAM id) {
    if (int old = defaultButtonId(dialog))
        SendMessageW(GetDlgItem(dialog, old), BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    HWND button = GetDlgItem(dialog, static_cast<int>(id));
    if (isPushButton(button)) SendMessageW(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    return TRUE;
}

LRESULT defaultHandling(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return dialogColours(reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND: return eraseBackground(dialog, reinterpret_cast<HDC>(wParam));
    case WM_CLOSE: sendCancel(dialog); return 0;
    case WM_ACTIVATE: activated(dialog, LOWORD(wParam)); return 0;
    case WM_GETFONT: {
        DialogState* state = stateOf(dialog);
        return reinterpret_cast<LRESULT>(state ? state->m_font : nullptr);
    }
    case DM_GETDEFID: return getDefaultId(dialog);
    case DM_SETDEFID: return setDefaultId(dialog, wParam);
    case WM_NCDESTROY: DialogStates::instance().detach(dialog); return 0;
    }
    return DefWindowProcW(dialog, message, wParam, lParam);
}

bool registerClass() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefDlgProcW;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.lpszClassName = c_className;
    return RegisterClassW(&wc) != 0;
}

}  // namespace

LPCWSTR dialogClassName() {
    static const bool registered = registerClass();
    (void)registered;
    return c_className;
}

DLGPROC dialogProcOf(HWND dialog) {
    return reinterpret_cast<DLGPROC>(GetWindowLongPtrW(dialog, DWLP_DLGPROC));
}

void setDialogProc(HWND dialog, DLGPROC proc) {
    SetWindowLongPtrW(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
}

}  // namespace ce::gwe::dialog

using namespace ce::gwe::dialog;

LRESULT DefDlgProcW(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (DLGPROC proc = dialogProcOf(hDlg)) {
        INT_PTR answer = proc(hDlg, Msg, wParam, lParam);
        if (answersDirectly(Msg) && (answer || Msg == WM_INITDIALOG)) return answer;
        if (answer && !answersDirectly(Msg)) return IsWindow(hDlg) ? GetWindowLongPtrW(hDlg, DWLP_MSGRESULT) : 0;
        if (!IsWindow(hDlg)) return 0;
    }
    return defaultHandling(hDlg, Msg, wParam, lParam);
}
