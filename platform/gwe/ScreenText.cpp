// Screen text bookkeeping.
#include "gwe/ScreenText.h"

#include <algorithm>

#include "gwe/WindowVisibility.h"

namespace ce::gwe {

ScreenText& ScreenText::instance() {
    static ScreenText text;
    return text;
}

void ScreenText::add(TextRun run) {
    if (gdi::isEmpty(run.rect)) return;
    erase(run.window, run.rect);
    m_runs.push_back(std::move(run));
}

namespace {

long long areaOf(const RECT& rect) {
    return gdi::isEmpty(rect) ? 0 : static_cast<long long>(rect.right - rect.left) * (rect.bottom - rect.top);
}

// A run is gone once at least half of it has been painted over: a fill that only grazes
// its edge (a neighbouring row's background) leaves it readable.
bool mostlyCovered(const RECT& run, const RECT& area) {
    return 2 * areaOf(gdi::intersection(run, area)) >= areaOf(run);
}

}  // namespace

void ScreenText::erase(HWND window, const RECT& area) {
    std::erase_if(m_runs, [&](const TextRun& run) { return run.window == window && mostlyCovered(run.rect, area); });
}

void ScreenText::forget(HWND window) {
    std::erase_if(m_runs, [window](const TextRun& run) { return run.window == window; });
}

std::vector<TextRun> ScreenText::visibleRuns() const {
    std::vector<TextRun> runs;
    for (const TextRun& run : m_runs)
        if (visibleRegion(run.window).intersects(run.rect)) runs.push_back(run);
    std::stable_sort(runs.begin(), runs.end(), [](const TextRun& a, const TextRun& b) {
        return a.rect.top != b.rect.top ? a.rect.top < b.rect.top : a.rect.left < b.rect.left;
    });
    return runs;
}

}  // namespace ce::gwe
