// GetSystemMetrics and SystemParametersInfoW: the screen's sizes, at its resolution.
#include "gwe/Screen.h"
#include "winbase.h"
#include "winuser.h"

using ce::gwe::Screen;

int GetSystemMetrics(int nIndex) {
    const Screen& screen = Screen::instance();
    switch (nIndex) {
    case SM_CXSCREEN: return screen.width();
    case SM_CYSCREEN: return screen.height();
    case SM_CXVSCROLL:
    case SM_CYHSCROLL: return screen.scale(13);
    case SM_CYCAPTION:
    case SM_CYMENU: return screen.navigationBarHeight();
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXICON:
    case SM_CYICON: return screen.scale(32);
    case SM_CXSMICON:
    case SM_CYSMICON: return screen.scale(16);
    }
    return 0;
}

// SPI_GETWORKAREA: the screen below the navigation bar.
BOOL SystemParametersInfoW(UINT uiAction, UINT, PVOID pvParam, UINT) {
    if (uiAction != SPI_GETWORKAREA || !pvParam) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *static_cast<RECT*>(pvParam) = Screen::instance().workArea();
    return TRUE;
}
