// Where a pop-up menu goes on the screen: aligned to the point as the TPM_ flags say, clear
// of an excluded rectangle, cascaded beside its parent's row, and always moved (not clipped)
// onto the screen.
#pragma once

#include "windows.h"

namespace ce::gwe::popup {

// The menu's screen rectangle for TrackPopupMenuEx's point and flags.
RECT place(SIZE size, POINT at, UINT flags, const RECT* exclude, const RECT& screen);
// A sub-menu beside its parent's row (screen rectangles), overlapping the parent's frame; on
// the left side when the right has no room.
RECT cascade(SIZE size, const RECT& row, const RECT& parent, int frame, const RECT& screen);
// Moved by the least distance that puts it on the screen (its top left when it is bigger).
RECT keepOnScreen(RECT rect, const RECT& screen);

}  // namespace ce::gwe::popup
