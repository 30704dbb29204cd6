// The About box: the program's picture, name and version, full screen with the shell's ok.
#pragma once

#include <windows.h>

namespace Orvane {

class AboutBox {
public:
    static constexpr int c_major = 1;
    static constexpr int c_minor = 0;
    static constexpr int c_build = 612001;

    // Modal; returns when the box is closed. While it is open, further calls do nothing.
    static void show(HWND parent);
    static bool isOpen() { return c_open; }

private:
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    static bool c_open;
};

}  // namespace Orvane
