// LoadBitmapW and icons: the pixels of each module's own files, drawing through a mask.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "gwe/gdi/DeviceContext.h"
#include "gwe/gdi/GdiObject.h"
#include "gwe/gdi/PngWriter.h"
#include "gwe/resource/Icon.h"
#include "platform/resource/TestModule.h"
#include "platform/resource/TestResourceIds.h"
#include "windows.h"

namespace {

using ce::gdi::GdiObjects;
using ce::gdi::Surface;
using ce::gdi::toPixel;

// Saves the surface beside the test's output so a person can look at a failure.
std::string saveForInspection(const Surface& surface, const std::string& name) {
    std::string path = testing::TempDir() + name + ".png";
    std::string error;
    return ce::gdi::writePng(surface, path, error) ? path : error;
}

TEST(BitmapResources, EachModulesBitmapHasThePixelsOfItsOwnFile) {
    TestModule module;
    HBITMAP program = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_PICTURE));
    HBITMAP library = LoadBitmapW(module.instance(), MAKEINTRESOURCEW(IDB_PICTURE));
    ASSERT_NE(program, nullptr);
    ASSERT_NE(library, nullptr);

    const Surface& picture = ce::gdi::findBitmap(program)->m_surface;
    ASSERT_EQ(picture.width(), 8);
    ASSERT_EQ(picture.height(), 8);
    // program_picture.bmp: red rises to the right, green downwards.
    for (POINT p : {POINT{0, 0}, POINT{7, 0}, POINT{0, 7}, POINT{5, 3}})
        EXPECT_EQ(picture.pixel(p.x, p.y), toPixel(RGB(p.x * 32, p.y * 32, 0x80)))
            << p.x << "," << p.y << " in " << saveForInspection(picture, "program_picture");

    const Surface& other = ce::gdi::findBitmap(library)->m_surface;
    ASSERT_EQ(other.width(), 6);
    ASSERT_EQ(other.height(), 4);
    // module_picture.bmp: red falls to the right, blue rises downwards.
    for (POINT p : {POINT{0, 0}, POINT{5, 3}})
        EXPECT_EQ(other.pixel(p.x, p.y), toPixel(RGB(0xF0 - p.x * 32, 0x40, p.y * 48)))
            << p.x << "," << p.y << " in " << saveForInspection(other, "module_picture");

    DeleteObject(program);
    DeleteObject(library);
}

TEST(BitmapResources, EveryLoadMakesABitmapOfItsOwn) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HBITMAP first = LoadBitmapW(instance, MAKEINTRESOURCEW(IDB_PICTURE));
    HBITMAP second = LoadBitmapW(instance, MAKEINTRESOURCEW(IDB_PICTURE));
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first, second);
    EXPECT_TRUE(DeleteObject(first));
    EXPECT_NE(ce::gdi::findBitmap(second), nullptr);
    DeleteObject(second);
}

TEST(BitmapResources, UnknownNamesAndTheNullInstanceFail) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    EXPECT_EQ(LoadBitmapW(instance, MAKEINTRESOURCEW(IDS_GREETING)), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    EXPECT_EQ(LoadBitmapW(instance, u"PICTURE"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    EXPECT_EQ(LoadBitmapW(nullptr, MAKEINTRESOURCEW(IDB_PICTURE)), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_DATA_NOT_FOUND));
}

// A memory DC drawing into a 12 x 12 bitmap of one colour.
class IconCanvas {
public:
    static constexpr COLORREF c_background = RGB(0x33, 0x66, 0x99);

    IconCanvas() :
        m_bitmap(GdiObjects::instance().add(std::make_unique<ce::gdi::Bitmap>(12, 12, 32))),
        m_dc(ce::gdi::DeviceContext::createMemory()) {
        surface() = Surface(12, 12, toPixel(c_background));
        ce::gdi::DeviceContext::find(m_dc)->selectBitmap(static_cast<HBITMAP>(m_bitmap));
    }
    ~IconCanvas() {
        ce::gdi::DeviceContext::destroy(m_dc);
        DeleteObject(m_bitmap);
    }
    HDC dc() const { return m_dc; }
    Surface& surface() const { return ce::gdi::findBitmap(static_cast<HBITMAP>(m_bitmap))->m_surface; }
    COLORREF at(int x, int y) const { return ce::gdi::toColorRef(surface().pixel(x, y)); }

private:
    HGDIOBJ m_bitmap;
    HDC m_dc;
};

// icon_mask.bmp is opaque on row 3 and 4 and column 3 and 4 (a cross); icon_image.bmp is
// RGB(0xC0, 0x10 * y, 0x10 * x) there and black elsewhere.
COLORREF iconColour(int x, int y) {
    return RGB(0xC0, 0x10 * y, 0x10 * x);
}

TEST(IconResources, AnIconDrawsItsImageWhereTheMaskIsBlackAndLeavesTheRest) {
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MARK));
    ASSERT_NE(icon, nullptr);
    IconCanvas canvas;
    ASSERT_TRUE(DrawIcon(canvas.dc(), 2, 2, icon));
    std::string image = saveForInspection(canvas.surface(), "icon");
    EXPECT_EQ(canvas.at(2 + 3, 2 + 0), iconColour(3, 0)) << image;
    EXPECT_EQ(canvas.at(2 + 4, 2 + 4), iconColour(4, 4)) << image;
    EXPECT_EQ(canvas.at(2 + 0, 2 + 3), iconColour(0, 3)) << image;
    EXPECT_EQ(canvas.at(2 + 0, 2 + 0), IconCanvas::c_background) << image;
    EXPECT_EQ(canvas.at(2 + 7, 2 + 7), IconCanvas::c_background) << image;
    EXPECT_EQ(canvas.at(1, 5), IconCanvas::c_background) << image;
    EXPECT_TRUE(DestroyIcon(icon));
}

TEST(IconResources, AnIconPartlyOffTheBitmapDrawsWhatFits) {
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MARK));
    IconCanvas canvas;
    ASSERT_TRUE(DrawIcon(canvas.dc(), 8, -3, icon));
    EXPECT_EQ(canvas.at(8 + 3, 0), iconColour(3, 3)) << saveForInspection(canvas.surface(), "icon_clipped");
    EXPECT_EQ(canvas.at(8, 0), iconColour(0, 3));
    EXPECT_EQ(canvas.at(8, 2), IconCanvas::c_background);
    DestroyIcon(icon);
}

TEST(IconResources, AsAlphaPixelsAnIconIsOpaqueWhereTheMaskIsBlackAndClearElsewhere) {
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MARK));
    const ce::res::Icon* found = ce::res::Icon::find(icon);
    ASSERT_NE(found, nullptr);
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    ASSERT_TRUE(found->toArgb(width, height, pixels));
    ASSERT_EQ(pixels.size(), static_cast<size_t>(width) * height);
    auto at = [&](int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; };
    EXPECT_EQ(at(3, 0), 0xFF000000u | toPixel(iconColour(3, 0)));
    EXPECT_EQ(at(4, 4), 0xFF000000u | toPixel(iconColour(4, 4)));
    EXPECT_EQ(at(0, 0), 0u);
    EXPECT_EQ(at(width - 1, height - 1), 0u);
    DestroyIcon(icon);
}

TEST(IconResources, ADestroyedIconIsAStaleHandle) {
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MARK));
    ASSERT_TRUE(DestroyIcon(icon));
    IconCanvas canvas;
    EXPECT_FALSE(DrawIcon(canvas.dc(), 0, 0, icon));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(DestroyIcon(icon));
    TestModule module;
    EXPECT_EQ(LoadIconW(module.instance(), MAKEINTRESOURCEW(IDI_MARK)), nullptr);
}

}  // namespace
