// What the frame's buttons do with the stylus before the button itself sees it: a held
// stylus is offered to the shell as a tap-and-hold, and a release waits a moment so the
// pressed look can be seen.
#pragma once

#include <windows.h>

namespace Orvane {

// True when the shell recognised a tap-and-hold at the pen-down's position and told the
// button's parent: the pen-down is then used up and no click follows.
bool recogniseHold(HWND button, LPARAM penPosition);
void pauseAfterRelease();

}  // namespace Orvane
