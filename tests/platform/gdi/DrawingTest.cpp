// Filling and drawing: exact pixels of FillRect, FrameRect, PatBlt, Rectangle, lines, the
// focus rectangle and edges, on memory DCs.
#include "platform/gdi/GdiTestSupport.h"

namespace gditest {
namespace {

const std::vector<std::pair<char, COLORREF>> c_legend = {
    {'.', RGB(255, 255, 255)}, {'#', RGB(0, 0, 0)},       {'r', RGB(255, 0, 0)},
    {'c', RGB(0, 255, 255)},   {'s', RGB(128, 128, 128)}, {'l', RGB(224, 224, 224)}};

class Drawing : public ::testing::Test {
protected:
    void SetUp() override {
        m_red = CreateSolidBrush(RGB(255, 0, 0));
    }
    void TearDown() override {
        DeleteObject(m_red);
    }
    HBRUSH m_red = nullptr;
};

TEST_F(Drawing, FillRectCoversLeftAndTopButNotRightAndBottom) {
    MemoryCanvas canvas(5, 4);
    RECT r{1, 1, 4, 3};
    EXPECT_EQ(FillRect(canvas.dc(), &r, m_red), 1);
    EXPECT_TRUE(pixelsAre(canvas.surface(), 0, 0, {".....", ".rrr.", ".rrr.", "....."}, c_legend));
    EXPECT_TRUE(FrameRect(canvas.dc(), &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    EXPECT_TRUE(pixelsAre(canvas.surface(), 0, 0, {".....", ".###.", ".###.", "....."}, c_legend));
}

TEST_F(Drawing, PatBltInvertsWithThePatternOrTheDestination) {
    MemoryCanvas canvas(3, 1);
    SelectObject(canvas.dc(), m_red);
    EXPECT_TRUE(PatBlt(canvas.dc(), 0, 0, 2, 1, PATINVERT));  // white ^ red = cyan
    EXPECT_TRUE(PatBlt(canvas.dc(), 2, 0, 1, 1, DSTINVERT));
    EXPECT_TRUE(pixelsAre(canvas.surface(), 0, 0, {"cc#"}, c_legend));
    EXPECT_TRUE(PatBlt(canvas.dc(), 1, 0, 2, 1, WHITENESS));
    EXPECT_TRUE(pixelsAre(canvas.surface(), 0, 0, {"c.."}, c_legend));
    EXPECT_FALSE(PatBlt(canvas.dc(), 0, 0, 1, 1, SRCCOPY));  // needs a source
    SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
}

TEST_F(Drawing, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
    MemoryCanvas canvas(6, 5);
    SelectObject(canvas.dc(), m_red);
    EXPECT_TRUE(Rectangle(canvas.dc(), 0, 0, 5, 4));
    SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
    SelectObject(canvas.dc(), GetStockObject(BLACK_BRUSH));
    EXPECT_TRUE(Rectangle(canvas.dc(), 3, 3, 6, 5));  // without a pen, one pixel short
    EXPECT_TRUE(pixelsAre(canvas.surface(), 0, 0, {"#####.", "#rrr#.", "#rrr#.", "#####.", "......"}, c_legend));
    SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
    SelectObject(canvas.dc(), GetStockObject(BLACK_PEN));
}

TEST_F(Drawing, LinesLeaveOutTheirLastPointAndMoveTheCurrentPosition) {
    MemoryCanvas canvas(5, 3);
    MoveToEx(canvas.dc(), 0, 0, nullptr);
    EXPECT_TRUE(LineTo(canvas.dc(), 4, 2));
    POINT at{};
    MoveToEx(canvas.dc(), 0, 0, &at);
    EXPECT_EQ(at.x, 4);
    EXPECT_TRUE(pixelsAre(canvas.surface(), 0, 0, {"#....", ".##..", "...#."}, c_legend));
    POINT corner[] = {{0, 2}, {2, 2}, {2, 0}};
    MemoryCanvas other(3, 3);
    EXPECT_TRUE(Polyline(other.dc(), corner, 3));
    EXPECT_TRUE(pixelsAre(other.surface(), 0, 0, {"...", "..#", "###"}, c_legend));
}

TEST_F(Drawing, FocusRectangleIsDottedAndDrawingItTwiceRemovesIt) {
    MemoryCanvas canvas(5, 4);
    RECT r{0, 0, 5, 4};
    EXPECT_TRUE(DrawFocusRect(canvas.dc(), &r));
    EXPECT_TRUE(pixelsAre(canvas.surface(), 0, 0, {"#.#.#", ".....", "#...#", ".#.#."}, c_legend));
    DrawFocusRect(canvas.dc(), &r);
    EXPECT_TRUE(pixelsAre(canvas.surface(), 0, 0, {".....", ".....", ".....", "....."}, c_legend));
}

TEST_F(Drawing, SunkenEdgeIsShadowOutsideAndDarkInsideAtTheTopLeft) {
    MemoryCanvas canvas(4, 4);
    RECT r{0, 0, 4, 4};
    EXPECT_TRUE(DrawEdge(canvas.dc(), &r, EDGE_SUNKEN, BF_RECT));
    EXPECT_TRUE(pixelsAre(canvas.surface(), 0, 0, {"sss.", "s#l.", "sll.", "...."}, c_legend));
}

TEST_F(Drawing, EllipseAndPolygonStayInsideTheirBounds) {
    MemoryCanvas canvas(7, 7);
    SelectObject(canvas.dc(), m_red);
    EXPECT_TRUE(Ellipse(canvas.dc(), 0, 0, 7, 7));
    EXPECT_TRUE(pixelsAre(canvas.surface(), 0, 0, {"..###.."}, c_legend));
    EXPECT_TRUE(pixelsAre(canvas.surface(), 0, 3, {"#rrrrr#"}, c_legend));
    POINT triangle[] = {{0, 0}, {6, 0}, {0, 6}};
    MemoryCanvas other(7, 7);
    SelectObject(other.dc(), m_red);
    EXPECT_TRUE(Polygon(other.dc(), triangle, 3));
    EXPECT_TRUE(pixelsAre(other.surface(), 0, 0, {"#######", "#rrrr#."}, c_legend));
    EXPECT_TRUE(pixelsAre(other.surface(), 0, 6, {"#......"}, c_legend));
    SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
    SelectObject(other.dc(), GetStockObject(WHITE_BRUSH));
}

TEST_F(Drawing, SetPixelOnMonochromeStoresTheNearerOfBlackAndWhite) {
    MemoryCanvas mono(2, 1, RGB(0, 0, 0), true);
    EXPECT_EQ(SetPixel(mono.dc(), 0, 0, RGB(200, 200, 100)), RGB(255, 255, 255));
    EXPECT_EQ(SetPixel(mono.dc(), 1, 0, RGB(100, 100, 150)), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(mono.dc(), 2, 0), CLR_INVALID);
}

}  // namespace
}  // namespace gditest
