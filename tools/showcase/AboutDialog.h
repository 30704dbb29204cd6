// The showcase's About box: a full-screen dialog with the shell's "ok" button.
#pragma once

#include "windows.h"

namespace showcase {

class AboutDialog {
public:
    // Shows the box and returns when it is closed; a second call while it shows does nothing.
    static void show(HWND owner);

private:
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    static bool c_open;
};

}  // namespace showcase
