// The dialog's controls in tab order (creation order) and its default push button.
#include <cwctype>
#include <string>
#include <vector>

#include "gwe/dialog/DialogWindow.h"

namespace ce::gwe::dialog {

namespace {

std::vector<HWND> controlsOf(HWND dialog) {
    std::vector<HWND> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        controls.push_back(child);
    return controls;
}

// The control's own WS_VISIBLE: the dialog itself is still hidden during WM_INITDIALOG.
bool isTabStop(HWND hwnd) {
    DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
    return (style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

bool isButtonClass(HWND hwnd) {
    WCHAR name[16] = {};
    GetClassNameW(hwnd, name, 16);
    std::u16string text(name);
    for (char16_t& c : text) c = static_cast<char16_t>(std::towupper(c));
    return text == u"BUTTON";
}

}  // namespace

HWND firstTabStop(HWND dialog) {
    for (HWND control : controlsOf(dialog))
        if (isTabStop(control)) return control;
    return nullptr;
}

HWND nextTabStop(HWND dialog, HWND from, bool backwards) {
    std::vector<HWND> controls = controlsOf(dialog);
    if (controls.empty()) return nullptr;
    size_t count = controls.size();
    size_t start = count - 1;  // from none: the search begins at the first control
    for (size_t i = 0; i < count; ++i)
        if (controls[i] == from) start = i;
    if (backwards && !from) start = 0;
    for (size_t step = 1; step <= count; ++step) {
        size_t index = backwards ? (start + count - step) % count : (start + step) % count;
        if (isTabStop(controls[index])) return controls[index];
    }
    return nullptr;
}

bool isPushButton(HWND hwnd) {
    DWORD type = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)) & BS_TYPEMASK;
    return hwnd && isButtonClass(hwnd) && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

int defaultButtonId(HWND dialog) {
    for (HWND control : controlsOf(dialog))
        if (isButtonClass(control) && (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            return GetDlgCtrlID(control);
    return 0;
}

}  // namespace ce::gwe::dialog
