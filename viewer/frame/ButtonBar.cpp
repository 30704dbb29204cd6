#include "frame/ButtonBar.h"

#include "app/Theme.h"
#include "resources/ActiveApp.h"

namespace Orvane {

void ButtonBar::setButtonCount(UINT count) {
    m_count = count < c_maxButtons ? count : c_maxButtons;
    if (m_current >= m_count) select(0);
    layout();
}

void ButtonBar::setButton(UINT index, UINT id) {
    if (index >= c_maxButtons || !m_buttons[index].m_hWnd) return;
    m_buttons[index].SetWindowText(stringOf(m_app, id));
    m_buttons[index].SetWindowLongPtr(GWLP_ID, static_cast<LONG_PTR>(id));
}

void ButtonBar::layout() {
    if (!m_hWnd || !m_count) return;
    RECT client;
    GetClientRect(&client);
    int width = (client.right - 2 * m_margin) / static_cast<int>(m_count);
    int height = client.bottom - 2 * m_margin;
    for (UINT i = 0; i < c_maxButtons; ++i) {
        CContainedWindow& button = m_buttons[i];
        if (i >= m_count) {
            // Made for an earlier card: hidden, so nobody presses a command that the card on
            // top did not ask for.
            if (button.m_hWnd) button.ShowWindow(SW_HIDE);
            continue;
        }
        int left = m_margin + static_cast<int>(i) * width + m_gap / 2;
        int buttonWidth = width - m_gap;
        if (!button.m_hWnd) {
            HWND made = CreateWindowExW(WS_EX_NOACTIVATE, u"BUTTON", u"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, left,
                                        m_margin, buttonWidth, height, m_hWnd,
                                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(c_firstButtonId + i)), nullptr,
                                        nullptr);
            button.SubclassWindow(made);
        } else {
            button.MoveWindow(left, m_margin, buttonWidth, height);
            button.ShowWindow(SW_SHOW);
        }
    }
    Invalidate(TRUE);
}

void ButtonBar::drawHighlight(UINT index, bool on) {
    if (index < c_maxButtons && m_buttons[index].m_hWnd) m_buttons[index].SendMessage(BM_SETSTATE, on ? TRUE : FALSE);
}

void ButtonBar::select(int index) {
    if (index == -1) index = static_cast<int>(m_count) - 1;
    if (index < 0 || static_cast<UINT>(index) >= m_count) index = 0;
    drawHighlight(m_current, false);
    m_current = static_cast<UINT>(index);
    // Drawn highlighted only while the bar has the key focus: otherwise a button would look
    // held down while the keys go to the card.
    if (m_highlighted) drawHighlight(m_current, true);
}

void ButtonBar::highlight() {
    m_highlighted = true;
    drawHighlight(m_current, true);
}

void ButtonBar::unhighlight() {
    m_highlighted = false;
    drawHighlight(m_current, false);
}

void ButtonBar::leave(UINT message) {
    ::PostMessageW(GetParent(), message, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

bool ButtonBar::handleKey(UINT key) {
    if (!m_hWnd) return false;
    switch (key) {
    case VK_RETURN:
        if (m_current < m_count) m_buttons[m_current].SendMessage(BM_CLICK);
        return true;
    case VK_LEFT:
        if (m_current == 0)
            leave(c_leaveAbove);
        else
            select(static_cast<int>(m_current) - 1);
        return true;
    case VK_RIGHT:
        if (m_current + 1 >= m_count)
            leave(c_leaveBelow);
        else
            select(static_cast<int>(m_current) + 1);
        return true;
    case VK_UP: leave(c_leaveAbove); return true;
    case VK_DOWN: leave(c_leaveBelow); return true;
    default: return false;
    }
}

LRESULT ButtonBar::forwardToParent(UINT message, WPARAM wParam, LPARAM lParam, BOOL&) {
    return ::SendMessageW(GetParent(), message, wParam, lParam);
}

LRESULT ButtonBar::onSize(UINT, WPARAM, LPARAM, BOOL&) {
    if (m_count) layout();
    return 0;
}

LRESULT ButtonBar::onButtonColors(UINT, WPARAM dc, LPARAM button, BOOL& handled) {
    Nevo::Theme* theme = activeTheme();
    if (!theme) {
        handled = FALSE;
        return 0;
    }
    bool active = m_highlighted && m_current < m_count &&
                  reinterpret_cast<HWND>(button) == m_buttons[m_current].m_hWnd;
    Nevo::ColorType text = active ? Nevo::ColorActiveLabelText : Nevo::ColorLabelText;
    Nevo::ColorType back = active ? Nevo::ColorActiveLabelBack : Nevo::ColorLabelBack;
    SetTextColor(reinterpret_cast<HDC>(dc), theme->getColor(text));
    SetBkColor(reinterpret_cast<HDC>(dc), theme->getColor(back));
    return reinterpret_cast<LRESULT>(theme->getBrush(back));
}

}  // namespace Orvane
