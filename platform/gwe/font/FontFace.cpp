// Face setup and the glyph cache.
#include "gwe/font/FontFace.h"

#include <string_view>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_OUTLINE_H


namespace ce::font {

FontFace::FontFace(FT_FaceRec_* face, int ppem, int dpi) :
    m_face(face), m_ppem(ppem), m_family(face->family_name ? face->family_name : "") {
    // Sets the outlines' scale, which glyphs missing from a strike (the space) still need.
    FT_Set_Pixel_Sizes(m_face, 0, static_cast<FT_UInt>(ppem));
    m_rendering.strike = selectStrike();
    m_metrics = std::make_unique<FaceMetrics>(m_face, ppem, dpi);
    m_rendering.thickenOutlines = outlinesLighterThanClaimed();
}

FontFace::~FontFace() {
    FT_Done_Face(m_face);
}

bool FontFace::isItalic() const {
    return (m_face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
}

// The handheld drew its small text from hand-tuned one-bit strikes; where the file has one
// for exactly this size, its glyphs are the ones to draw.
StrikeUse FontFace::selectStrike() {
    for (int i = 0; i < m_face->num_fixed_sizes; ++i) {
        if (((m_face->available_sizes[i].y_ppem + 32) >> 6) != m_ppem) continue;
        if (FT_Select_Size(m_face, i) != 0) return StrikeUse::None;
        return strikeMatchesOutlines() ? StrikeUse::AsIs : StrikeUse::Widened;
    }
    return StrikeUse::None;
}

// Wine's Tahoma Bold carries copies of the regular strikes at 13, 15 and 16 ppem, and its
// outlines have no hints, so they come out at one-pixel stems there: lighter than regular.
// A strike clearly narrower than the outlines it stands for belongs to a lighter face; it
// is drawn widened by a pixel, which is how the file's real bold strikes differ from the
// regular ones. (Hinting only ever widens small sizes, so the test is one-sided.)
bool FontFace::strikeMatchesOutlines() const {
    constexpr std::string_view c_sample = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    long strikeWidth = 0;
    double outlineWidth = 0;
    for (char c : c_sample) {
        FT_UInt index = FT_Get_Char_Index(m_face, static_cast<unsigned char>(c));
        if (index == 0 || FT_Load_Glyph(m_face, index, FT_LOAD_DEFAULT) != 0) continue;
        if (m_face->glyph->format != FT_GLYPH_FORMAT_BITMAP) continue;
        FT_Fixed designAdvance = 0;
        if (FT_Get_Advance(m_face, index, FT_LOAD_NO_SCALE, &designAdvance) != 0) continue;
        strikeWidth += m_face->glyph->advance.x >> 6;
        outlineWidth += static_cast<double>(designAdvance) * m_ppem / m_face->units_per_EM;
    }
    return strikeWidth >= outlineWidth * 0.9;
}

// Wine's Tahoma Bold has bold advances and strikes but the regular outlines. A face that
// claims to be bold while its 'l' is a regular stem (under 0.12 em) gets its outlines
// thickened to a bold stem.
bool FontFace::outlinesLighterThanClaimed() const {
    constexpr double c_boldStem = 0.12;
    if (m_metrics->textMetrics().tmWeight < FW_SEMIBOLD || m_face->units_per_EM == 0) return false;
    FT_UInt index = FT_Get_Char_Index(m_face, 'l');
    if (index == 0 || FT_Load_Glyph(m_face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_BITMAP) != 0) return false;
    if (m_face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) return false;
    FT_BBox box;
    FT_Outline_Get_CBox(&m_face->glyph->outline, &box);
    return static_cast<double>(box.xMax - box.xMin) / m_face->units_per_EM < c_boldStem;
}

unsigned FontFace::glyphIndex(char32_t ch) const {
    unsigned index = FT_Get_Char_Index(m_face, ch);
    WCHAR fallback = m_metrics->textMetrics().tmDefaultChar;
    if (index == 0 && fallback != 0) index = FT_Get_Char_Index(m_face, fallback);
    return index;  // 0 is .notdef, the face's own missing-glyph shape
}

const Glyph& FontFace::glyph(char32_t ch, GlyphStyle style) {
    std::pair<unsigned, int> key{glyphIndex(ch), style.key()};
    auto found = m_glyphs.find(key);
    if (found != m_glyphs.end()) return found->second;
    return m_glyphs.emplace(key, loadGlyph(m_face, key.first, style, m_rendering)).first->second;
}

}  // namespace ce::font
