// A face's metrics at a size, taken from its own tables the way Windows takes them, so that
// line heights and widths match the handheld's.
#pragma once

#include "wingdi.h"

struct FT_FaceRec_;

namespace ce::font {

// Where the underline and the strike-out line go, in pixels from the baseline.
struct LineDecorations {
    int underlineBelow = 1;  // first row of the underline, below the baseline
    int underlineThickness = 1;
    int strikeoutAbove = 3;  // first row of the strike-out line, above the baseline
    int strikeoutThickness = 1;
};

class FaceMetrics {
public:
    // The face must be set to ppem pixels per em already.
    FaceMetrics(FT_FaceRec_* face, int ppem, int dpi);

    const TEXTMETRICW& textMetrics() const { return m_text; }
    const LineDecorations& decorations() const { return m_decorations; }

    // The cell (ascent + descent) per em, to turn a cell height into an em height.
    static double cellPerEm(FT_FaceRec_* face);

private:
    void measureLines(FT_FaceRec_* face);
    void measureWidths(FT_FaceRec_* face);
    void describeFace(FT_FaceRec_* face);
    void measureDecorations(FT_FaceRec_* face);
    int scale(long designUnits) const;

    int m_ppem;
    int m_unitsPerEm;
    TEXTMETRICW m_text{};
    LineDecorations m_decorations;
};

}  // namespace ce::font
