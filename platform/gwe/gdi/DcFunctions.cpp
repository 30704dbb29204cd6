// Creating and deleting memory DCs, SaveDC/RestoreDC, device capabilities, and the DC's
// colours, background mode and viewport origin.
#include <utility>

#include "gwe/Screen.h"
#include "gwe/gdi/DeviceContext.h"
#include "winbase.h"

using ce::gdi::DcState;
using ce::gdi::DeviceContext;

HDC CreateCompatibleDC(HDC hdc) {
    if (hdc && !DeviceContext::find(hdc)) return nullptr;
    return DeviceContext::createMemory();
}

BOOL DeleteDC(HDC hdc) {
    return DeviceContext::destroy(hdc);
}

int SaveDC(HDC hdc) {
    DeviceContext* dc = DeviceContext::find(hdc);
    return dc ? dc->saveState() : 0;
}

BOOL RestoreDC(HDC hdc, int nSavedDC) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return FALSE;
    if (dc->restoreSaved(nSavedDC)) return TRUE;
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}

// The handheld's display is 16 bits per pixel, and applications choosing images by depth
// should see that; pixels are kept at 32 bits here, so colours are not rounded to 5-6-5.
int GetDeviceCaps(HDC hdc, int nIndex) {
    if (!DeviceContext::find(hdc)) return 0;
    const ce::gwe::Screen& screen = ce::gwe::Screen::instance();
    switch (nIndex) {
    case HORZRES: return screen.width();
    case VERTRES: return screen.height();
    case LOGPIXELSX:
    case LOGPIXELSY: return screen.dpi();
    case BITSPIXEL: return 16;
    case PLANES: return 1;
    }
    return 0;
}

namespace {

// Sets one colour of the DC's state, returning the one it replaces.
COLORREF replaceColour(HDC hdc, COLORREF DcState::*member, COLORREF color) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return CLR_INVALID;
    return std::exchange(dc->state().*member, color);
}

COLORREF colourOf(HDC hdc, COLORREF DcState::*member) {
    DeviceContext* dc = DeviceContext::find(hdc);
    return dc ? dc->state().*member : CLR_INVALID;
}

}  // namespace

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    return replaceColour(hdc, &DcState::textColor, color);
}

COLORREF GetTextColor(HDC hdc) {
    return colourOf(hdc, &DcState::textColor);
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    return replaceColour(hdc, &DcState::bkColor, color);
}

COLORREF GetBkColor(HDC hdc) {
    return colourOf(hdc, &DcState::bkColor);
}

int SetBkMode(HDC hdc, int mode) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return 0;
    if (mode != TRANSPARENT && mode != OPAQUE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    int previous = dc->state().bkMode;
    dc->state().bkMode = mode;
    return previous;
}

int GetBkMode(HDC hdc) {
    DeviceContext* dc = DeviceContext::find(hdc);
    return dc ? dc->state().bkMode : 0;
}

BOOL SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return FALSE;
    if (lppt) *lppt = dc->state().viewportOrg;
    dc->state().viewportOrg = POINT{x, y};
    return TRUE;
}

BOOL GetViewportOrgEx(HDC hdc, LPPOINT lppt) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc || !lppt) return FALSE;
    *lppt = dc->state().viewportOrg;
    return TRUE;
}
