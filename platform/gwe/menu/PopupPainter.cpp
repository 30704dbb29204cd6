// Painting pop-up menus. The check mark and the arrow are small cell patterns scaled by the
// dpi, so they stay crisp at both screen resolutions.
#include "gwe/menu/PopupPainter.h"

namespace ce::gwe {

namespace {

constexpr const char* c_check[] = {"......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#...."};
constexpr const char* c_arrow[] = {"#...", "##..", "###.", "####", "###.", "##..", "#..."};
constexpr int c_patternRows = 7;
constexpr int c_checkLeft = 5;   // from the frame, at 96 dpi
constexpr int c_arrowRight = 7;  // from the frame to the arrow's right edge
constexpr int c_separatorInset = 2;
constexpr int c_shortcutRight = 4;

void fill(HDC hdc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(hdc, &rect, brush);
    DeleteObject(brush);
}

}  // namespace

void PopupPainter::paint(int highlight) {
    RECT all{0, 0, m_layout.size().cx, m_layout.size().cy};
    fill(m_hdc, all, GetSysColor(COLOR_MENU));
    paintFrame();
    SetBkMode(m_hdc, TRANSPARENT);
    const std::vector<PopupItem>& items = m_layout.items();
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].isSeparator()) paintSeparator(items[i]);
        else paintItem(items[i], static_cast<int>(i) == highlight);
    }
}

void PopupPainter::paintFrame() {
    SIZE size = m_layout.size();
    int f = m_layout.frame();
    COLORREF black = GetSysColor(COLOR_WINDOWFRAME);
    fill(m_hdc, RECT{0, 0, size.cx, f}, black);
    fill(m_hdc, RECT{0, size.cy - f, size.cx, size.cy}, black);
    fill(m_hdc, RECT{0, 0, f, size.cy}, black);
    fill(m_hdc, RECT{size.cx - f, 0, size.cx, size.cy}, black);
}

void PopupPainter::paintSeparator(const PopupItem& item) {
    int f = m_layout.frame();
    int inset = m_layout.scale(c_separatorInset);
    int middle = (item.rect.top + item.rect.bottom - f) / 2;
    fill(m_hdc, RECT{item.rect.left + inset, middle, item.rect.right - inset, middle + f}, GetSysColor(COLOR_GRAYTEXT));
}

void PopupPainter::paintItem(const PopupItem& item, bool highlighted) {
    if (highlighted) fill(m_hdc, item.rect, GetSysColor(COLOR_HIGHLIGHT));
    COLORREF colour = GetSysColor(highlighted       ? COLOR_HIGHLIGHTTEXT
                                  : item.isGrayed() ? COLOR_GRAYTEXT
                                                    : COLOR_MENUTEXT);
    int unit = m_layout.frame();
    int patternTop = (item.rect.top + item.rect.bottom - c_patternRows * unit) / 2;
    if (item.flags & MF_CHECKED)
        paintPattern(c_check, c_patternRows, item.rect.left + m_layout.scale(c_checkLeft), patternTop, colour);
    if (item.popup)
        paintPattern(c_arrow, c_patternRows, item.rect.right - m_layout.scale(c_arrowRight) - 4 * unit, patternTop,
                     colour);
    SetTextColor(m_hdc, colour);
    RECT text{m_layout.textLeft(), item.rect.top, m_layout.textRight(), item.rect.bottom};
    DrawTextW(m_hdc, item.label.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (!item.shortcut.empty()) {
        text.right -= m_layout.scale(c_shortcutRight);
        DrawTextW(m_hdc, item.shortcut.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    }
}

void PopupPainter::paintPattern(const char* const* rows, int count, int x, int y, COLORREF colour) {
    int unit = m_layout.frame();
    HBRUSH brush = CreateSolidBrush(colour);
    for (int row = 0; row < count; ++row)
        for (int column = 0; rows[row][column]; ++column) {
            if (rows[row][column] != '#') continue;
            RECT cell{x + column * unit, y + row * unit, x + (column + 1) * unit, y + (row + 1) * unit};
            FillRect(m_hdc, &cell, brush);
        }
    DeleteObject(brush);
}

}  // namespace ce::gwe
