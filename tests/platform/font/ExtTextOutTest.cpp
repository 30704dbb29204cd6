// ExtTextOutW's pixels: glyphs inside the cell in the text colour, the background by mode
// and by ETO_OPAQUE, clipping by ETO_CLIPPED and by the DC, and per-character advances.
#include "platform/font/TextCanvas.h"

namespace fonttest {
namespace {

constexpr COLORREF c_navy = RGB(0, 0, 128);
constexpr COLORREF c_red = RGB(255, 0, 0);

class ExtTextOutTest : public ::testing::Test {
protected:
    void SetUp() override { use(createFont(-12)); }
    void TearDown() override {
        canvas->saveIfFailed();
        canvas.reset();
        deleteFont(font);
    }
    void use(HFONT newFont) {
        canvas.reset();
        if (font) deleteFont(font);
        font = newFont;
        canvas = std::make_unique<TextCanvas>(120, 40, font);
        SetTextColor(hdc(), c_navy);
    }
    HDC hdc() const { return canvas->hdc(); }
    RECT cellAt(int x, int y, std::u16string_view text) const {
        SIZE size{};
        GetTextExtentPoint32W(hdc(), text.data(), static_cast<int>(text.size()), &size);
        return RECT{x, y, x + size.cx, y + size.cy};
    }
    bool draw(int x, int y, std::u16string_view text, UINT options = 0, const RECT* rect = nullptr,
              const INT* dx = nullptr) {
        return ExtTextOutW(hdc(), x, y, options, rect, text.data(), static_cast<UINT>(text.size()), dx);
    }

    HFONT font = nullptr;
    std::unique_ptr<TextCanvas> canvas;
};

TEST_F(ExtTextOutTest, TransparentTextInksOnlyInsideItsCellInTheTextColour) {
    SetBkMode(hdc(), TRANSPARENT);
    ASSERT_TRUE(draw(10, 5, u"Hello"));
    RECT cell = cellAt(10, 5, u"Hello");
    int ink = canvas->countOther(cell);
    EXPECT_GT(ink, 30);
    EXPECT_EQ(canvas->countOutside(cell), 0);
    // One-bit glyphs: every inked pixel is exactly the text colour.
    int area = (cell.right - cell.left) * (cell.bottom - cell.top);
    EXPECT_EQ(canvas->countOther(cell, ce::gdi::toPixel(c_navy)), area - ink);
}

TEST_F(ExtTextOutTest, TheCellTopLeftIsAtXYAndTheStemOfAnLStandsOnTheBaseline) {
    SetBkMode(hdc(), TRANSPARENT);
    draw(20, 5, u"l");
    // Tahoma's 12-pixel strike: 'l' is one column, ten rows, ending on the baseline (ascent 12).
    int column = -1;
    for (int x = 20; x < 23 && column < 0; ++x)
        if (canvas->pixel(x, 16) != c_white) column = x;
    ASSERT_GE(column, 20);
    for (int y = 5; y < 19; ++y) {
        bool inked = y >= 7 && y < 17;
        EXPECT_EQ(canvas->pixel(column, y) != c_white, inked) << "row " << y;
    }
    EXPECT_EQ(canvas->countOther(RECT{0, 0, 120, 40}), 10);
}

TEST_F(ExtTextOutTest, OpaqueModeFillsTheCellWithTheBackgroundColour) {
    SetBkColor(hdc(), c_red);
    draw(10, 5, u"Hello");
    RECT cell = cellAt(10, 5, u"Hello");
    int ink = canvas->countOther(cell, ce::gdi::toPixel(c_red));
    EXPECT_GT(ink, 30);
    EXPECT_EQ(canvas->countOther(cell, ce::gdi::toPixel(c_red)) + canvas->countOther(cell, ce::gdi::toPixel(c_navy)),
              (cell.right - cell.left) * (cell.bottom - cell.top));  // only text and background
    EXPECT_EQ(canvas->pixel(cell.right - 1, cell.bottom - 1), ce::gdi::toPixel(c_red));
    EXPECT_EQ(canvas->countOutside(cell), 0);

    SetBkMode(hdc(), TRANSPARENT);
    draw(10, 22, u"Hello");
    EXPECT_EQ(canvas->countOther(RECT{0, 20, 120, 40}, ce::gdi::toPixel(c_red)), 120 * 20);  // no red there
}

TEST_F(ExtTextOutTest, EtoOpaqueFillsItsRectangleWhateverTheModeAndWithoutText) {
    SetBkMode(hdc(), TRANSPARENT);
    SetBkColor(hdc(), c_red);
    RECT rect{2, 3, 50, 30};
    ASSERT_TRUE(draw(0, 0, u"", ETO_OPAQUE, &rect));
    EXPECT_EQ(canvas->countOther(rect, ce::gdi::toPixel(c_red)), 0);
    EXPECT_EQ(canvas->countOutside(rect), 0);
}

TEST_F(ExtTextOutTest, EtoClippedKeepsTheTextInsideTheRectangle) {
    SetBkMode(hdc(), TRANSPARENT);
    RECT cell = cellAt(10, 5, u"Hello");
    RECT half{cell.left, cell.top, (cell.left + cell.right) / 2, cell.bottom};
    draw(10, 5, u"Hello", ETO_CLIPPED, &half);
    EXPECT_GT(canvas->countOther(half), 10);
    EXPECT_EQ(canvas->countOutside(half), 0);

    // The DC's clip counts too.
    IntersectClipRect(hdc(), 0, 20, 30, 40);
    draw(10, 22, u"Hello");
    EXPECT_EQ(canvas->countOther(RECT{30, 20, 120, 40}), 0);
    EXPECT_GT(canvas->countOther(RECT{0, 20, 30, 40}), 10);
}

TEST_F(ExtTextOutTest, PerCharacterAdvancesPlaceEachGlyph) {
    SetBkMode(hdc(), TRANSPARENT);
    INT dx[] = {30, 30};
    draw(10, 5, u"ll", 0, nullptr, dx);
    EXPECT_GT(canvas->countOther(RECT{10, 0, 14, 40}), 0);
    EXPECT_EQ(canvas->countOther(RECT{14, 0, 40, 40}), 0);
    EXPECT_GT(canvas->countOther(RECT{40, 0, 44, 40}), 0);
}

TEST_F(ExtTextOutTest, ASurrogatePairDrawsOneDefaultGlyph) {
    SetBkMode(hdc(), TRANSPARENT);
    draw(0, 0, u"\U0001F600");
    draw(0, 20, u"\uE000");  // also missing from Tahoma
    RECT pair = cellAt(0, 0, u"\U0001F600");
    EXPECT_EQ(pair.right, cellAt(0, 0, u"\uE000").right);
    EXPECT_GT(canvas->countOther(RECT{0, 0, 120, 20}), 0);
    EXPECT_EQ(canvas->countOther(RECT{0, 0, 120, 20}), canvas->countOther(RECT{0, 20, 120, 40}));
}

TEST_F(ExtTextOutTest, AnUnderlinedFontRulesTheWholeRunBelowTheBaseline) {
    LOGFONTW logFont{};
    logFont.lfHeight = -12;
    logFont.lfUnderline = TRUE;
    use(CreateFontIndirectW(&logFont));
    SetBkMode(hdc(), TRANSPARENT);
    draw(10, 5, u"a b");
    RECT cell = cellAt(10, 5, u"a b");
    int ruled = -1;
    for (int y = 5 + 12; y < cell.bottom && ruled < 0; ++y)
        if (canvas->countOther(RECT{cell.left, y, cell.right, y + 1}, ce::gdi::toPixel(c_navy)) == 0) ruled = y;
    EXPECT_GT(ruled, 5 + 12 - 1) << "no full row below the baseline";
    EXPECT_EQ(canvas->pixel(cell.right, ruled), c_white);
}

// Leftmost inked column of a row, or -1.
int firstInk(const TextCanvas& canvas, int y) {
    for (int x = 0; x < canvas.surface().width(); ++x)
        if (canvas.pixel(x, y) != c_white) return x;
    return -1;
}

TEST_F(ExtTextOutTest, TextIsOneBitUnlessSmoothingIsAskedForAndItalicLeansRight) {
    LOGFONTW logFont{};
    logFont.lfHeight = -24;
    use(CreateFontIndirectW(&logFont));
    SetTextColor(hdc(), RGB(0, 0, 0));
    draw(10, 5, u"Os");
    RECT cell = cellAt(10, 5, u"Os");
    int area = (cell.right - cell.left) * (cell.bottom - cell.top);
    int grey = canvas->countOther(cell, 0) + canvas->countOther(cell, c_white) - area;  // neither
    EXPECT_EQ(grey, 0) << "an outline size drawn with grey pixels";

    logFont.lfQuality = ANTIALIASED_QUALITY;
    use(CreateFontIndirectW(&logFont));
    SetTextColor(hdc(), RGB(0, 0, 0));
    draw(10, 5, u"Os");
    grey = canvas->countOther(cell, 0) + canvas->countOther(cell, c_white) - area;
    EXPECT_GT(grey, 10);

    logFont.lfQuality = DEFAULT_QUALITY;
    logFont.lfItalic = TRUE;
    use(CreateFontIndirectW(&logFont));
    draw(10, 5, u"l");
    EXPECT_GT(firstInk(*canvas, 5 + 6), firstInk(*canvas, 5 + 23));  // Tahoma has no italic: slanted
}

TEST_F(ExtTextOutTest, BadArgumentsFail) {
    EXPECT_FALSE(ExtTextOutW(nullptr, 0, 0, 0, nullptr, u"a", 1, nullptr));
    EXPECT_FALSE(ExtTextOutW(hdc(), 0, 0, 0, nullptr, nullptr, 1, nullptr));
}

}  // namespace
}  // namespace fonttest
