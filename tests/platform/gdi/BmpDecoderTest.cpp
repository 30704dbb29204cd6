// Bitmaps from .bmp file images: each depth with its palette, both row orders, and files
// that lie about their sizes or offsets refused without reading past the buffer.
#include "gwe/gdi/BmpDecoder.h"
#include "platform/gdi/GdiTestSupport.h"

namespace gditest {
namespace {

using Rows = std::vector<std::vector<std::uint32_t>>;

const std::vector<std::pair<char, COLORREF>> c_legend = {
    {'W', RGB(255, 255, 255)}, {'K', RGB(0, 0, 0)}, {'R', RGB(255, 0, 0)},
    {'G', RGB(0, 255, 0)},     {'B', RGB(0, 0, 255)}, {'M', RGB(128, 0, 128)}};

struct Decoded {
    HBITMAP bitmap;
    explicit Decoded(const std::vector<BYTE>& file) : bitmap(ce::gdi::createBitmapFromBmp(file.data(), file.size())) {}
    ~Decoded() { DeleteObject(bitmap); }
    const ce::gdi::Surface& surface() const { return ce::gdi::findBitmap(bitmap)->m_surface; }
    int depth() const {
        BITMAP info{};
        GetObjectW(bitmap, sizeof info, &info);
        return info.bmBitsPixel;
    }
};

TEST(BmpDecoder, PalettedImagesOfOneFourAndEightBits) {
    Decoded one(buildBmp(1, {{1, 0, 0, 1, 1, 0, 1, 0, 1}, {0, 1, 1, 0, 0, 1, 0, 1, 0}},
                         {RGB(0, 0, 0), RGB(255, 255, 255)}));
    ASSERT_NE(one.bitmap, nullptr);
    EXPECT_EQ(one.depth(), 1);
    EXPECT_TRUE(pixelsAre(one.surface(), 0, 0, {"WKKWWKWKW", "KWWKKWKWK"}, c_legend));

    const std::vector<COLORREF> palette = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(128, 0, 128)};
    Decoded four(buildBmp(4, {{0, 1, 2}, {3, 2, 1}}, palette));
    ASSERT_NE(four.bitmap, nullptr);
    EXPECT_EQ(four.depth(), 4);
    EXPECT_TRUE(pixelsAre(four.surface(), 0, 0, {"RGB", "MBG"}, c_legend));

    Decoded eight(buildBmp(8, {{3, 0}, {1, 7}}, palette));  // 7 is past the palette: black
    ASSERT_NE(eight.bitmap, nullptr);
    EXPECT_EQ(eight.depth(), 8);
    EXPECT_TRUE(pixelsAre(eight.surface(), 0, 0, {"MR", "GK"}, c_legend));
}

TEST(BmpDecoder, TwentyFourBitsBottomUpAndTopDown) {
    const Rows rows = {{0xFF0000, 0x00FF00, 0x0000FF}, {0x800080, 0xFFFFFF, 0x000000}};
    for (bool topDown : {false, true}) {
        Decoded image(buildBmp(24, rows, {}, topDown));
        ASSERT_NE(image.bitmap, nullptr);
        EXPECT_EQ(image.depth(), 24);
        EXPECT_TRUE(pixelsAre(image.surface(), 0, 0, {"RGB", "MWK"}, c_legend)) << "top-down " << topDown;
    }
}

TEST(BmpDecoder, SixteenBitsWithFiveSixFiveBitFields) {
    // A 1 x 1 image: the 40-byte header of a 24-bit one made 16-bit, then the three masks.
    std::vector<BYTE> file = buildBmp(24, {{0}});
    std::vector<BYTE> bmp{'B', 'M'};
    put32(bmp, 14 + 40 + 12 + 4);
    put32(bmp, 0);
    put32(bmp, 14 + 40 + 12);
    bmp.insert(bmp.end(), file.begin() + 14, file.begin() + 54);
    bmp[14 + 14] = 16;                     // biBitCount
    bmp[14 + 16] = BI_BITFIELDS;           // biCompression
    for (std::uint32_t mask : {0xF800u, 0x07E0u, 0x001Fu}) put32(bmp, mask);
    put32(bmp, 0x07E0);                    // pure green, and the row's padding
    Decoded image(bmp);
    ASSERT_NE(image.bitmap, nullptr);
    EXPECT_EQ(image.depth(), 16);
    EXPECT_TRUE(pixelsAre(image.surface(), 0, 0, {"G"}, c_legend));
}

TEST(BmpDecoder, MalformedFilesAreRefusedAsInvalidData) {
    const std::vector<BYTE> good = buildBmp(8, {{0, 1}, {1, 0}}, {RGB(0, 0, 0), RGB(255, 255, 255)});
    auto refused = [](std::vector<BYTE> file, DWORD error = ERROR_INVALID_DATA) {
        SetLastError(0);
        HBITMAP bitmap = ce::gdi::createBitmapFromBmp(file.data(), file.size());
        bool ok = bitmap == nullptr && GetLastError() == error;
        if (bitmap) DeleteObject(bitmap);
        return ok;
    };
    auto patched = [&good](size_t offset, std::uint32_t value) {
        std::vector<BYTE> file = good;
        for (int i = 0; i < 4; ++i) file[offset + i] = static_cast<BYTE>(value >> (8 * i));
        return file;
    };
    EXPECT_TRUE(refused(std::vector<BYTE>(good.begin(), good.end() - 1)));  // last row cut short
    EXPECT_TRUE(refused(std::vector<BYTE>(good.begin(), good.begin() + 20)));
    EXPECT_TRUE(refused(patched(10, 0xFFFFFFF0)));          // pixel data past the end
    EXPECT_TRUE(refused(patched(14, 0xFFFFFF00)));          // header longer than the file
    EXPECT_TRUE(refused(patched(18, 0x7FFFFFFF)));          // width far beyond the data
    EXPECT_TRUE(refused(patched(22, 0x80000000)));          // the most negative height
    EXPECT_TRUE(refused(patched(46, 300)));                 // more colours than 8 bits can index
    EXPECT_TRUE(refused(patched(46, 200)));                 // a palette running into the end
    EXPECT_TRUE(refused(patched(30, BI_RLE8), ERROR_NOT_SUPPORTED));
    std::vector<BYTE> notBmp = good;
    notBmp[0] = 'X';
    EXPECT_TRUE(refused(notBmp));
    EXPECT_TRUE(refused({}));
}

// Run under the address sanitizer, this shows no header value makes the decoder read past
// the buffer.
TEST(BmpDecoder, EveryTruncationIsRefusedAndCorruptHeadersNeverReadOutside) {
    const std::vector<BYTE> good = buildBmp(4, {{0, 1, 2}, {3, 2, 1}}, {RGB(1, 1, 1), RGB(2, 2, 2)});
    for (size_t length = 0; length < good.size(); ++length) {
        std::vector<BYTE> cut(good.begin(), good.begin() + static_cast<long>(length));
        EXPECT_EQ(ce::gdi::createBitmapFromBmp(cut.data(), cut.size()), nullptr) << length;
    }
    std::uint32_t seed = 12345;
    for (int round = 0; round < 3000; ++round) {
        std::vector<BYTE> file = good;
        for (int flips = 0; flips < 3; ++flips) {
            seed = seed * 1103515245 + 12345;
            file[(seed >> 8) % 62] = static_cast<BYTE>(seed >> 24);
        }
        if (HBITMAP bitmap = ce::gdi::createBitmapFromBmp(file.data(), file.size())) DeleteObject(bitmap);
    }
}

}  // namespace
}  // namespace gditest
