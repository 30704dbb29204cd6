// The window class every dialog is made of, and the questions the dialog code asks about a
// dialog's controls: the tab order, the default push button.
#pragma once

#include "windows.h"

namespace ce::gwe::dialog {

// Registers the class on first use.
LPCWSTR dialogClassName();

DLGPROC dialogProcOf(HWND dialog);
void setDialogProc(HWND dialog, DLGPROC proc);

// The first or the next control (after from, or before it backwards) that has WS_VISIBLE
// and WS_TABSTOP and is enabled, wrapping round; null when there is none.
HWND firstTabStop(HWND dialog);
HWND nextTabStop(HWND dialog, HWND from, bool backwards);
// A push button (BS_PUSHBUTTON or BS_DEFPUSHBUTTON) of the system's BUTTON class.
bool isPushButton(HWND hwnd);
// The id of the BS_DEFPUSHBUTTON control, or 0.
int defaultButtonId(HWND dialog);

}  // namespace ce::gwe::dialog
