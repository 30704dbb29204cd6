// showcase: a small program that shows the window system at work: a top-level window with
// owner-painted rows, masked pictures, the menu bar, tap-and-hold, a message box and a
// full-screen dialog. Run it with CE_DISPLAY=headless and CE_SCRIPT to drive it without a
// desktop.
#include "ShowcaseWindow.h"
#include "resource.h"

int main() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND window = showcase::ShowcaseWindow::create(instance);
    if (!window) return 1;
    HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDA_MAIN));
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorW(window, accelerators, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
