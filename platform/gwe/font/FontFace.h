// One font file opened at one size: its metrics, its family name and its glyphs, rendered
// once and kept.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "gwe/font/FaceMetrics.h"
#include "gwe/font/Glyph.h"
#include "gwe/font/GlyphLoader.h"

struct FT_FaceRec_;

namespace ce::font {

class FontFace {
public:
    // Takes the face; selects the bitmap strike made for ppem when there is one.
    FontFace(FT_FaceRec_* face, int ppem, int dpi);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    int ppem() const { return m_ppem; }
    bool hasStrike() const { return m_rendering.strike != StrikeUse::None; }
    const std::string& family() const { return m_family; }
    bool isItalic() const;
    const FaceMetrics& metrics() const { return *m_metrics; }

    // The glyph of a code point; a character the face lacks gets its default glyph.
    const Glyph& glyph(char32_t ch, GlyphStyle style);

private:
    StrikeUse selectStrike();
    bool strikeMatchesOutlines() const;
    bool outlinesLighterThanClaimed() const;
    unsigned glyphIndex(char32_t ch) const;

    FT_FaceRec_* m_face;
    int m_ppem;
    FaceRendering m_rendering;
    std::string m_family;
    std::unique_ptr<FaceMetrics> m_metrics;
    std::map<std::pair<unsigned, int>, Glyph> m_glyphs;  // (glyph index, style key)
};

}  // namespace ce::font
