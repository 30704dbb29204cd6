// Window text: the API goes through WM_SETTEXT, WM_GETTEXT and WM_GETTEXTLENGTH, so that a
// window procedure can keep its text its own way, as on Win32.
#include "gwe/Window.h"

using ce::gwe::WindowTree;

BOOL SetWindowTextW(HWND hWnd, LPCWSTR lpString) {
    if (!WindowTree::instance().findOrFail(hWnd)) return FALSE;
    return SendMessageW(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)) != 0;
}

int GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount) {
    if (!WindowTree::instance().findOrFail(hWnd) || !lpString || nMaxCount <= 0) return 0;
    lpString[0] = 0;
    auto copied = SendMessageW(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount),
                               reinterpret_cast<LPARAM>(lpString));
    return static_cast<int>(copied);
}

int GetWindowTextLengthW(HWND hWnd) {
    if (!WindowTree::instance().findOrFail(hWnd)) return 0;
    return static_cast<int>(SendMessageW(hWnd, WM_GETTEXTLENGTH, 0, 0));
}
