// Clipping and regions: what IntersectClipRect, ExcludeClipRect and SelectClipRgn let
// through, GetClipBox in logical coordinates, SaveDC/RestoreDC, and CombineRgn.
#include "platform/gdi/GdiTestSupport.h"

namespace gditest {
namespace {

const std::vector<std::pair<char, COLORREF>> c_legend = {{'.', RGB(255, 255, 255)}, {'#', RGB(0, 0, 0)}};

void fillAll(HDC dc, int width, int height) {
    RECT all{0, 0, width, height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

TEST(Clipping, IntersectAndExcludeNarrowWhereFillsLand) {
    MemoryCanvas canvas(6, 4);
    EXPECT_EQ(IntersectClipRect(canvas.dc(), 1, 1, 5, 4), SIMPLEREGION);
    EXPECT_EQ(ExcludeClipRect(canvas.dc(), 2, 2, 4, 3), COMPLEXREGION);
    fillAll(canvas.dc(), 6, 4);
    EXPECT_TRUE(pixelsAre(canvas.surface(), 0, 0, {"......", ".####.", ".#..#.", ".####."}, c_legend));
    RECT box{};
    EXPECT_EQ(GetClipBox(canvas.dc(), &box), COMPLEXREGION);
    EXPECT_EQ(box.left, 1);
    EXPECT_EQ(box.bottom, 4);
    EXPECT_FALSE(PtVisible(canvas.dc(), 2, 2));
    EXPECT_TRUE(PtVisible(canvas.dc(), 1, 2));
    RECT hole{2, 2, 4, 3};
    EXPECT_FALSE(RectVisible(canvas.dc(), &hole));
}

TEST(Clipping, SelectClipRgnTakesACopyAndNullRemovesTheClip) {
    MemoryCanvas canvas(4, 2);
    HRGN region = CreateRectRgn(0, 0, 2, 1);
    EXPECT_EQ(SelectClipRgn(canvas.dc(), region), SIMPLEREGION);
    HRGN other = CreateRectRgn(0, 0, 4, 2);
    CombineRgn(region, region, other, RGN_OR);  // does not widen the selected clip
    EXPECT_TRUE(DeleteObject(region));          // nor is the region held by the DC
    fillAll(canvas.dc(), 4, 2);
    EXPECT_TRUE(pixelsAre(canvas.surface(), 0, 0, {"##..", "...."}, c_legend));
    EXPECT_EQ(SelectClipRgn(canvas.dc(), nullptr), SIMPLEREGION);
    fillAll(canvas.dc(), 4, 2);
    EXPECT_TRUE(pixelsAre(canvas.surface(), 0, 0, {"####", "####"}, c_legend));
    DeleteObject(other);
}

TEST(Clipping, TheClipIsInDeviceCoordinatesAndTheClipBoxInLogicalOnes) {
    MemoryCanvas canvas(8, 8);
    SetViewportOrgEx(canvas.dc(), 2, 2, nullptr);
    IntersectClipRect(canvas.dc(), 0, 0, 2, 2);  // device 2,2 - 4,4
    SetViewportOrgEx(canvas.dc(), 0, 0, nullptr);
    RECT box{};
    GetClipBox(canvas.dc(), &box);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.right, 4);
    SetViewportOrgEx(canvas.dc(), 1, 1, nullptr);
    GetClipBox(canvas.dc(), &box);
    EXPECT_EQ(box.left, 1);
    EXPECT_EQ(box.top, 1);
}

TEST(SaveDC, RestoreBringsBackTheClipTheObjectsAndTheColours) {
    MemoryCanvas canvas(4, 2);
    HDC dc = canvas.dc();
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    int saved = SaveDC(dc);
    EXPECT_EQ(saved, 1);
    SelectObject(dc, red);
    SetTextColor(dc, RGB(0, 255, 0));
    IntersectClipRect(dc, 0, 0, 1, 1);
    EXPECT_EQ(SaveDC(dc), 2);
    EXPECT_FALSE(DeleteObject(red));  // selected
    EXPECT_TRUE(RestoreDC(dc, saved));
    EXPECT_FALSE(RestoreDC(dc, 2));  // discarded with the one it was saved after
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_TRUE(DeleteObject(red));
    fillAll(dc, 4, 2);
    EXPECT_TRUE(pixelsAre(canvas.surface(), 0, 0, {"####", "####"}, c_legend));
}

TEST(SaveDC, NegativeIdsCountBackFromTheNewest) {
    MemoryCanvas canvas(2, 2);
    SaveDC(canvas.dc());
    SetBkColor(canvas.dc(), RGB(1, 1, 1));
    SaveDC(canvas.dc());
    SetBkColor(canvas.dc(), RGB(2, 2, 2));
    EXPECT_TRUE(RestoreDC(canvas.dc(), -1));
    EXPECT_EQ(GetBkColor(canvas.dc()), RGB(1, 1, 1));
    EXPECT_TRUE(RestoreDC(canvas.dc(), -1));
    EXPECT_EQ(GetBkColor(canvas.dc()), RGB(255, 255, 255));
    EXPECT_FALSE(RestoreDC(canvas.dc(), -1));
}

TEST(Regions, CombineModesAndBoxes) {
    HRGN a = CreateRectRgn(0, 0, 4, 4);
    HRGN b = CreateRectRgn(2, 2, 6, 6);
    HRGN out = CreateRectRgn(0, 0, 0, 0);
    RECT box{};
    EXPECT_EQ(CombineRgn(out, a, b, RGN_AND), SIMPLEREGION);
    GetRgnBox(out, &box);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.right, 4);
    EXPECT_EQ(CombineRgn(out, a, b, RGN_OR), COMPLEXREGION);
    GetRgnBox(out, &box);
    EXPECT_EQ(box.right, 6);
    EXPECT_EQ(CombineRgn(out, a, b, RGN_XOR), COMPLEXREGION);
    EXPECT_EQ(CombineRgn(out, out, a, RGN_AND), COMPLEXREGION);  // the L of a outside b
    EXPECT_EQ(CombineRgn(out, out, b, RGN_AND), NULLREGION);
    EXPECT_EQ(CombineRgn(out, a, b, RGN_DIFF), COMPLEXREGION);
    EXPECT_EQ(CombineRgn(out, b, nullptr, RGN_COPY), SIMPLEREGION);
    GetRgnBox(out, &box);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(CombineRgn(out, a, nullptr, RGN_AND), ERROR);
    for (HRGN r : {a, b, out}) DeleteObject(r);
}

}  // namespace
}  // namespace gditest
