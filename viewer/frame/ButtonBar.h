// Up to three push buttons in a row at the bottom of the frame for the top card's main
// commands. Keys move between them while the frame gives the bar the key focus; their
// commands and tap-and-hold notifications go on to the frame.
#pragma once

#include <windows.h>

#include "atl/CContainedWindow.h"
#include "atl/atlwin.h"
#include "frame/ButtonTouch.h"

namespace Nevo {
class App;
}

namespace Orvane {

class ButtonBar : public CWindowImpl<ButtonBar> {
public:
    static constexpr UINT c_maxButtons = 3;
    static constexpr int c_firstButtonId = 4000;
    // Posted to the frame to give the key focus back to the card: Down, and Up.
    static constexpr UINT c_leaveBelow = WM_APP + 4;
    static constexpr UINT c_leaveAbove = WM_APP + 5;

    // The texts come from the application's resources: the frame's, which need not be the
    // active application yet when the first card sets the bar up.
    explicit ButtonBar(Nevo::App* app = nullptr) : m_app(app) {}
    ButtonBar(const ButtonBar&) = delete;
    ButtonBar& operator=(const ButtonBar&) = delete;

    DECLARE_WND_CLASS_EX(u"OrvaneButtonBar", 0, COLOR_WINDOW)

    BEGIN_MSG_MAP(ButtonBar)
        MESSAGE_HANDLER(WM_COMMAND, forwardToParent)
        MESSAGE_HANDLER(WM_NOTIFY, forwardToParent)
        MESSAGE_HANDLER(WM_SIZE, onSize)
        MESSAGE_HANDLER(WM_CTLCOLORBTN, onButtonColors)
    ALT_MSG_MAP(1)
        // The buttons themselves: tap-and-hold, and a pressed look that lasts a moment.
        ATL_MSG_ENTRY(uMsg == WM_LBUTTONDOWN || uMsg == WM_LBUTTONUP, handleButtonTouch(hWnd, uMsg, lParam, bHandled))
    END_MSG_MAP()

    // Buttons past `count` are hidden; the current button moves to the first when it is
    // no longer in use.
    void setApp(Nevo::App* app) { m_app = app; }
    void setButtonCount(UINT count);
    // Button `index` shows string `id` and sends `id` as its command.
    void setButton(UINT index, UINT id);
    // -1 is the last button in use, an index past the last the first.
    void select(int index);
    void highlight();
    void unhighlight();
    // The bar's keys while it has the key focus; false for any other key.
    bool handleKey(UINT key);

    UINT getButtonCount() const { return m_count; }
    UINT getCurrent() const { return m_current; }
    bool isHighlighted() const { return m_highlighted; }
    HWND getButton(UINT index) const { return index < c_maxButtons ? m_buttons[index].m_hWnd : nullptr; }

private:
    LRESULT forwardToParent(UINT message, WPARAM wParam, LPARAM lParam, BOOL&);
    LRESULT onSize(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT onButtonColors(UINT, WPARAM dc, LPARAM button, BOOL& handled);

    void layout();
    void drawHighlight(UINT index, bool on);
    void leave(UINT message);

    Nevo::App* m_app;
    CContainedWindow m_buttons[c_maxButtons]{{this, 1}, {this, 1}, {this, 1}};
    UINT m_count = 0;
    UINT m_current = 0;
    bool m_highlighted = false;
    int m_margin = 0;
    int m_gap = 0;
};

}  // namespace Orvane
