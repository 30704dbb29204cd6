// A menu bar's buttons and strings, as the toolbar messages change them: what the bar's
// window draws, hit-tests and acts on.
#pragma once

#include <string>
#include <vector>

#include "commctrl.h"

namespace ce::shell {

struct MenuBarButton {
    TBBUTTON info{};      // as given, for TB_GETBUTTON
    std::u16string text;  // the label, resolved when the button was inserted

    bool isEnabled() const { return info.fsState & TBSTATE_ENABLED; }
    bool isHidden() const { return info.fsState & TBSTATE_HIDDEN; }
    bool isSeparator() const { return info.fsStyle & TBSTYLE_SEP; }
    HMENU dropDownMenu() const {
        return (info.fsStyle & TBSTYLE_DROPDOWN) ? reinterpret_cast<HMENU>(info.dwData) : nullptr;
    }
};

class MenuBar {
public:
    MenuBar(HWND owner, DWORD flags, COLORREF background);
    ~MenuBar();
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    HWND owner() const { return m_owner; }
    DWORD flags() const { return m_flags; }
    COLORREF background() const { return m_background; }
    // The menu the bar was built from; the bar destroys it.
    HMENU menu() const { return m_menu; }
    void adoptMenu(HMENU menu) { m_menu = menu; }
    // Each top-level item of the menu as a button: pop-ups drop down, commands send WM_COMMAND.
    bool addButtonsFrom(HMENU menu);

    // A string resource of module, or (module null) a list of strings each ended by a null
    // and the list by a second one: the first new index, or -1.
    int addStrings(HINSTANCE module, LPARAM source);
    // Past the end appends.
    void insertButton(size_t position, const TBBUTTON& button);
    bool deleteButton(size_t index);
    size_t buttonCount() const { return m_buttons.size(); }
    const MenuBarButton& button(size_t index) const { return m_buttons[index]; }
    // The index of the button with that command, or -1.
    int indexOf(int command) const;
    // Swaps a button's drop-down menu: the old one, or null when there is no such button.
    HMENU setDropDownMenu(int command, HMENU menu);

    // The button drawn pressed (held by the stylus or showing its menu), or -1.
    int highlighted() const { return m_highlighted; }
    void setHighlighted(int index) { m_highlighted = index; }
    // The button the stylus went down on, while it stays down, or -1.
    int pressed() const { return m_pressed; }
    void setPressed(int index) { m_pressed = index; }

private:
    std::u16string labelOf(INT_PTR string) const;

    HWND m_owner;
    DWORD m_flags;
    COLORREF m_background;
    HMENU m_menu = nullptr;
    std::vector<std::u16string> m_strings;
    std::vector<MenuBarButton> m_buttons;
    int m_highlighted = -1;
    int m_pressed = -1;
};

}  // namespace ce::shell
