#include "frame/ButtonTouch.h"

#include <aygshell.h>

namespace Orvane {

namespace {

constexpr DWORD c_releaseDelayMs = 50;

}  // namespace

bool recogniseHold(HWND button, LPARAM penPosition) {
    SHRGINFO gesture{sizeof(SHRGINFO), button,
                     {static_cast<short>(LOWORD(penPosition)), static_cast<short>(HIWORD(penPosition))},
                     SHRG_NOTIFYPARENT};
    return SHRecognizeGesture(&gesture) == GN_CONTEXTMENU;
}

void pauseAfterRelease() {
    Sleep(c_releaseDelayMs);
}

}  // namespace Orvane
