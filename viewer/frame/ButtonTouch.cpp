#include "frame/ButtonTouch.h"

#include <aygshell.h>

namespace Orvane {

namespace {

constexpr DWORD c_releaseDelayMs = 50;

bool recogniseHold(HWND button, LPARAM penPosition) {
    SHRGINFO gesture{sizeof(SHRGINFO), button,
                     {static_cast<short>(LOWORD(penPosition)), static_cast<short>(HIWORD(penPosition))},
                     SHRG_NOTIFYPARENT};
    return SHRecognizeGesture(&gesture) == GN_CONTEXTMENU;
}

}  // namespace

LRESULT handleButtonTouch(HWND button, UINT message, LPARAM penPosition, BOOL& handled) {
    if (message == WM_LBUTTONDOWN && recogniseHold(button, penPosition)) return 0;
    if (message == WM_LBUTTONUP) Sleep(c_releaseDelayMs);
    handled = FALSE;
    return 0;
}

}  // namespace Orvane
