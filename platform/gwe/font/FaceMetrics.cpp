// TEXTMETRICW from the OS/2, hhea and post tables.
//
// Ascent and descent are usWinAscent and usWinDescent scaled to the size and rounded, at
// every size, bitmap strikes included. Wine's Tahoma strikes carry smaller line metrics of
// their own (9 + 3 at 11 ppem), but the handheld's Tahoma 8 pt line is the familiar 13
// pixels (11 + 2), which only the OS/2 values give; accented capitals also need the room.
#include "gwe/font/FaceMetrics.h"

#include <algorithm>
#include <cmath>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

namespace ce::font {

namespace {

const TT_OS2* os2Of(FT_Face face) {
    auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    return os2 && os2->version != 0xFFFF ? os2 : nullptr;
}

int roundedPixels(FT_Pos value26dot6) {
    return static_cast<int>((value26dot6 + 32) >> 6);
}

// TMPF_FIXED_PITCH set means a variable pitch, as GDI has always spelled it.
BYTE pitchAndFamily(FT_Face face, const TT_OS2* os2) {
    BYTE result = FT_IS_FIXED_WIDTH(face) ? 0 : TMPF_FIXED_PITCH;
    if (FT_IS_SFNT(face) && FT_IS_SCALABLE(face)) result |= TMPF_VECTOR | TMPF_TRUETYPE;
    if (FT_IS_FIXED_WIDTH(face)) return result | FF_MODERN;
    if (!os2 || os2->panose[0] != 2) return result | FF_DONTCARE;
    // PANOSE Latin text: serif styles 11 to 13 are the sans serifs.
    BYTE serifStyle = os2->panose[1];
    return result | (serifStyle >= 11 && serifStyle <= 13 ? FF_SWISS : FF_ROMAN);
}

}  // namespace

FaceMetrics::FaceMetrics(FT_FaceRec_* face, int ppem, int dpi) : m_ppem(ppem), m_unitsPerEm(face->units_per_EM) {
    measureLines(face);
    measureWidths(face);
    describeFace(face);
    measureDecorations(face);
    m_text.tmDigitizedAspectX = dpi;
    m_text.tmDigitizedAspectY = dpi;
}

double FaceMetrics::cellPerEm(FT_FaceRec_* face) {
    const TT_OS2* os2 = os2Of(face);
    if (os2 && face->units_per_EM && os2->usWinAscent + os2->usWinDescent > 0)
        return static_cast<double>(os2->usWinAscent + os2->usWinDescent) / face->units_per_EM;
    if (face->units_per_EM && face->ascender - face->descender > 0)
        return static_cast<double>(face->ascender - face->descender) / face->units_per_EM;
    return 1.0;
}

int FaceMetrics::scale(long designUnits) const {
    if (m_unitsPerEm == 0) return 0;
    return static_cast<int>(std::lround(static_cast<double>(designUnits) * m_ppem / m_unitsPerEm));
}

void FaceMetrics::measureLines(FT_FaceRec_* face) {
    const TT_OS2* os2 = os2Of(face);
    if (os2 && m_unitsPerEm && os2->usWinAscent + os2->usWinDescent > 0) {
        m_text.tmAscent = scale(os2->usWinAscent);
        m_text.tmDescent = scale(os2->usWinDescent);
    } else {
        m_text.tmAscent = roundedPixels(face->size->metrics.ascender);
        m_text.tmDescent = -roundedPixels(face->size->metrics.descender);
    }
    m_text.tmHeight = m_text.tmAscent + m_text.tmDescent;
    m_text.tmInternalLeading = std::max(0, static_cast<int>(m_text.tmHeight) - m_ppem);
    // What the typographic line gap asks for beyond the Windows cell.
    auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    if (os2 && hhea) {
        long windowsCell = os2->usWinAscent + os2->usWinDescent;
        long beyondCell = hhea->Line_Gap - (windowsCell - (hhea->Ascender - hhea->Descender));
        m_text.tmExternalLeading = std::max(0, scale(beyondCell));
    }
}

void FaceMetrics::measureWidths(FT_FaceRec_* face) {
    const TT_OS2* os2 = os2Of(face);
    auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    m_text.tmAveCharWidth = os2 && os2->xAvgCharWidth > 0 ? scale(os2->xAvgCharWidth)
                                                           : roundedPixels(face->size->metrics.max_advance) / 2;
    m_text.tmMaxCharWidth = hhea ? scale(hhea->advance_Width_Max) : roundedPixels(face->size->metrics.max_advance);
}

void FaceMetrics::describeFace(FT_FaceRec_* face) {
    const TT_OS2* os2 = os2Of(face);
    bool bold = (face->style_flags & FT_STYLE_FLAG_BOLD) != 0;
    m_text.tmWeight = os2 && os2->usWeightClass ? os2->usWeightClass : (bold ? FW_BOLD : FW_NORMAL);
    m_text.tmItalic = (face->style_flags & FT_STYLE_FLAG_ITALIC) ? 1 : 0;
    m_text.tmPitchAndFamily = pitchAndFamily(face, os2);
    m_text.tmCharSet = ANSI_CHARSET;
    m_text.tmFirstChar = os2 ? os2->usFirstCharIndex : 0x20;
    m_text.tmLastChar = os2 ? os2->usLastCharIndex : 0xFF;
    bool hasVersion2 = os2 && os2->version >= 2;
    m_text.tmDefaultChar = hasVersion2 ? os2->usDefaultChar : 0;
    m_text.tmBreakChar = hasVersion2 ? os2->usBreakChar : 0x20;
}

void FaceMetrics::measureDecorations(FT_FaceRec_* face) {
    int lastRow = std::max(1, static_cast<int>(m_text.tmDescent) - 1);
    if (face->underline_thickness > 0) {
        m_decorations.underlineThickness = std::max(1, scale(face->underline_thickness));
        m_decorations.underlineBelow = std::clamp(scale(-face->underline_position), 1, lastRow);
    }
    const TT_OS2* os2 = os2Of(face);
    if (os2 && os2->yStrikeoutSize > 0) {
        m_decorations.strikeoutThickness = std::max(1, scale(os2->yStrikeoutSize));
        m_decorations.strikeoutAbove = std::max(1, scale(os2->yStrikeoutPosition));
    } else {
        m_decorations.strikeoutAbove = std::max(1, static_cast<int>(m_text.tmAscent) / 3);
    }
}

}  // namespace ce::font
