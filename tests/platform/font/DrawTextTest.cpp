// DrawTextW: measured rectangles, line heights, prefixes underlined, alignment, vertical
// placement of single lines, word breaking and clipping to the rectangle.
#include "platform/font/TextCanvas.h"

namespace fonttest {
namespace {

constexpr int c_line = 14;  // Tahoma -12

class DrawTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        font = createFont(-12);
        canvas = std::make_unique<TextCanvas>(160, 80, font);
    }
    void TearDown() override {
        canvas->saveIfFailed();
        canvas.reset();
        deleteFont(font);
    }
    HDC hdc() const { return canvas->hdc(); }
    int width(std::u16string_view text) const {
        SIZE size{};
        GetTextExtentPoint32W(hdc(), text.data(), static_cast<int>(text.size()), &size);
        return size.cx;
    }
    RECT measure(std::u16string_view text, UINT format, RECT rect = RECT{10, 10, 110, 10}) const {
        DrawTextW(hdc(), text.data(), static_cast<int>(text.size()), &rect, format | DT_CALCRECT);
        return rect;
    }
    // The smallest rectangle around everything drawn.
    RECT inkBox() const {
        RECT box{1000, 1000, -1, -1};
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 160; ++x)
                if (canvas->pixel(x, y) != c_white)
                    box = RECT{std::min(box.left, LONG(x)), std::min(box.top, LONG(y)),
                               std::max(box.right, LONG(x + 1)), std::max(box.bottom, LONG(y + 1))};
        return box;
    }

    HFONT font = nullptr;
    std::unique_ptr<TextCanvas> canvas;
};

TEST_F(DrawTextTest, CalcRectMeasuresLinesAndDrawsNothing) {
    RECT rect{10, 10, 110, 10};
    EXPECT_EQ(DrawTextW(hdc(), u"Name\r\nTelephone number", -1, &rect, DT_CALCRECT), 2 * c_line);
    EXPECT_EQ(rect.right, 10 + width(u"Telephone number"));
    EXPECT_EQ(rect.bottom, 10 + 2 * c_line);
    EXPECT_EQ(canvas->countOther(RECT{0, 0, 160, 80}), 0);

    EXPECT_EQ(measure(u"a\r\nb\rc\nd", 0).bottom, 10 + 4 * c_line);
    RECT single = measure(u"a\r\nb", DT_SINGLELINE);
    EXPECT_EQ(single.bottom, 10 + c_line);
    EXPECT_EQ(single.right, 10 + width(u"ab"));
    EXPECT_EQ(measure(u"a\tb", DT_EXPANDTABS).right, 10 + 8 * 7 + width(u"b"));  // average width 7
}

TEST_F(DrawTextTest, APrefixUnderlinesItsCharacterOnlyAndIsNotShown) {
    EXPECT_EQ(measure(u"&File", 0).right, 10 + width(u"File"));
    EXPECT_EQ(measure(u"A&&B", 0).right, 10 + width(u"A&B"));
    EXPECT_EQ(measure(u"&File", DT_NOPREFIX).right, 10 + width(u"&File"));

    SetBkMode(hdc(), TRANSPARENT);
    RECT rect{10, 10, 150, 40};
    DrawTextW(hdc(), u"F&ile", -1, &rect, 0);
    int fWidth = width(u"F");
    int iWidth = width(u"i");
    // Below the baseline (row 22), a row inked exactly under the 'i'.
    int underline = -1;
    for (int y = 22; y < 10 + c_line && underline < 0; ++y)
        if (canvas->countOther(RECT{10 + fWidth, y, 10 + fWidth + iWidth, y + 1}, 0) == 0) underline = y;
    ASSERT_GE(underline, 22);
    EXPECT_EQ(canvas->countOther(RECT{10, underline, 10 + fWidth, underline + 1}), 0);
    EXPECT_EQ(canvas->countOther(RECT{10 + fWidth + iWidth, underline, 150, underline + 1}), 0);
}

TEST_F(DrawTextTest, CentreAndRightAlignEachLineInTheRectangle) {
    SetBkMode(hdc(), TRANSPARENT);
    RECT rect{0, 0, 160, 40};
    DrawTextW(hdc(), u"mmm", -1, &rect, DT_RIGHT);
    RECT right = inkBox();
    EXPECT_LE(right.right, 160);
    EXPECT_GE(right.right, 158);

    canvas = std::make_unique<TextCanvas>(160, 80, font);
    SetBkMode(hdc(), TRANSPARENT);
    DrawTextW(hdc(), u"mmm", -1, &rect, DT_CENTER);
    RECT centre = inkBox();
    EXPECT_NEAR(centre.left, 160 - centre.right, 2);
}

TEST_F(DrawTextTest, VerticalPlacementOfASingleLineAndWhatItReturns) {
    RECT rect{0, 0, 160, 80};
    EXPECT_EQ(DrawTextW(hdc(), u"Hx", -1, &rect, DT_SINGLELINE | DT_BOTTOM), 80);
    EXPECT_GE(inkBox().top, 80 - c_line);

    canvas = std::make_unique<TextCanvas>(160, 80, font);
    EXPECT_EQ(DrawTextW(hdc(), u"Hx", -1, &rect, DT_SINGLELINE | DT_VCENTER), (80 - c_line) / 2 + c_line);
    RECT centre = inkBox();
    EXPECT_NEAR(centre.top + centre.bottom, 80, 6);

    // Vertical placement is for single lines: ignored otherwise.
    canvas = std::make_unique<TextCanvas>(160, 80, font);
    EXPECT_EQ(DrawTextW(hdc(), u"Hx", -1, &rect, DT_BOTTOM), c_line);
    EXPECT_LT(inkBox().bottom, c_line + 1);
}

TEST_F(DrawTextTest, WordBreakWrapsToTheRectangleWidth) {
    int twoWords = width(u"Call home");
    RECT rect{0, 0, twoWords, 0};
    DrawTextW(hdc(), u"Call home now", -1, &rect, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(rect.bottom, 2 * c_line);
    EXPECT_EQ(rect.right, twoWords);
}

TEST_F(DrawTextTest, TextIsClippedToTheRectangleUnlessNoClip) {
    SetBkMode(hdc(), TRANSPARENT);
    RECT rect{10, 10, 30, 20};
    DrawTextW(hdc(), u"Overflowing", -1, &rect, 0);
    EXPECT_GT(canvas->countOther(rect), 0);
    EXPECT_EQ(canvas->countOutside(rect), 0);

    DrawTextW(hdc(), u"Overflowing", -1, &rect, DT_NOCLIP);
    EXPECT_GT(canvas->countOutside(rect), 20);
}

}  // namespace
}  // namespace fonttest
