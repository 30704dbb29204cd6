// showcase: a small program that shows the window system at work: a top-level window with
// owner-painted rows, masked pictures, and taps and keys. Run it with CE_DISPLAY=headless
// and CE_SCRIPT to drive it without a desktop.
#include "ShowcaseWindow.h"

int main() {
    if (!showcase::ShowcaseWindow::create(GetModuleHandleW(nullptr))) return 1;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
