// BitBlt, StretchBlt, MaskBlt and TransparentImage: raster operations on exact pixel values,
// the monochrome/colour conversions, masks, stretching and clipping.
#include "platform/gdi/GdiTestSupport.h"

namespace gditest {
namespace {

const std::vector<std::pair<char, COLORREF>> c_legend = {
    {'W', RGB(255, 255, 255)}, {'K', RGB(0, 0, 0)},   {'R', RGB(255, 0, 0)},
    {'G', RGB(0, 255, 0)},     {'B', RGB(0, 0, 255)}, {'Y', RGB(255, 255, 0)}};

// Paints rows of legend characters into a DC.
void paint(HDC dc, const std::vector<std::string>& rows) {
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x)
            for (const auto& [symbol, color] : c_legend)
                if (symbol == rows[y][x]) SetPixel(dc, static_cast<int>(x), static_cast<int>(y), color);
}

// A monochrome bitmap: '#' is a 1 (white) bit, anything else 0.
HBITMAP monochrome(const std::vector<std::string>& rows) {
    size_t stride = ((rows[0].size() + 15) / 16) * 2;
    std::vector<BYTE> bits(stride * rows.size(), 0);
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x)
            if (rows[y][x] == '#') bits[y * stride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
    return CreateBitmap(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), 1, 1, bits.data());
}

TEST(BitBlt, RasterOperationsCombineTheBitsOfDestinationSourceAndPattern) {
    const COLORREF d = RGB(0xCC, 0xAA, 0x55), s = RGB(0xF0, 0x0F, 0x3C), p = RGB(0x96, 0x69, 0xA5);
    MemoryCanvas source(1, 1, s);
    struct Case {
        DWORD rop;
        COLORREF expected;
    };
    const Case cases[] = {
        {SRCCOPY, s},
        {SRCAND, d & s},
        {SRCINVERT, d ^ s},
        {NOTSRCCOPY, ~s & 0xFFFFFF},
        {SRCPAINT, d | s},
        {MERGECOPY, p & s},
        {0x00B8074A, ((d ^ p) & s) ^ p},  // PSDPxax: the pattern where S is 0, D where S is 1
        {BLACKNESS, 0},
        {DSTINVERT, ~d & 0xFFFFFF},
    };
    for (const Case& c : cases) {
        MemoryCanvas dest(1, 1, d);
        HBRUSH brush = CreateSolidBrush(p);
        HGDIOBJ old = SelectObject(dest.dc(), brush);
        ASSERT_TRUE(BitBlt(dest.dc(), 0, 0, 1, 1, source.dc(), 0, 0, c.rop));
        EXPECT_EQ(GetPixel(dest.dc(), 0, 0), c.expected) << std::hex << "rop " << c.rop;
        SelectObject(dest.dc(), old);
        DeleteObject(brush);
    }
}

TEST(BitBlt, CopiesToTheOffsetAndOnlyInsideTheClip) {
    MemoryCanvas source(3, 2);
    paint(source.dc(), {"RGB", "BYK"});
    MemoryCanvas dest(5, 4);
    IntersectClipRect(dest.dc(), 0, 0, 3, 4);
    ASSERT_TRUE(BitBlt(dest.dc(), 1, 1, 3, 2, source.dc(), 0, 0, SRCCOPY));
    EXPECT_TRUE(pixelsAre(dest.surface(), 0, 0, {"WWWWW", "WRGWW", "WBYWW", "WWWWW"}, c_legend));
}

TEST(BitBlt, OverlappingCopyWithinOneBitmapReadsTheSourceFirst) {
    MemoryCanvas canvas(4, 1);
    paint(canvas.dc(), {"RGBY"});
    ASSERT_TRUE(BitBlt(canvas.dc(), 1, 0, 3, 1, canvas.dc(), 0, 0, SRCCOPY));
    EXPECT_TRUE(pixelsAre(canvas.surface(), 0, 0, {"RRGB"}, c_legend));
}

TEST(BitBlt, SourcePixelsOutsideTheSourceBitmapAreSkipped) {
    MemoryCanvas source(2, 1, RGB(255, 0, 0));
    MemoryCanvas dest(4, 1);
    ASSERT_TRUE(BitBlt(dest.dc(), 0, 0, 4, 1, source.dc(), -1, 0, SRCCOPY));
    EXPECT_TRUE(pixelsAre(dest.surface(), 0, 0, {"WRRW"}, c_legend));
}

TEST(BitBlt, MonochromeSourceTakesTheDestinationsBackgroundForOnesAndTextColourForZeros) {
    HBITMAP mask = monochrome({"#..#"});
    HDC maskDc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(maskDc, mask);
    MemoryCanvas dest(4, 1);
    SetTextColor(dest.dc(), RGB(255, 0, 0));
    SetBkColor(dest.dc(), RGB(0, 0, 255));
    ASSERT_TRUE(BitBlt(dest.dc(), 0, 0, 4, 1, maskDc, 0, 0, SRCCOPY));
    EXPECT_TRUE(pixelsAre(dest.surface(), 0, 0, {"BRRB"}, c_legend));
    SelectObject(maskDc, old);
    DeleteObject(mask);
    DeleteDC(maskDc);
}

TEST(BitBlt, ColourSourceOnMonochromeIsWhiteWhereItHasTheSourcesBackgroundColour) {
    MemoryCanvas source(4, 1);
    paint(source.dc(), {"GRGB"});
    SetBkColor(source.dc(), RGB(0, 255, 0));
    MemoryCanvas dest(4, 1, RGB(0, 0, 0), true);
    ASSERT_TRUE(BitBlt(dest.dc(), 0, 0, 4, 1, source.dc(), 0, 0, SRCCOPY));
    EXPECT_TRUE(pixelsAre(dest.surface(), 0, 0, {"WKWK"}, c_legend));
}

// The toolbar idiom: an image whose transparent part is white, and a mask white there.
TEST(MaskBlt, MaskWhiteAndsTheImageWithTheBackgroundMaskBlackCopiesTheImage) {
    const std::vector<std::string> arrow = {"..#..", ".###.", "#####", "..#..", "..#.."};
    std::vector<std::string> mask, image;
    for (const std::string& row : arrow) {
        std::string m, i;
        for (char c : row) {
            m += c == '#' ? '.' : '#';
            i += c == '#' ? 'R' : 'W';
        }
        mask.push_back(m);
        image.push_back(i);
    }
    image[4][0] = 'Y';  // under the mask's white: yellow AND blue background is black
    MemoryCanvas source(5, 5);
    paint(source.dc(), image);
    HBITMAP maskBitmap = monochrome(mask);
    MemoryCanvas dest(5, 5, RGB(0, 0, 255));
    ASSERT_TRUE(MaskBlt(dest.dc(), 0, 0, 5, 5, source.dc(), 0, 0, maskBitmap, 0, 0, 0xCC8800C6));
    EXPECT_TRUE(pixelsAre(dest.surface(), 0, 0, {"BBRBB", "BRRRB", "RRRRR", "BBRBB", "KBRBB"}, c_legend));
    DeleteObject(maskBitmap);
}

TEST(MaskBlt, WithoutAMaskItIsBitBltWithTheForegroundOperation) {
    MemoryCanvas source(1, 1, RGB(0xF0, 0x0F, 0x3C));
    MemoryCanvas dest(1, 1, RGB(0xCC, 0xAA, 0x55));
    ASSERT_TRUE(MaskBlt(dest.dc(), 0, 0, 1, 1, source.dc(), 0, 0, nullptr, 0, 0, MAKEROP4(SRCAND, SRCCOPY)));
    EXPECT_EQ(GetPixel(dest.dc(), 0, 0), RGB(0xC0, 0x0A, 0x14));
}

TEST(MaskBlt, AColourMaskIsRefused) {
    MemoryCanvas source(1, 1), dest(1, 1), colourMask(1, 1);
    SetLastError(0);
    EXPECT_FALSE(MaskBlt(dest.dc(), 0, 0, 1, 1, source.dc(), 0, 0, colourMask.bitmap(), 0, 0, 0xCC8800C6));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_PARAMETER});
}

TEST(StretchBlt, NearestNeighbourScalingAndMirroring) {
    MemoryCanvas source(2, 2);
    paint(source.dc(), {"RG", "BY"});
    MemoryCanvas dest(4, 4);
    ASSERT_TRUE(StretchBlt(dest.dc(), 0, 0, 4, 4, source.dc(), 0, 0, 2, 2, SRCCOPY));
    EXPECT_TRUE(pixelsAre(dest.surface(), 0, 0, {"RRGG", "RRGG", "BBYY", "BBYY"}, c_legend));
    ASSERT_TRUE(StretchBlt(dest.dc(), 2, 0, -2, 2, source.dc(), 0, 0, 2, 2, SRCCOPY));
    EXPECT_TRUE(pixelsAre(dest.surface(), 0, 0, {"GRGG", "YBGG"}, c_legend));
}

TEST(TransparentImage, LeavesPixelsOfTheTransparentColourAndTakesABitmapAsSource) {
    MemoryCanvas source(3, 1);
    paint(source.dc(), {"RGR"});
    MemoryCanvas dest(6, 1, RGB(0, 0, 255));
    ASSERT_TRUE(TransparentImage(dest.dc(), 0, 0, 3, 1, source.dc(), 0, 0, 3, 1, RGB(255, 0, 0)));
    HDC unselected = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(nullptr, 3, 1);
    HGDIOBJ old = SelectObject(unselected, bitmap);
    paint(unselected, {"GYY"});
    SelectObject(unselected, old);
    ASSERT_TRUE(TransparentImage(dest.dc(), 3, 0, 3, 1, bitmap, 0, 0, 3, 1, RGB(255, 255, 0)));
    EXPECT_TRUE(pixelsAre(dest.surface(), 0, 0, {"BGBGBB"}, c_legend));
    DeleteObject(bitmap);
    DeleteDC(unselected);
}

}  // namespace
}  // namespace gditest
