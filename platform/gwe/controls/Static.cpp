// STATIC's window procedure: text in the parent's colours, aligned by SS_LEFT, SS_CENTER or
// SS_RIGHT and wrapped at words; SS_BITMAP shows a bitmap at the top-left corner, named by
// the window text (a resource of the creating module, "#12" for a number) or given by
// STM_SETIMAGE, which the control does not own.
#include "gwe/controls/Static.h"

#include <cstdlib>
#include <string>

#include "gwe/controls/ControlWindow.h"

namespace ce::gwe::controls {

namespace {

DWORD staticType(HWND hwnd) { return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)) & SS_TYPEMASK; }

std::u16string windowText(HWND hwnd) {
    std::u16string text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, u'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

HBITMAP image(HWND hwnd) { return reinterpret_cast<HBITMAP>(slot(hwnd, Slot::state)); }

// Only an image the control loaded from its text is the control's to delete.
HBITMAP releaseImage(HWND hwnd) {
    HBITMAP previous = image(hwnd);
    if (slot(hwnd, Slot::owned)) {
        DeleteObject(previous);
        previous = nullptr;
    }
    setSlot(hwnd, Slot::state, 0);
    setSlot(hwnd, Slot::owned, 0);
    return previous;
}

// Returns the image it replaces, unless the control owned that one.
HBITMAP setImage(HWND hwnd, HBITMAP bitmap) {
    HBITMAP previous = releaseImage(hwnd);
    setSlot(hwnd, Slot::state, reinterpret_cast<LONG_PTR>(bitmap));
    InvalidateRect(hwnd, nullptr, TRUE);
    return previous;
}

void loadNamedImage(HWND hwnd, HINSTANCE module) {
    std::u16string name = windowText(hwnd);
    if (name.empty()) return;
    std::string digits(name.begin() + (name[0] == u'#' ? 1 : 0), name.end());
    LPCWSTR resource = name[0] == u'#' ? MAKEINTRESOURCEW(std::atoi(digits.c_str())) : name.c_str();
    if (HBITMAP bitmap = LoadBitmapW(module, resource)) {
        setImage(hwnd, bitmap);
        setSlot(hwnd, Slot::owned, 1);
    }
}

void drawImage(HWND hwnd, HDC hdc) {
    HBITMAP bitmap = image(hwnd);
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return;
    HDC source = CreateCompatibleDC(hdc);
    HGDIOBJ old = SelectObject(source, bitmap);
    BitBlt(hdc, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

UINT textFormat(DWORD type) {
    UINT align = type == SS_CENTER ? DT_CENTER : type == SS_RIGHT ? DT_RIGHT : DT_LEFT;
    return align | DT_WORDBREAK | DT_EXPANDTABS;
}

void drawText(HWND hwnd, HDC hdc, const RECT& client) {
    if (!IsWindowEnabled(hwnd)) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    HGDIOBJ oldFont = SelectObject(hdc, controlFont(hwnd));
    std::u16string text = windowText(hwnd);
    RECT area = client;
    DrawTextW(hdc, text.c_str(), static_cast<int>(text.size()), &area, textFormat(staticType(hwnd)));
    SelectObject(hdc, oldFont);
}

void paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(hdc, &client, parentBrush(hwnd, hdc, WM_CTLCOLORSTATIC, COLOR_STATIC, COLOR_STATICTEXT));
    if (staticType(hwnd) == SS_BITMAP)
        drawImage(hwnd, hdc);
    else
        drawText(hwnd, hdc, client);
    EndPaint(hwnd, &ps);
}

LRESULT imageMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (wParam != IMAGE_BITMAP) return 0;
    if (message == STM_GETIMAGE) return reinterpret_cast<LRESULT>(image(hwnd));
    return reinterpret_cast<LRESULT>(setImage(hwnd, reinterpret_cast<HBITMAP>(lParam)));
}

LRESULT setText(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    LRESULT result = DefWindowProcW(hwnd, WM_SETTEXT, wParam, lParam);
    if (staticType(hwnd) == SS_BITMAP)
        loadNamedImage(hwnd, reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd, GWLP_HINSTANCE)));
    InvalidateRect(hwnd, nullptr, TRUE);
    return result;
}

}  // namespace

LRESULT staticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handleFontMessage(hwnd, message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_CREATE:
        if (staticType(hwnd) == SS_BITMAP)
            loadNamedImage(hwnd, reinterpret_cast<const CREATESTRUCTW*>(lParam)->hInstance);
        return 0;
    case WM_NCDESTROY: releaseImage(hwnd); return 0;
    case WM_PAINT: paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;  // the paint fills the background in the parent's colour
    case WM_SETTEXT: return setText(hwnd, wParam, lParam);
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case STM_GETIMAGE:
    case STM_SETIMAGE: return imageMessage(hwnd, message, wParam, lParam);
    case WM_LBUTTONDOWN:
        if (GetWindowLongW(hwnd, GWL_STYLE) & SS_NOTIFY) notifyParent(hwnd, STN_CLICKED);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace ce::gwe::controls
