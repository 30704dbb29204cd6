// Common controls: the toolbar's messages, styles, states and button description, which the
// shell's menu bar answers.
#pragma once

#include "windef.h"
#include "winuser.h"

// Toolbar messages (the UNICODE numbers).
#define TB_DELETEBUTTON (WM_USER + 22)
#define TB_GETBUTTON (WM_USER + 23)
#define TB_BUTTONCOUNT (WM_USER + 24)
#define TB_BUTTONSTRUCTSIZE (WM_USER + 30)
#define TB_AUTOSIZE (WM_USER + 33)
#define TB_INSERTBUTTONW (WM_USER + 67)
#define TB_ADDBUTTONSW (WM_USER + 68)
#define TB_ADDSTRINGW (WM_USER + 77)
#define TB_INSERTBUTTON TB_INSERTBUTTONW
#define TB_ADDBUTTONS TB_ADDBUTTONSW
#define TB_ADDSTRING TB_ADDSTRINGW

// Button styles.
#define TBSTYLE_BUTTON 0x00
#define TBSTYLE_SEP 0x01
#define TBSTYLE_CHECK 0x02
#define TBSTYLE_GROUP 0x04
#define TBSTYLE_DROPDOWN 0x08
#define TBSTYLE_AUTOSIZE 0x10
#define TBSTYLE_NO_DROPDOWN_ARROW 0x80

// Button states.
#define TBSTATE_CHECKED 0x01
#define TBSTATE_PRESSED 0x02
#define TBSTATE_ENABLED 0x04
#define TBSTATE_HIDDEN 0x08

// A text-only button.
#define I_IMAGENONE (-2)

#define TBN_FIRST (0U - 700U)
#define TBN_DROPDOWN (TBN_FIRST - 10)

// A button: dwData and iString are pointer-sized here, so the reserved bytes pad them.
struct TBBUTTON {
    int iBitmap;
    int idCommand;
    BYTE fsState;
    BYTE fsStyle;
    BYTE bReserved[6];
    DWORD_PTR dwData;
    INT_PTR iString;  // a TB_ADDSTRING index or the text itself
};
using LPTBBUTTON = TBBUTTON*;
using LPCTBBUTTON = const TBBUTTON*;
