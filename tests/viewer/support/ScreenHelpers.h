// What the window tests of the viewer share: running the queued messages, and asking
// whether a text can be seen on the screen.
#pragma once

#include <windows.h>

#include <string>

#include "gwe/ScreenText.h"

namespace viewer_test {

inline void pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

// A visible piece of text that reads exactly `text`.
inline bool onScreen(const std::u16string& text) {
    for (const ce::gwe::TextRun& run : ce::gwe::ScreenText::instance().visibleRuns())
        if (run.text == text) return true;
    return false;
}

}  // namespace viewer_test
