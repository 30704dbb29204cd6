// A string laid out in a font: each character's glyph and pen position along one line,
// and the partial widths GetTextExtentExPointW reports.
#pragma once

#include <string_view>
#include <vector>

#include "gwe/font/Font.h"

namespace ce::font {

struct PlacedGlyph {
    const Glyph* glyph;
    int x;        // pen position from the start of the run
    int advance;  // what the pen moved on by
    size_t unit;  // index of the glyph's first UTF-16 unit
};

struct GlyphRun {
    std::vector<PlacedGlyph> glyphs;
    int width = 0;  // the sum of the advances

    // The placed glyph that starts at a UTF-16 unit, or null.
    const PlacedGlyph* atUnit(size_t unit) const;
};

// A surrogate pair is one character and one glyph. dx, when given, holds an advance per
// UTF-16 unit (a pair moves by the sum of its two) in place of the font's own.
GlyphRun layoutGlyphs(const Font& font, std::u16string_view text, const INT* dx = nullptr);

// The width of the text up to and including each UTF-16 unit; both units of a pair end
// where the pair does.
std::vector<int> partialWidths(const Font& font, std::u16string_view text);

// The code point starting at text[i] and how many units it takes (1 or 2).
char32_t codePointAt(std::u16string_view text, size_t i, size_t& units);

}  // namespace ce::font
