// Draws laid-out text into a device context's surface: the background, the glyphs in the
// text colour and the underline, all inside one clip, remembering what it touched.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "gwe/ScreenText.h"
#include "gwe/font/GlyphRun.h"
#include "gwe/gdi/DeviceContext.h"
#include "gwe/gdi/Region.h"

namespace ce::font {

class TextPainter {
public:
    // clip is in surface coordinates.
    TextPainter(gdi::DeviceContext& dc, const Font& font, gdi::Region clip);

    // Fills a surface rectangle with the DC's background colour.
    void fillBackground(const RECT& rect);
    // The run with its cell's top-left corner at origin (surface coordinates); marked, when
    // given, is underlined on its own (the character after a '&' prefix).
    void drawRun(const GlyphRun& run, POINT origin, const PlacedGlyph* marked = nullptr);

    // Notes a run of text for the screen text (window DCs only): cell is where the whole
    // run is on the surface; the part inside the clip is what the screen shows of it.
    void recordRun(const RECT& cell, std::u16string_view text);
    // Tells the DC what was painted over, then records the runs noted.
    void finish();

private:
    void fill(const RECT& rect, gdi::Pixel pixel);
    void drawGlyph(const Glyph& glyph, int x, int baseline, gdi::Pixel pixel);
    void drawLines(int left, int right, int baseline, gdi::Pixel pixel);
    void addTouched(const RECT& rect);

    gdi::DeviceContext& m_dc;
    const Font& m_font;
    gdi::Region m_clip;
    gdi::Region m_touched;  // the part of the surface changed so far
    std::vector<std::pair<gwe::TextRun, gdi::Region>> m_runs;  // with the part each was drawn into
};

}  // namespace ce::font
