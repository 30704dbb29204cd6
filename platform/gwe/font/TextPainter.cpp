// Glyph and background painting, clipped rectangle by rectangle.
#include "gwe/font/TextPainter.h"

#include <algorithm>

namespace ce::font {

namespace {

gdi::Pixel blend(gdi::Pixel under, gdi::Pixel over, unsigned coverage) {
    gdi::Pixel result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        int below = static_cast<int>((under >> shift) & 0xFF);
        int above = static_cast<int>((over >> shift) & 0xFF);
        result |= static_cast<gdi::Pixel>(below + (above - below) * static_cast<int>(coverage) / 255) << shift;
    }
    return result;
}

}  // namespace

TextPainter::TextPainter(gdi::DeviceContext& dc, const Font& font, gdi::Region clip) :
    m_dc(dc), m_font(font), m_clip(std::move(clip)) {}

void TextPainter::addTouched(const RECT& rect) {
    m_touched.unite(rect);
}

void TextPainter::fill(const RECT& rect, gdi::Pixel pixel) {
    gdi::Surface& surface = m_dc.surface();
    for (const RECT& clipRect : m_clip.rects()) {
        RECT area = gdi::intersection(clipRect, rect);
        if (gdi::isEmpty(area)) continue;
        for (int y = area.top; y < area.bottom; ++y)
            std::fill(surface.row(y) + area.left, surface.row(y) + area.right, pixel);
        addTouched(area);
    }
}

void TextPainter::fillBackground(const RECT& rect) {
    fill(rect, gdi::toPixel(m_dc.state().bkColor));
}

void TextPainter::drawGlyph(const Glyph& glyph, int x, int baseline, gdi::Pixel pixel) {
    RECT box{x + glyph.left, baseline - glyph.top, x + glyph.left + glyph.width, baseline - glyph.top + glyph.height};
    gdi::Surface& surface = m_dc.surface();
    for (const RECT& clipRect : m_clip.rects()) {
        RECT area = gdi::intersection(clipRect, box);
        if (gdi::isEmpty(area)) continue;
        for (int y = area.top; y < area.bottom; ++y) {
            gdi::Pixel* row = surface.row(y);
            for (int px = area.left; px < area.right; ++px) {
                unsigned coverage = glyph.at(px - box.left, y - box.top);
                if (coverage == 255) row[px] = pixel;
                else if (coverage) row[px] = blend(row[px], pixel, coverage);
            }
        }
        addTouched(area);
    }
}

void TextPainter::drawLines(int left, int right, int baseline, gdi::Pixel pixel) {
    const LineDecorations& lines = m_font.decorations();
    if (m_font.underlined()) {
        int top = baseline + lines.underlineBelow;
        fill(RECT{left, top, right, top + lines.underlineThickness}, pixel);
    }
    if (m_font.struckOut()) {
        int top = baseline - lines.strikeoutAbove;
        fill(RECT{left, top, right, top + lines.strikeoutThickness}, pixel);
    }
}

void TextPainter::drawRun(const GlyphRun& run, POINT origin, const PlacedGlyph* marked) {
    gdi::Pixel pixel = gdi::toPixel(m_dc.state().textColor);
    int baseline = origin.y + m_font.metrics().tmAscent;
    for (const PlacedGlyph& placed : run.glyphs) drawGlyph(*placed.glyph, origin.x + placed.x, baseline, pixel);
    drawLines(origin.x, origin.x + run.width, baseline, pixel);
    if (marked && !m_font.underlined()) {
        int top = baseline + m_font.decorations().underlineBelow;
        int left = origin.x + marked->x;
        fill(RECT{left, top, left + marked->advance, top + m_font.decorations().underlineThickness}, pixel);
    }
}

void TextPainter::recordRun(const RECT& cell, std::u16string_view text) {
    if (m_dc.kind() != gdi::DeviceContext::Kind::Window || text.empty()) return;
    gdi::Region drawn = m_clip;
    drawn.intersect(cell);
    if (drawn.empty()) return;
    gwe::TextRun run{drawn.bounds(), m_dc.window(), std::u16string(text), cell};
    m_runs.emplace_back(std::move(run), std::move(drawn));
}

void TextPainter::finish() {
    if (!m_touched.empty()) m_dc.paintedOver(m_touched);
    m_touched.clear();
    for (auto& [run, drawn] : m_runs) gwe::ScreenText::instance().add(std::move(run), std::move(drawn));
    m_runs.clear();
}

}  // namespace ce::font
