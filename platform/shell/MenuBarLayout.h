// Where a menu bar's buttons and its input panel box lie in its client area, measured in the
// bar's bold font at the screen's resolution.
#pragma once

#include <vector>

#include "shell/MenuBar.h"

namespace ce::shell {

class MenuBarLayout {
public:
    // Buttons go from the left, each as wide as its label plus padding; the input panel box
    // takes the right end unless the bar hides it.
    MenuBarLayout(HDC hdc, const MenuBar& bar, const RECT& client);

    // Empty for a hidden button.
    const RECT& buttonRect(size_t index) const { return m_buttons[index]; }
    // Empty when the bar has no input panel box.
    const RECT& sipRect() const { return m_sip; }
    // The button under a client point, or -1.
    int buttonAt(POINT point) const;
    int dpi() const { return m_dpi; }
    // A length given at 96 dpi, at the bar's resolution.
    int scale(int pixelsAt96) const { return pixelsAt96 * m_dpi / 96; }

    // Bold Tahoma 9 pt at the DC's resolution; the caller deletes it.
    static HFONT createFont(HDC hdc);
    // The labels are drawn with these DrawTextW flags, and measured with them.
    static constexpr UINT c_textFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER;

private:
    int labelWidth(HDC hdc, const std::u16string& text) const;

    int m_dpi;
    std::vector<RECT> m_buttons;
    RECT m_sip{};
};

}  // namespace ce::shell
