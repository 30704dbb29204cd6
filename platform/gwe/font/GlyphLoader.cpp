// Glyph loading: embedded bitmaps where the face has them for the size, else hinted
// outlines rendered one-bit or grey, with bold and italic synthesized when asked.
#include "gwe/font/GlyphLoader.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H

namespace ce::font {

namespace {

FT_Int32 loadFlags(GlyphStyle style, StrikeUse strike) {
    FT_Int32 flags = style.antialiased ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO;
    // A strike cannot be slanted or smoothed; those styles take the outline.
    if (strike == StrikeUse::None || style.antialiased || style.obliqued) flags |= FT_LOAD_NO_BITMAP;
    return flags;
}

// Grey bitmaps may carry fewer levels than 256 (an emboldened strike has two).
std::uint8_t greyLevel(const FT_Bitmap& bitmap, unsigned char value) {
    int top = bitmap.num_grays > 1 ? bitmap.num_grays - 1 : 255;
    return static_cast<std::uint8_t>(value >= top ? 255 : value * 255 / top);
}

void copyBitmap(const FT_Bitmap& bitmap, Glyph& glyph) {
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.coverage.assign(static_cast<size_t>(glyph.width) * glyph.height, 0);
    const unsigned char* first = bitmap.buffer;
    if (bitmap.pitch < 0) first -= static_cast<long>(bitmap.rows - 1) * bitmap.pitch;
    for (int y = 0; y < glyph.height; ++y) {
        const unsigned char* row = first + static_cast<long>(y) * bitmap.pitch;
        for (int x = 0; x < glyph.width; ++x) {
            std::uint8_t value = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                     ? ((row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0)
                                     : greyLevel(bitmap, row[x]);
            glyph.coverage[static_cast<size_t>(y) * glyph.width + x] = value;
        }
    }
}

}  // namespace

// Stems a sixteenth of an em wider, sideways only: the advance is the face's own already.
void thicken(FT_GlyphSlot slot, FT_FaceRec_* face) {
    FT_Pos strength = static_cast<FT_Pos>(face->size->metrics.x_ppem) * 64 / 16;
    FT_Outline_EmboldenXY(&slot->outline, strength, 0);
}

Glyph loadGlyph(FT_FaceRec_* face, unsigned glyphIndex, GlyphStyle style, FaceRendering rendering) {
    Glyph glyph;
    if (FT_Load_Glyph(face, glyphIndex, loadFlags(style, rendering.strike)) != 0) return glyph;
    FT_GlyphSlot slot = face->glyph;
    bool outline = slot->format == FT_GLYPH_FORMAT_OUTLINE;
    if (outline && rendering.thickenOutlines) thicken(slot, face);
    if (outline && style.obliqued) FT_GlyphSlot_Oblique(slot);
    // On a strike, emboldening widens by exactly one pixel, as hand-made bold strikes are.
    bool widen = rendering.strike == StrikeUse::Widened && slot->format == FT_GLYPH_FORMAT_BITMAP;
    FT_Pos unstyled = slot->advance.x;
    if (style.emboldened || widen) FT_GlyphSlot_Embolden(slot);
    // A strike's advance is its own. An outline's is the face's advance at this size, as GDI
    // takes it: the auto-hinter that fits outlines without hints of their own moves advances
    // by a pixel either way (a comma a pixel wider at 21 ppem, a colon one narrower at 26),
    // which spaces punctuation unevenly at the larger sizes. Emboldening adds its own width.
    FT_Pos advance = outline ? (slot->linearHoriAdvance >> 10) + (slot->advance.x - unstyled) : slot->advance.x;
    if (slot->format != FT_GLYPH_FORMAT_BITMAP &&
        FT_Render_Glyph(slot, style.antialiased ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) != 0)
        return glyph;
    if (slot->bitmap.pixel_mode != FT_PIXEL_MODE_MONO && slot->bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return glyph;
    copyBitmap(slot->bitmap, glyph);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.advance = static_cast<int>((advance + 32) >> 6);
    return glyph;
}

}  // namespace ce::font
