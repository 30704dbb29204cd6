// Laying a string out along a line.
#include "gwe/font/GlyphRun.h"

namespace ce::font {

char32_t codePointAt(std::u16string_view text, size_t i, size_t& units) {
    char16_t first = text[i];
    units = 1;
    if (first >= 0xD800 && first < 0xDC00 && i + 1 < text.size()) {
        char16_t second = text[i + 1];
        if (second >= 0xDC00 && second < 0xE000) {
            units = 2;
            return 0x10000 + ((static_cast<char32_t>(first) - 0xD800) << 10) + (second - 0xDC00);
        }
    }
    return first;
}

const PlacedGlyph* GlyphRun::atUnit(size_t unit) const {
    for (const PlacedGlyph& placed : glyphs)
        if (placed.unit == unit) return &placed;
    return nullptr;
}

GlyphRun layoutGlyphs(const Font& font, std::u16string_view text, const INT* dx) {
    GlyphRun run;
    for (size_t i = 0; i < text.size();) {
        size_t units = 1;
        char32_t ch = codePointAt(text, i, units);
        const Glyph& glyph = font.glyph(ch);
        int advance = glyph.advance;
        if (dx) advance = units == 2 ? dx[i] + dx[i + 1] : dx[i];
        run.glyphs.push_back(PlacedGlyph{&glyph, run.width, advance, i});
        run.width += advance;
        i += units;
    }
    return run;
}

std::vector<int> partialWidths(const Font& font, std::u16string_view text) {
    std::vector<int> widths(text.size(), 0);
    int total = 0;
    for (size_t i = 0; i < text.size();) {
        size_t units = 1;
        total += font.advance(codePointAt(text, i, units));
        for (size_t k = 0; k < units; ++k) widths[i + k] = total;
        i += units;
    }
    return widths;
}

}  // namespace ce::font
