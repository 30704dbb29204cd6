// Fonts: Tahoma's metrics as Windows reports them, weights, LOGFONT heights, the system
// font, GetTextFaceW and the LOGFONT a font gives back.
#include <string>

#include "gwe/font/Font.h"
#include "gwe/font/FontObject.h"
#include "platform/font/TextCanvas.h"

namespace fonttest {
namespace {

TEXTMETRICW metricsOf(HFONT font) {
    TextCanvas canvas(1, 1, font);
    TEXTMETRICW metrics{};
    EXPECT_TRUE(GetTextMetricsW(canvas.hdc(), &metrics));
    return metrics;
}

std::u16string faceOf(HFONT font) {
    TextCanvas canvas(1, 1, font);
    WCHAR name[LF_FACESIZE] = {};
    EXPECT_EQ(GetTextFaceW(canvas.hdc(), LF_FACESIZE, name), 7);  // "Tahoma" and its terminator
    return name;
}

struct Expected {
    LONG lfHeight;
    LONG height, ascent, descent, internalLeading, aveCharWidth;
};

// usWinAscent 2049 and usWinDescent 423 of 2048 units, scaled and rounded.
TEST(FontMetricsTest, TahomaNinePointAtBothResolutionsHasTheWindowsCell) {
    for (Expected expected : {Expected{-12, 14, 12, 2, 2, 7}, Expected{-24, 29, 24, 5, 5, 14}}) {
        SCOPED_TRACE(expected.lfHeight);
        HFONT font = createFont(expected.lfHeight);
        TEXTMETRICW tm = metricsOf(font);
        EXPECT_EQ(faceOf(font), u"Tahoma");
        EXPECT_EQ(tm.tmHeight, expected.height);
        EXPECT_EQ(tm.tmAscent, expected.ascent);
        EXPECT_EQ(tm.tmDescent, expected.descent);
        EXPECT_EQ(tm.tmInternalLeading, expected.internalLeading);
        EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
        EXPECT_EQ(tm.tmAveCharWidth, expected.aveCharWidth);
        EXPECT_EQ(tm.tmExternalLeading, 0);
        EXPECT_EQ(tm.tmWeight, FW_NORMAL);
        EXPECT_EQ(tm.tmPitchAndFamily, FF_SWISS | TMPF_TRUETYPE | TMPF_VECTOR | TMPF_FIXED_PITCH);
        EXPECT_EQ(tm.tmBreakChar, u' ');
        deleteFont(font);
    }
}

int inkOf(HFONT font) {
    TextCanvas canvas(200, 40, font);
    ExtTextOutW(canvas.hdc(), 0, 0, 0, nullptr, u"Hamburg", 7, nullptr);
    return canvas.countOther(RECT{0, 0, 200, 40});
}

// -13 catches Wine's Tahoma Bold, whose 13-pixel strike is a copy of the regular one.
TEST(FontMetricsTest, BoldIsHeavierAndWiderThanRegular) {
    for (LONG height : {-11, -12, -13, -16, -24}) {
        SCOPED_TRACE(height);
        HFONT regular = createFont(height, FW_NORMAL);
        HFONT bold = createFont(height, FW_BOLD);
        EXPECT_EQ(faceOf(bold), u"Tahoma");
        TEXTMETRICW regularMetrics = metricsOf(regular);
        TEXTMETRICW boldMetrics = metricsOf(bold);
        EXPECT_EQ(boldMetrics.tmWeight, FW_BOLD);
        EXPECT_GT(boldMetrics.tmAveCharWidth, regularMetrics.tmAveCharWidth);
        EXPECT_EQ(boldMetrics.tmHeight, regularMetrics.tmHeight);
        EXPECT_GT(inkOf(bold), inkOf(regular) * 5 / 4);  // more ink, not only more width
        deleteFont(regular);
        deleteFont(bold);
    }
}

TEST(FontMetricsTest, WeightsUpTo550DrawRegular) {
    HFONT medium = createFont(-12, 550);
    HFONT semibold = createFont(-12, 551);
    EXPECT_EQ(metricsOf(medium).tmWeight, FW_NORMAL);
    EXPECT_EQ(metricsOf(semibold).tmWeight, FW_BOLD);
    deleteFont(medium);
    deleteFont(semibold);
}

TEST(FontMetricsTest, PositiveHeightMatchesTheCellAndZeroGivesTheDefault) {
    HFONT cell = createFont(13);
    EXPECT_EQ(metricsOf(cell).tmHeight, 13);  // the em of Tahoma 8 pt, 11 pixels
    EXPECT_EQ(metricsOf(cell).tmHeight - metricsOf(cell).tmInternalLeading, 11);
    HFONT fallback = createFont(0);
    EXPECT_EQ(metricsOf(fallback).tmHeight - metricsOf(fallback).tmInternalLeading, 12);  // at 96 dpi
    deleteFont(cell);
    deleteFont(fallback);
}

TEST(FontMetricsTest, AnUnknownFaceGetsTahoma) {
    HFONT font = createFont(-12, FW_NORMAL, u"No Such Face Here");
    EXPECT_EQ(faceOf(font), u"Tahoma");
    deleteFont(font);
}

TEST(FontMetricsTest, TheSystemFontIsTahomaEightPointNormal) {
    HFONT system = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    ASSERT_NE(system, nullptr);
    TextCanvas canvas(1, 1, nullptr);  // a new DC starts with it
    TEXTMETRICW tm{};
    ASSERT_TRUE(GetTextMetricsW(canvas.hdc(), &tm));
    EXPECT_EQ(tm.tmHeight, 13);
    EXPECT_EQ(tm.tmWeight, FW_NORMAL);
    WCHAR name[4] = {};
    EXPECT_EQ(GetTextFaceW(canvas.hdc(), 4, name), 4);  // cut to fit, terminated
    EXPECT_EQ(std::u16string(name), u"Tah");
    EXPECT_EQ(GetTextFaceW(canvas.hdc(), 0, nullptr), 7);
}

TEST(FontMetricsTest, AFontDescribesItselfWithItsLogfont) {
    EXPECT_EQ(CreateFontIndirectW(nullptr), nullptr);
    LOGFONTW logFont{};
    logFont.lfHeight = -17;
    logFont.lfItalic = TRUE;
    logFont.lfQuality = ANTIALIASED_QUALITY;
    std::char_traits<WCHAR>::copy(logFont.lfFaceName, u"Tahoma", 7);
    HFONT font = CreateFontIndirectW(&logFont);
    auto* object = ce::gdi::GdiObjects::instance().findAs<ce::font::FontObject>(font, OBJ_FONT);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->describe(0, nullptr), static_cast<int>(sizeof(LOGFONTW)));
    LOGFONTW back{};
    EXPECT_EQ(object->describe(sizeof back, &back), static_cast<int>(sizeof(LOGFONTW)));
    EXPECT_EQ(back.lfHeight, -17);
    EXPECT_EQ(back.lfItalic, TRUE);
    EXPECT_EQ(std::u16string(back.lfFaceName), u"Tahoma");
    EXPECT_EQ(metricsOf(font).tmItalic, 1);
    deleteFont(font);
}

}  // namespace
}  // namespace fonttest
