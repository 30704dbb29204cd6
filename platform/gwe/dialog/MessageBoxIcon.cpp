// Icons are drawn in a memory DC and copied: their marks are glyphs, and text drawn into a
// memory DC does not count as text on the screen, which scripts click by.
#include "gwe/dialog/MessageBoxIcon.h"

#include <algorithm>
#include <string_view>

namespace ce::gwe::dialog {

namespace {

constexpr COLORREF c_red = RGB(208, 16, 16);
constexpr COLORREF c_blue = RGB(16, 80, 200);
constexpr COLORREF c_yellow = RGB(255, 208, 0);
constexpr COLORREF c_outline = RGB(64, 64, 64);
constexpr COLORREF c_white = RGB(255, 255, 255);
constexpr COLORREF c_black = RGB(0, 0, 0);

// Fills and outlines a shape drawn by draw with the pen and brush selected.
template <class Draw>
void shape(HDC hdc, COLORREF fill, COLORREF outline, Draw draw) {
    HBRUSH brush = CreateSolidBrush(fill);
    HPEN pen = CreatePen(PS_SOLID, 1, outline);
    HGDIOBJ oldBrush = SelectObject(hdc, brush);
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    draw();
    SelectObject(hdc, oldPen);
    SelectObject(hdc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

void mark(HDC hdc, int size, LPCWSTR glyph, COLORREF colour, int top) {
    LOGFONTW logFont{};
    logFont.lfHeight = -(size * 3 / 4);
    logFont.lfWeight = FW_BOLD;
    std::u16string_view(u"Tahoma").copy(logFont.lfFaceName, LF_FACESIZE - 1);
    HFONT font = CreateFontIndirectW(&logFont);
    HGDIOBJ old = SelectObject(hdc, font);
    SetTextColor(hdc, colour);
    SetBkMode(hdc, TRANSPARENT);
    RECT area{0, top, size, size};
    DrawTextW(hdc, glyph, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(hdc, old);
    DeleteObject(font);
}

void cross(HDC hdc, int size) {
    HPEN pen = CreatePen(PS_SOLID, std::max(size / 8, 2), c_white);
    HGDIOBJ old = SelectObject(hdc, pen);
    int in = size * 3 / 10, out = size - in;
    MoveToEx(hdc, in, in, nullptr);
    LineTo(hdc, out, out);
    MoveToEx(hdc, out, in, nullptr);
    LineTo(hdc, in, out);
    SelectObject(hdc, old);
    DeleteObject(pen);
}

void drawInto(HDC hdc, int size, UINT icon) {
    RECT all{0, 0, size, size};
    FillRect(hdc, &all, GetSysColorBrush(COLOR_WINDOW));
    auto disc = [&] { Ellipse(hdc, 1, 1, size - 1, size - 1); };
    switch (icon) {
    case MB_ICONSTOP:
        shape(hdc, c_red, c_outline, disc);
        cross(hdc, size);
        break;
    case MB_ICONQUESTION:
        shape(hdc, c_blue, c_outline, disc);
        mark(hdc, size, u"?", c_white, 0);
        break;
    case MB_ICONEXCLAMATION: {
        POINT corners[3] = {{size / 2, 1}, {size - 2, size - 3}, {1, size - 3}};
        shape(hdc, c_yellow, c_outline, [&] { Polygon(hdc, corners, 3); });
        mark(hdc, size, u"!", c_black, size / 8);
        break;
    }
    case MB_ICONINFORMATION:
        shape(hdc, c_blue, c_outline, disc);
        mark(hdc, size, u"i", c_white, 0);
        break;
    }
}

}  // namespace

void drawMessageBoxIcon(HDC hdc, const RECT& square, UINT icon) {
    int size = square.right - square.left;
    if (size <= 0) return;
    HDC memory = CreateCompatibleDC(hdc);
    HBITMAP bitmap = CreateCompatibleBitmap(hdc, size, size);
    HGDIOBJ old = SelectObject(memory, bitmap);
    drawInto(memory, size, icon);
    BitBlt(hdc, square.left, square.top, size, size, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

}  // namespace ce::gwe::dialog
