// What the frame's buttons do with the stylus before the button itself sees it: a held
// stylus is offered to the shell as a tap-and-hold, and a release waits a moment so the
// pressed look can be seen.
#pragma once

#include <windows.h>

namespace Orvane {

// For WM_LBUTTONDOWN and WM_LBUTTONUP of `button`. A tap-and-hold the shell recognised has
// been told to the button's parent and uses the pen-down up (no click follows); otherwise
// `handled` is cleared so the button's own handling runs.
LRESULT handleButtonTouch(HWND button, UINT message, LPARAM penPosition, BOOL& handled);

}  // namespace Orvane
