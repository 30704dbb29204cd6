// TB_ADDSTRINGW, TB_INSERTBUTTONW and the rest: the bar's buttons changed by message.
#include "shell/MenuBarMessages.h"

#include "aygshell.h"

namespace ce::shell {

namespace {

LRESULT insertButton(MenuBar& bar, WPARAM position, LPARAM lParam) {
    auto* button = reinterpret_cast<const TBBUTTON*>(lParam);
    if (!button) return FALSE;
    bar.insertButton(static_cast<size_t>(position), *button);
    return TRUE;
}

LRESULT addButtons(MenuBar& bar, WPARAM count, LPARAM lParam) {
    auto* buttons = reinterpret_cast<const TBBUTTON*>(lParam);
    if (!buttons) return FALSE;
    for (WPARAM i = 0; i < count; ++i) bar.insertButton(bar.buttonCount(), buttons[i]);
    return TRUE;
}

LRESULT getButton(const MenuBar& bar, WPARAM index, LPARAM lParam) {
    auto* button = reinterpret_cast<TBBUTTON*>(lParam);
    if (!button || index >= bar.buttonCount()) return FALSE;
    *button = bar.button(static_cast<size_t>(index)).info;
    return TRUE;
}

LRESULT subMenu(const MenuBar& bar, LPARAM command) {
    int index = bar.indexOf(static_cast<int>(command));
    return index < 0 ? 0 : static_cast<LRESULT>(bar.button(static_cast<size_t>(index)).info.dwData);
}

}  // namespace

bool handleMenuBarMessage(MenuBar& bar, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case TB_ADDSTRINGW: result = bar.addStrings(reinterpret_cast<HINSTANCE>(wParam), lParam); return true;
    case TB_INSERTBUTTONW: result = insertButton(bar, wParam, lParam); return true;
    case TB_ADDBUTTONSW: result = addButtons(bar, wParam, lParam); return true;
    case TB_DELETEBUTTON: result = bar.deleteButton(static_cast<size_t>(wParam)); return true;
    case TB_BUTTONCOUNT: result = static_cast<LRESULT>(bar.buttonCount()); return true;
    case TB_GETBUTTON: result = getButton(bar, wParam, lParam); return true;
    case TB_BUTTONSTRUCTSIZE:  // one layout of TBBUTTON here
    case TB_AUTOSIZE: result = 0; return true;  // the layout follows every change
    case SHCMBM_GETSUBMENU: result = subMenu(bar, lParam); return true;
    case SHCMBM_SETSUBMENU:
        result = reinterpret_cast<LRESULT>(
            bar.setDropDownMenu(static_cast<int>(wParam), reinterpret_cast<HMENU>(lParam)));
        return true;
    case SHCMBM_GETMENU: result = reinterpret_cast<LRESULT>(bar.menu()); return true;
    }
    return false;
}

}  // namespace ce::shell
