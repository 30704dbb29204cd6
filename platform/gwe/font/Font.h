// A LOGFONTW made real: the face and size it comes to, the style its glyphs are drawn in,
// and the metrics GetTextMetricsW reports.
#pragma once

#include <string>

#include "gwe/font/FaceMetrics.h"
#include "gwe/font/Glyph.h"
#include "wingdi.h"

namespace ce::font {

class FontFace;

class Font {
public:
    explicit Font(const LOGFONTW& logFont);

    // False when no face could be opened at all: the font then measures and draws nothing.
    bool usable() const { return m_face != nullptr; }
    const TEXTMETRICW& metrics() const { return m_metrics; }
    const LineDecorations& decorations() const { return m_decorations; }
    const std::u16string& faceName() const { return m_faceName; }
    bool underlined() const { return m_metrics.tmUnderlined != 0; }
    bool struckOut() const { return m_metrics.tmStruckOut != 0; }

    const Glyph& glyph(char32_t ch) const;
    int advance(char32_t ch) const { return glyph(ch).advance; }

    // The em height for a LOGFONT height: negative is the em itself, positive the cell.
    static int emHeight(LONG lfHeight, double cellPerEm, int dpi);

private:
    void adjustMetrics(const LOGFONTW& logFont);

    FontFace* m_face = nullptr;
    GlyphStyle m_style;
    TEXTMETRICW m_metrics{};
    LineDecorations m_decorations;
    std::u16string m_faceName;
};

}  // namespace ce::font
