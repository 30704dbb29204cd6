// List rows painted by TextListItemDrawer, checked by pixels: row backgrounds by index and
// selection, text colours, the second line below the first, one-line rows filled whole.
#include <gtest/gtest.h>

#include "TextListItemDrawer.h"
#include "app/App.h"
#include "app/Theme.h"
#include "cewchar.h"
#include "platform/gdi/GdiTestSupport.h"
#include "support/PlainApp.h"

using namespace Nevo;

namespace {

constexpr COLORREF c_outside = RGB(255, 0, 255);
constexpr int c_width = 120;
constexpr int c_rowHeight = 32;

class Item : public TextListItemDrawer {
public:
    Item(const char16_t* line1, const char16_t* line2) : m_lines{line1, line2} {}
    int getLine1Text(LPWSTR buffer, int) override { return copy(m_lines[0], buffer); }
    int getLine2Text(LPWSTR buffer, int) override { return copy(m_lines[1], buffer); }

private:
    static int copy(const char16_t* text, LPWSTR buffer) { return static_cast<int>(wcslen(wcscpy(buffer, text))); }
    const char16_t* m_lines[2];
};

// The box around the pixels of rows top..bottom that are not the background, and how many
// of them have the text colour.
struct Ink {
    RECT box{c_width, c_rowHeight, -1, -1};
    int textColoured = 0;
};

class TextListItemDrawerTest : public ::testing::Test {
protected:
    void drawRow(TextListItemDrawer&& item, UINT index, UINT state) {
        DRAWITEMSTRUCT record{};
        record.itemID = index;
        record.itemState = state;
        record.hDC = m_canvas.dc();
        record.rcItem = {0, 0, c_width, c_rowHeight};
        record.itemData = reinterpret_cast<ULONG_PTR>(&m_app);
        item.draw(&record);
    }

    Ink inkIn(int top, int bottom, COLORREF background, COLORREF text) const {
        Ink ink;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < c_width; ++x) {
                COLORREF pixel = GetPixel(m_canvas.dc(), x, y);
                if (pixel == background)
                    continue;
                ink.box = {std::min<LONG>(ink.box.left, x), std::min<LONG>(ink.box.top, y),
                           std::max<LONG>(ink.box.right, x), std::max<LONG>(ink.box.bottom, y)};
                ink.textColoured += pixel == text;
            }
        return ink;
    }

    // The row is filled to its corners, has text of the text colour, and nothing outside it
    // changed.
    void expectRow(ColorType background, ColorType text) {
        COLORREF back = m_theme->getColor(background);
        HDC dc = m_canvas.dc();
        EXPECT_EQ(GetPixel(dc, 0, 0), back) << saved();
        EXPECT_EQ(GetPixel(dc, c_width - 1, c_rowHeight - 1), back) << saved();
        EXPECT_EQ(GetPixel(dc, 3, c_rowHeight + 2), c_outside) << saved();
        EXPECT_GT(inkIn(0, c_rowHeight, back, m_theme->getColor(text)).textColoured, 10) << saved();
    }

    // Only on failure: writes the canvas out for a person to look at.
    std::string saved() const { return gditest::saveForInspection(m_canvas.surface()); }

    int line1Height() {
        SelectObject(m_canvas.dc(), m_theme->getFont(FontItem));
        SIZE size{};
        GetTextExtentPoint32W(m_canvas.dc(), u"HHHH", 4, &size);
        return size.cy;
    }

    test_support::PlainApp m_app;
    Theme* m_theme = m_app.getTheme();
    gditest::MemoryCanvas m_canvas{c_width, c_rowHeight + 8, c_outside};
};

}  // namespace

TEST_F(TextListItemDrawerTest, RowsAlternateFromAnEvenFirstRowAndSelectionWins) {
    drawRow(Item(u"Contacts", u"12 records"), 0, 0);
    expectRow(ColorItemBackEven, ColorItemText);
    drawRow(Item(u"Contacts", u"12 records"), 1, 0);
    expectRow(ColorItemBackOdd, ColorItemText);
    for (UINT index : {0u, 3u}) {
        drawRow(Item(u"Contacts", u"12 records"), index, ODS_SELECTED);
        expectRow(ColorSelBack, ColorSelText);
    }
}

// Both lines start 5 pixels in from the row's edge; the second goes below the first.
TEST_F(TextListItemDrawerTest, SecondLineIsIndentedLikeTheFirstAndBelowIt) {
    COLORREF background = m_theme->getColor(ColorItemBackEven);
    drawRow(Item(u"HHHH", u"HHHH"), 0, 0);
    Ink first = inkIn(0, line1Height(), background, 0);
    Ink second = inkIn(line1Height(), c_rowHeight, background, 0);
    EXPECT_GE(first.box.left, 5) << saved();
    EXPECT_LE(first.box.left, 7) << saved();
    EXPECT_NEAR(second.box.left, first.box.left, 1) << saved();
    EXPECT_GT(second.box.top, first.box.bottom) << saved();
}

TEST_F(TextListItemDrawerTest, RowWithoutSecondLineIsFilledWholeWithOneLine) {
    drawRow(Item(u"HHHH", u""), 1, 0);
    expectRow(ColorItemBackOdd, ColorItemText);
    Ink below = inkIn(line1Height(), c_rowHeight, m_theme->getColor(ColorItemBackOdd), 0);
    EXPECT_LT(below.box.right, 0) << saved();
}
