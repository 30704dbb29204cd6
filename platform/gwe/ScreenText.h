// The screen text: every run of text drawn into a window that is still on the screen, so
// that tests and scripts can ask what the screen shows. Painting over a run removes it;
// runs covered by other windows are left out when asked.
#pragma once

#include <string>
#include <vector>

#include "gwe/gdi/Region.h"
#include "windef.h"

namespace ce::gwe {

struct TextRun {
    RECT rect;  // screen coordinates, clipped to where the text landed
    HWND window;
    std::u16string text;
};

class ScreenText {
public:
    static ScreenText& instance();

    // A run drawn; it replaces runs of the same window it mostly covers.
    void add(TextRun run);
    // The window painted over area (screen coordinates): its runs mostly inside it are gone.
    void erase(HWND window, const RECT& area);
    // The window was destroyed, hidden or moved: all its runs are gone.
    void forget(HWND window);
    // The runs that can be seen now, top to bottom, then left to right.
    std::vector<TextRun> visibleRuns() const;

private:
    std::vector<TextRun> m_runs;  // oldest first
};

}  // namespace ce::gwe
