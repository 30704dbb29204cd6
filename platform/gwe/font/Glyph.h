// A rendered glyph: coverage bytes (0 blank, 255 solid; monochrome glyphs use only those
// two) placed relative to the pen on the baseline, and the pen's advance.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ce::font {

struct Glyph {
    int left = 0;     // from the pen position to the first column
    int top = 0;      // from the baseline up to the first row
    int width = 0;
    int height = 0;
    int advance = 0;  // whole pixels, as GDI positions text
    std::vector<std::uint8_t> coverage;  // width * height, rows top to bottom

    std::uint8_t at(int x, int y) const { return coverage[static_cast<size_t>(y) * width + x]; }
};

// How a glyph is drawn beyond what its file gives: the bold and italic a file lacks, and
// grey anti-aliasing instead of the handheld's one-bit text.
struct GlyphStyle {
    bool emboldened = false;
    bool obliqued = false;
    bool antialiased = false;

    int key() const { return (emboldened ? 1 : 0) | (obliqued ? 2 : 0) | (antialiased ? 4 : 0); }
};

}  // namespace ce::font
