// The frame's controls are laid out in the handheld's 96 dpi pixels; a 192 dpi screen gets
// them at twice the size, as it gets its fonts.
#pragma once

#include <windows.h>

#include "app/Theme.h"

namespace Orvane {

inline int scaleToScreen(HWND window, int pixels) {
    int dpi = Nevo::Theme::windowDpi(window);
    return dpi > 0 ? pixels * dpi / 96 : pixels;
}

}  // namespace Orvane
