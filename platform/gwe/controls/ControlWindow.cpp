// The helpers every system control uses: slots, font, parent colours and notifications.
#include "gwe/controls/ControlWindow.h"

namespace ce::gwe::controls {

LONG_PTR slot(HWND hwnd, Slot which) {
    return GetWindowLongPtrW(hwnd, static_cast<int>(which) * static_cast<int>(sizeof(LONG_PTR)));
}

void setSlot(HWND hwnd, Slot which, LONG_PTR value) {
    SetWindowLongPtrW(hwnd, static_cast<int>(which) * static_cast<int>(sizeof(LONG_PTR)), value);
}

HFONT controlFont(HWND hwnd) {
    auto font = reinterpret_cast<HFONT>(slot(hwnd, Slot::font));
    return font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

bool handleFontMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_GETFONT) {
        result = slot(hwnd, Slot::font);
        return true;
    }
    if (message != WM_SETFONT) return false;
    setSlot(hwnd, Slot::font, static_cast<LONG_PTR>(wParam));
    if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
    result = 0;
    return true;
}

HBRUSH parentBrush(HWND hwnd, HDC hdc, UINT message, int faceColour, int textColour) {
    SetTextColor(hdc, GetSysColor(textColour));
    SetBkColor(hdc, GetSysColor(faceColour));
    SetBkMode(hdc, TRANSPARENT);
    HWND parent = GetParent(hwnd);
    auto brush = parent ? reinterpret_cast<HBRUSH>(SendMessageW(parent, message, reinterpret_cast<WPARAM>(hdc),
                                                                reinterpret_cast<LPARAM>(hwnd)))
                        : nullptr;
    if (brush) return brush;
    // The parent may have changed the DC before answering that it leaves the choice to us.
    SetTextColor(hdc, GetSysColor(textColour));
    SetBkMode(hdc, TRANSPARENT);
    return GetSysColorBrush(faceColour);
}

void notifyParent(HWND hwnd, WORD code) {
    HWND parent = GetParent(hwnd);
    if (!parent) return;
    auto id = static_cast<WORD>(GetDlgCtrlID(hwnd));
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(hwnd));
}

bool clientContains(HWND hwnd, LPARAM lParam) {
    POINT point{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
    RECT client;
    GetClientRect(hwnd, &client);
    return PtInRect(&client, point);
}

}  // namespace ce::gwe::controls
