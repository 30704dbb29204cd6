// The frame's controls are laid out in the handheld's 96 dpi pixels; a 192 dpi screen gets
// them at twice the size, as it gets its fonts.
#pragma once

#include <windows.h>

namespace Orvane {

inline int scaleToScreen(HWND window, int pixels) {
    HDC dc = GetDC(window);
    int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(window, dc);
    return dpi > 0 ? pixels * dpi / 96 : pixels;
}

}  // namespace Orvane
