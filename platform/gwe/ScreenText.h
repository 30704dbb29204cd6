// The screen text: every run of text drawn into a window that is still on the screen, so
// that tests and scripts can ask what the screen shows. Painting over any of a run takes it
// off the list; runs covered by other windows are left out when asked.
#pragma once

#include <string>
#include <vector>

#include "gwe/gdi/Region.h"
#include "windef.h"

namespace ce::gwe {

struct TextRun {
    RECT rect;  // screen coordinates: the part of the text that was drawn and is still there
                // (as listed: the part that can be seen past the windows above)
    HWND window;
    std::u16string text;
    RECT cell{};  // the whole text's rectangle, unclipped; left empty, it is rect
};

class ScreenText {
public:
    static ScreenText& instance();

    // A run drawn into drawn (screen coordinates, inside its cell), or into its whole rect.
    // Older runs of the window there are painted over; what is left of an earlier drawing of
    // the same text in the same cell joins it, so a run redrawn in pieces stays one run.
    void add(TextRun run, gdi::Region drawn);
    void add(TextRun run);
    // The window painted over area (screen coordinates): its runs there are no longer whole
    // and leave the list, until a redraw of the same text fills them in again.
    void erase(HWND window, const gdi::Region& area);
    // The window was destroyed, hidden or moved: all its runs are gone.
    void forget(HWND window);
    // The whole runs that can be seen now, each cut to what shows, top to bottom, then left
    // to right.
    std::vector<TextRun> visibleRuns() const;

private:
    struct Entry {
        TextRun run;
        gdi::Region shown;  // what of the run is still on the screen
        bool whole;         // nothing of it has been painted over since it was drawn
    };
    void dropOldestPieces();

    std::vector<Entry> m_entries;  // oldest first
};

}  // namespace ce::gwe
