// Push buttons as the Pocket PC draws them: flat, a one-pixel black frame (two for the
// default button), the caption centred; owner-drawn buttons are left to the parent.
#include "gwe/controls/ButtonPainter.h"

#include <string>

#include "gwe/Screen.h"
#include "gwe/controls/ControlWindow.h"

namespace ce::gwe::controls {

namespace {

bool pushed(HWND hwnd) { return SendMessageW(hwnd, BM_GETSTATE, 0, 0) & BST_PUSHED; }

std::u16string caption(HWND hwnd) {
    std::u16string text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, u'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The frame is drawn as filled bands so that it stays solid at any resolution.
void drawFrame(HDC hdc, RECT& rect, int width) {
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    for (int i = 0; i < width; ++i) {
        FrameRect(hdc, &rect, black);
        InflateRect(&rect, -1, -1);
    }
}

void sendDrawItem(HWND hwnd, HDC hdc, UINT action) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    item.itemAction = action;
    item.itemState = (pushed(hwnd) ? ODS_SELECTED : 0) | (GetFocus() == hwnd ? ODS_FOCUS : 0) |
                     (IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED);
    item.hwndItem = hwnd;
    item.hDC = hdc;
    GetClientRect(hwnd, &item.rcItem);
    if (HWND parent = GetParent(hwnd))
        SendMessageW(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

void drawPushButton(HWND hwnd, HDC hdc) {
    RECT rect;
    GetClientRect(hwnd, &rect);
    HBRUSH face = parentBrush(hwnd, hdc, WM_CTLCOLORBTN, COLOR_BTNFACE, COLOR_BTNTEXT);
    bool isDefault = (GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    drawFrame(hdc, rect, Screen::instance().scale(isDefault ? 2 : 1));
    bool down = pushed(hwnd);
    // Held down, the handheld inverts the button: black face, white caption.
    FillRect(hdc, &rect, down ? static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)) : face);
    if (down) SetTextColor(hdc, RGB(255, 255, 255));
    if (!IsWindowEnabled(hwnd)) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    HGDIOBJ oldFont = SelectObject(hdc, controlFont(hwnd));
    std::u16string text = caption(hwnd);
    DrawTextW(hdc, text.c_str(), static_cast<int>(text.size()), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(hdc, oldFont);
    if (GetFocus() == hwnd && !down) {
        InflateRect(&rect, -Screen::instance().scale(1), -Screen::instance().scale(1));
        DrawFocusRect(hdc, &rect);
    }
}

}  // namespace

void drawButton(HWND hwnd, HDC hdc, UINT action) {
    if ((GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW)
        sendDrawItem(hwnd, hdc, action);
    else
        drawPushButton(hwnd, hdc);
}

}  // namespace ce::gwe::controls
