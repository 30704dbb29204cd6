// The menu bar's pixels. Labels go through DrawTextW so the screen text knows them.
#include "shell/MenuBarPainter.h"

#include "aygshell.h"

namespace ce::shell {

namespace {

void fill(HDC hdc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(hdc, &rect, brush);
    DeleteObject(brush);
}

COLORREF backgroundOf(const MenuBar& bar) {
    return (bar.flags() & SHCMBF_COLORBK) ? bar.background() : GetSysColor(COLOR_BTNFACE);
}

void paintButton(HDC hdc, const MenuBar& bar, size_t index, const RECT& rect) {
    const MenuBarButton& button = bar.button(index);
    if (IsRectEmpty(&rect) || button.isSeparator()) return;
    bool highlighted = bar.highlighted() == static_cast<int>(index);
    if (highlighted) fill(hdc, rect, GetSysColor(COLOR_HIGHLIGHT));
    if (button.text.empty()) return;
    SetTextColor(hdc, GetSysColor(highlighted           ? COLOR_HIGHLIGHTTEXT
                                  : button.isEnabled() ? COLOR_BTNTEXT
                                                       : COLOR_GRAYTEXT));
    RECT text = rect;
    DrawTextW(hdc, button.text.c_str(), static_cast<int>(button.text.size()), &text, MenuBarLayout::c_textFormat);
}

// A keyboard seen from above, 16 x 11 at 96 dpi: a frame, three rows of keys, a space bar.
void paintKeyboard(HDC hdc, const MenuBarLayout& layout, const RECT& box) {
    int unit = layout.scale(1);
    int width = 16 * unit, height = 11 * unit;
    int left = box.left + (box.right - box.left - width) / 2;
    int top = box.top + (box.bottom - box.top - height) / 2;
    COLORREF ink = GetSysColor(COLOR_BTNTEXT);
    fill(hdc, RECT{left, top, left + width, top + height}, ink);
    fill(hdc, RECT{left + unit, top + unit, left + width - unit, top + height - unit}, GetSysColor(COLOR_WINDOW));
    for (int row = 0; row < 3; ++row)
        for (int key = 0; key < 6; ++key) {
            int x = left + (2 + 2 * key) * unit, y = top + (2 + 2 * row) * unit;
            fill(hdc, RECT{x, y, x + unit, y + unit}, ink);
        }
    fill(hdc, RECT{left + 4 * unit, top + 8 * unit, left + 12 * unit, top + 9 * unit}, ink);
}

}  // namespace

void paintMenuBar(HDC hdc, const MenuBar& bar, const MenuBarLayout& layout, const RECT& client) {
    fill(hdc, client, backgroundOf(bar));
    fill(hdc, RECT{client.left, client.top, client.right, client.top + layout.scale(1)}, GetSysColor(COLOR_3DDKSHADOW));
    HFONT font = MenuBarLayout::createFont(hdc);
    HGDIOBJ old = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    for (size_t i = 0; i < bar.buttonCount(); ++i) paintButton(hdc, bar, i, layout.buttonRect(i));
    SelectObject(hdc, old);
    DeleteObject(font);
    if (!IsRectEmpty(&layout.sipRect())) paintKeyboard(hdc, layout, layout.sipRect());
}

}  // namespace ce::shell
