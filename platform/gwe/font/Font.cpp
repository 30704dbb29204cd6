// Realizing a LOGFONTW: choose the file, turn the height into an em, open the face.
#include "gwe/font/Font.h"

#include <algorithm>
#include <cmath>

#include "cewchar.h"
#include "gwe/Screen.h"
#include "gwe/font/FontLibrary.h"

namespace ce::font {

namespace {

constexpr int c_defaultEmAt96 = 12;
constexpr int c_largestEm = 1024;
constexpr LONG c_boldFrom = 551;  // LOGFONT weights up to 550 draw regular

std::string faceNameOf(const LOGFONTW& logFont) {
    size_t length = 0;
    while (length < LF_FACESIZE && logFont.lfFaceName[length]) ++length;
    return toUtf8(std::u16string_view(logFont.lfFaceName, length));
}

bool asksFixedPitch(const LOGFONTW& logFont) {
    return (logFont.lfPitchAndFamily & 0x03) == FIXED_PITCH || (logFont.lfPitchAndFamily & 0xF0) == FF_MODERN;
}

// Grey smoothing only when asked: the handheld's text is one-bit. ClearType becomes grey
// smoothing too, since the presenters may scale the screen and break any subpixel order.
bool asksSmoothing(const LOGFONTW& logFont) {
    return logFont.lfQuality == ANTIALIASED_QUALITY || logFont.lfQuality == CLEARTYPE_QUALITY;
}

}  // namespace

int Font::emHeight(LONG lfHeight, double cellPerEm, int dpi) {
    long em;
    if (lfHeight < 0) em = -static_cast<long>(lfHeight);
    else if (lfHeight > 0) em = std::lround(lfHeight / cellPerEm);
    else em = c_defaultEmAt96 * dpi / 96;
    return static_cast<int>(std::clamp(em, 1L, static_cast<long>(c_largestEm)));
}

Font::Font(const LOGFONTW& logFont) {
    FontLibrary& library = FontLibrary::instance();
    bool bold = logFont.lfWeight >= c_boldFrom;
    FaceChoice choice = library.matcher().choose(faceNameOf(logFont), bold, logFont.lfItalic != 0,
                                                 asksFixedPitch(logFont));
    double cellPerEm = logFont.lfHeight > 0 ? library.cellPerEm(choice.path, choice.index) : 1.0;
    int em = emHeight(logFont.lfHeight, cellPerEm, gwe::Screen::instance().dpi());
    m_face = library.face(choice.path, choice.index, em);
    m_faceName = fromUtf8(m_face ? m_face->family() : choice.family);
    if (m_face) {
        m_metrics = m_face->metrics().textMetrics();
        m_decorations = m_face->metrics().decorations();
        // What the file lacks is made up: bold by thicker strokes, italic by slanting.
        m_style.emboldened = bold && m_metrics.tmWeight < FW_SEMIBOLD;
        m_style.obliqued = logFont.lfItalic && !m_face->isItalic();
    }
    m_style.antialiased = asksSmoothing(logFont);
    adjustMetrics(logFont);
}

void Font::adjustMetrics(const LOGFONTW& logFont) {
    if (m_style.emboldened) m_metrics.tmWeight = FW_BOLD;
    if (logFont.lfItalic) m_metrics.tmItalic = 1;
    m_metrics.tmUnderlined = logFont.lfUnderline ? 1 : 0;
    m_metrics.tmStruckOut = logFont.lfStrikeOut ? 1 : 0;
}

const Glyph& Font::glyph(char32_t ch) const {
    static const Glyph c_blank;
    return m_face ? m_face->glyph(ch, m_style) : c_blank;
}

}  // namespace ce::font
