// The menu bar's layout: the top line, then buttons from the left edge, the input panel box
// at the right.
#include "shell/MenuBarLayout.h"

#include <algorithm>

#include "aygshell.h"

namespace ce::shell {

namespace {

constexpr int c_padding = 6;     // each side of a label, at 96 dpi
constexpr int c_separator = 6;   // a TBSTYLE_SEP button's width
constexpr int c_sipWidth = 24;   // the input panel box
constexpr int c_fontPoints = 9;

}  // namespace

MenuBarLayout::MenuBarLayout(HDC hdc, const MenuBar& bar, const RECT& client) :
    m_dpi(std::max(GetDeviceCaps(hdc, LOGPIXELSY), 1)) {
    int top = client.top + scale(1);  // below the line
    int right = client.right;
    if (!(bar.flags() & SHCMBF_HIDESIPBUTTON)) {
        m_sip = RECT{right - scale(c_sipWidth), top, right, client.bottom};
        right = m_sip.left;
    }
    HFONT font = createFont(hdc);
    HGDIOBJ old = SelectObject(hdc, font);
    int x = client.left;
    for (size_t i = 0; i < bar.buttonCount(); ++i) {
        const MenuBarButton& button = bar.button(i);
        if (button.isHidden()) {
            m_buttons.push_back(RECT{});
            continue;
        }
        int width = button.isSeparator() ? scale(c_separator) : labelWidth(hdc, button.text) + 2 * scale(c_padding);
        int end = std::min(x + width, right);
        m_buttons.push_back(end > x ? RECT{x, top, end, client.bottom} : RECT{});
        x = std::max(x, end);
    }
    SelectObject(hdc, old);
    DeleteObject(font);
}

int MenuBarLayout::buttonAt(POINT point) const {
    for (size_t i = 0; i < m_buttons.size(); ++i)
        if (PtInRect(&m_buttons[i], point)) return static_cast<int>(i);
    return -1;
}

HFONT MenuBarLayout::createFont(HDC hdc) {
    LOGFONTW font{};
    int dpi = std::max(GetDeviceCaps(hdc, LOGPIXELSY), 1);
    font.lfHeight = -((c_fontPoints * dpi + 36) / 72);
    font.lfWeight = FW_BOLD;
    std::u16string(u"Tahoma").copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

int MenuBarLayout::labelWidth(HDC hdc, const std::u16string& text) const {
    if (text.empty()) return 0;
    RECT rect{0, 0, 0, 0};
    DrawTextW(hdc, text.c_str(), static_cast<int>(text.size()), &rect, c_textFormat | DT_CALCRECT);
    return rect.right - rect.left;
}

}  // namespace ce::shell
