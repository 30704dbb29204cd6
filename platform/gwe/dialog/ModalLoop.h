// The modal loop of DialogBoxParamW and MessageBoxW: the owner is disabled while the dialog
// runs, and enabled and active again when it ends.
#pragma once

#include "windows.h"

namespace ce::gwe::dialog {

// Shows the dialog and runs messages until EndDialog or the dialog's destruction; then
// destroys it and returns the EndDialog value. A WM_QUIT ends the loop too (the dialog's
// result is what it was then) and is posted again for the loop outside.
INT_PTR runModal(HWND dialog, HWND owner);

// What EndDialog does for a modal dialog at once: the owner is enabled again and the
// dialog hidden, so that the owner is active before the loop even returns.
void releaseOwner(HWND dialog);

}  // namespace ce::gwe::dialog
