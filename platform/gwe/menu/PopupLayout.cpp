// Measuring pop-up menu rows: the text's height plus padding (about 19 pixels a row at 96
// dpi), a short row for separators, and the widest label and shortcut side by side.
#include "gwe/menu/PopupLayout.h"

#include <algorithm>

namespace ce::gwe {

namespace {

constexpr int c_rowPadding = 3;       // above and below the text, at 96 dpi
constexpr int c_separatorHeight = 7;
constexpr int c_checkColumn = 18;     // from the frame to the text
constexpr int c_arrowColumn = 16;     // room for a pop-up's arrow at the right
constexpr int c_rightPadding = 8;
constexpr int c_shortcutGap = 16;
constexpr int c_minimumWidth = 60;
constexpr int c_fontPoints = 8;

int textWidth(HDC hdc, const std::u16string& text, UINT format) {
    if (text.empty()) return 0;
    RECT rect{0, 0, 0, 0};
    DrawTextW(hdc, text.c_str(), static_cast<int>(text.size()), &rect, format | DT_CALCRECT | DT_SINGLELINE);
    return rect.right - rect.left;
}

// The character after the first single '&' ("&&" is a plain ampersand), upper-cased, or 0.
char16_t prefixOf(const std::u16string& label) {
    for (size_t i = 0; i + 1 < label.size(); ++i) {
        if (label[i] != u'&') continue;
        char16_t marked = label[i + 1];
        if (marked != u'&') return marked >= u'a' && marked <= u'z' ? static_cast<char16_t>(marked - u'a' + u'A') : marked;
        ++i;
    }
    return 0;
}

PopupItem itemOf(const MenuEntry& entry) {
    PopupItem item{entry.text, u"", entry.id, entry.flags, entry.popup, RECT{}};
    size_t tab = item.label.find(u'\t');
    if (tab != std::u16string::npos) {
        item.shortcut = item.label.substr(tab + 1);
        item.label.resize(tab);
    }
    return item;
}

}  // namespace

PopupLayout::PopupLayout(const Menu& menu, HFONT font, int dpi) :
    m_dpi(dpi), m_frame(std::max(1, dpi / 96)), m_textLeft(m_frame + scale(c_checkColumn)) {
    for (const MenuEntry& entry : menu.entries) m_items.push_back(itemOf(entry));
    HDC hdc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(hdc, font);
    measure(hdc);
    SelectObject(hdc, old);
    DeleteDC(hdc);
}

HFONT PopupLayout::createFont(int dpi) {
    LOGFONTW font{};
    font.lfHeight = -((c_fontPoints * dpi + 36) / 72);  // rounded as MulDiv does
    font.lfWeight = FW_NORMAL;
    std::u16string(u"Tahoma").copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

void PopupLayout::measure(HDC hdc) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(hdc, &metrics);
    int rowHeight = metrics.tmHeight + 2 * scale(c_rowPadding);
    int labels = 0;
    int shortcuts = 0;
    bool anyPopup = false;
    for (const PopupItem& item : m_items) {
        labels = std::max(labels, textWidth(hdc, item.label, 0));
        shortcuts = std::max(shortcuts, textWidth(hdc, item.shortcut, DT_NOPREFIX));
        anyPopup = anyPopup || item.popup;
    }
    m_rightColumn = scale(anyPopup ? c_arrowColumn : c_rightPadding);
    int inner = m_textLeft - m_frame + labels + (shortcuts ? scale(c_shortcutGap) + shortcuts : 0) + m_rightColumn;
    m_size.cx = std::max(inner, scale(c_minimumWidth)) + 2 * m_frame;
    int y = m_frame;
    for (PopupItem& item : m_items) {
        int height = item.isSeparator() ? scale(c_separatorHeight) : rowHeight;
        item.rect = RECT{m_frame, y, m_size.cx - m_frame, y + height};
        y += height;
    }
    m_size.cy = y + m_frame;
}

int PopupLayout::itemAt(POINT client) const {
    for (size_t i = 0; i < m_items.size(); ++i)
        if (PtInRect(&m_items[i].rect, client)) return static_cast<int>(i);
    return -1;
}

int PopupLayout::step(int from, int direction) const {
    int count = static_cast<int>(m_items.size());
    if (count == 0) return -1;
    int index = from < 0 ? (direction > 0 ? -1 : count) : from;
    for (int tried = 0; tried < count; ++tried) {
        index = (index + direction + count) % count;
        if (m_items[static_cast<size_t>(index)].isSelectable()) return index;
    }
    return -1;
}

int PopupLayout::mnemonic(UINT virtualKey) const {
    bool letterOrDigit = (virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9');
    for (size_t i = 0; letterOrDigit && i < m_items.size(); ++i)
        if (m_items[i].isSelectable() && prefixOf(m_items[i].label) == virtualKey) return static_cast<int>(i);
    return -1;
}

}  // namespace ce::gwe
