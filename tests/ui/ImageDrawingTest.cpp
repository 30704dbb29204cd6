// The built-in images drawn: masked arrows leave the background visible around the arrow,
// plain images copy their left square, grey on white.
#include <gtest/gtest.h>

#include "ImageStore.h"
#include "platform/gdi/GdiTestSupport.h"

using namespace Nevo;

namespace {

constexpr COLORREF c_green = RGB(0, 128, 0);

}  // namespace

TEST(ImageDrawingTest, MaskedArrowKeepsTheBackgroundAroundIt) {
    gditest::MemoryCanvas canvas(16, 16, c_green);
    ImageStore::g_imageStore.getImage(2, 11)->show(canvas.dc(), {2, 3});
    // The small down arrow: a shaft, then a head narrowing to a point.
    EXPECT_TRUE(gditest::pixelsAre(canvas.surface(), 0, 2,
                                   {"................", "......###.......", "......###.......", "......###.......",
                                    "......###.......", "......###.......", "..###########...", "...#########....",
                                    "....#######.....", "......###.......", ".......#........", ".......#........",
                                    "................"},
                                   {{'.', c_green}, {'#', RGB(255, 0, 0)}}));
}

TEST(ImageDrawingTest, PlainImageCopiesItsLeftSquareOnly) {
    gditest::MemoryCanvas canvas(40, 32, c_green);
    ImageStore::g_imageStore.getImage(0, 32)->show(canvas.dc(), {0, 0});
    EXPECT_TRUE(gditest::pixelsAre(canvas.surface(), 0, 0, {"WWWWWWWW", "WWWWWWWW"}, {{'W', RGB(255, 255, 255)}}));
    EXPECT_EQ(GetPixel(canvas.dc(), 16, 12), RGB(128, 128, 128)) << gditest::saveForInspection(canvas.surface());
    EXPECT_EQ(GetPixel(canvas.dc(), 35, 0), c_green) << gditest::saveForInspection(canvas.surface());
}
