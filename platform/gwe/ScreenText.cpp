// Screen text bookkeeping: whole runs, and the pieces that painting left of others.
#include "gwe/ScreenText.h"

#include <algorithm>

#include "gwe/WindowVisibility.h"

namespace ce::gwe {

namespace {

// Pieces of runs kept for a redraw that may never come: a bound keeps a window that paints
// over its text again and again from growing the list.
constexpr size_t c_maxPieces = 256;

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool overlaps(const gdi::Region& a, const gdi::Region& b) {
    gdi::Region both = a;
    both.intersect(b);
    return !both.empty();
}

}  // namespace

ScreenText& ScreenText::instance() {
    static ScreenText text;
    return text;
}

void ScreenText::add(TextRun run) {
    gdi::Region drawn(run.rect);
    add(std::move(run), std::move(drawn));
}

void ScreenText::add(TextRun run, gdi::Region drawn) {
    if (gdi::isEmpty(run.cell)) run.cell = run.rect;
    drawn.intersect(run.cell);
    if (drawn.empty()) return;
    std::erase_if(m_entries, [&](const Entry& entry) {
        bool again = entry.run.window == run.window && entry.run.text == run.text && sameRect(entry.run.cell, run.cell);
        if (again) drawn.unite(entry.shown);
        return again;
    });
    erase(run.window, drawn);
    run.rect = drawn.bounds();
    m_entries.push_back(Entry{std::move(run), std::move(drawn), true});
}

void ScreenText::erase(HWND window, const gdi::Region& area) {
    bool cut = false;
    for (Entry& entry : m_entries) {
        if (entry.run.window != window || !overlaps(entry.shown, area)) continue;
        entry.shown.subtract(area);
        entry.run.rect = entry.shown.bounds();
        entry.whole = false;
        cut = true;
    }
    if (!cut) return;
    std::erase_if(m_entries, [](const Entry& entry) { return entry.shown.empty(); });
    dropOldestPieces();
}

void ScreenText::dropOldestPieces() {
    size_t pieces = static_cast<size_t>(std::count_if(m_entries.begin(), m_entries.end(), [](const Entry& entry) { return !entry.whole; }));
    if (pieces <= c_maxPieces) return;
    std::erase_if(m_entries, [&pieces](const Entry& entry) {
        if (entry.whole || pieces <= c_maxPieces) return false;
        --pieces;
        return true;
    });
}

void ScreenText::forget(HWND window) {
    std::erase_if(m_entries, [window](const Entry& entry) { return entry.run.window == window; });
}

std::vector<TextRun> ScreenText::visibleRuns() const {
    std::vector<TextRun> runs;
    for (const Entry& entry : m_entries) {
        if (!entry.whole) continue;
        gdi::Region seen = visibleRegion(entry.run.window);
        seen.intersect(entry.shown);
        if (seen.empty()) continue;
        runs.push_back(entry.run);
        runs.back().rect = seen.bounds();
    }
    std::stable_sort(runs.begin(), runs.end(), [](const TextRun& a, const TextRun& b) {
        return a.rect.top != b.rect.top ? a.rect.top < b.rect.top : a.rect.left < b.rect.left;
    });
    return runs;
}

}  // namespace ce::gwe
