// BUTTON and STATIC are registered as global classes when the platform loads, so that any
// module creates them by name without registering anything.
#include "gwe/controls/Button.h"
#include "gwe/controls/ControlWindow.h"
#include "gwe/controls/Static.h"

namespace ce::gwe::controls {

namespace {

bool registerControl(LPCWSTR name, WNDPROC procedure) {
    WNDCLASSW wc{};
    wc.style = CS_GLOBALCLASS;
    wc.lpfnWndProc = procedure;
    wc.cbWndExtra = c_slotCount * static_cast<int>(sizeof(LONG_PTR));
    wc.lpszClassName = name;
    return RegisterClassW(&wc) != 0;
}

const bool c_registered = registerControl(u"BUTTON", buttonProc) && registerControl(u"STATIC", staticProc);

}  // namespace

}  // namespace ce::gwe::controls
