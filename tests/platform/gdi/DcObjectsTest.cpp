// Device contexts and GDI objects: selection rules, deletion rules, descriptions, stale
// handles, and the DC's own settings.
#include "gwe/Screen.h"
#include "platform/gdi/GdiTestSupport.h"

namespace gditest {
namespace {

void expectInvalidHandle(bool failed) {
    EXPECT_TRUE(failed);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_HANDLE});
    SetLastError(0);
}

TEST(GdiObjects, SelectReturnsThePreviousObjectAndSelectedOrStockObjectsCannotBeDeleted) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(SelectObject(dc, brush), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_BRUSH)), brush);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_FALSE(DeleteObject(GetStockObject(BLACK_PEN)));
    EXPECT_EQ(GetObjectType(GetStockObject(BLACK_PEN)), DWORD{OBJ_PEN});
    EXPECT_TRUE(DeleteDC(dc));
}

TEST(GdiObjects, ABitmapIsSelectedIntoOneMemoryDcAtATime) {
    HDC first = CreateCompatibleDC(nullptr);
    HDC second = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(nullptr, 4, 4);
    HGDIOBJ stock = SelectObject(first, bitmap);
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(SelectObject(second, bitmap), nullptr);
    EXPECT_FALSE(DeleteObject(bitmap));
    EXPECT_EQ(SelectObject(first, stock), bitmap);
    EXPECT_EQ(SelectObject(second, bitmap), stock);  // the stock bitmap sits in many DCs
    EXPECT_TRUE(DeleteDC(second));                   // deselects it
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteDC(first));
}

TEST(GdiObjects, StaleAndForeignHandlesFailWithInvalidHandle) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(9, 9, 9));
    DeleteObject(brush);
    DeleteDC(dc);
    SetLastError(0);
    expectInvalidHandle(!DeleteObject(brush));
    expectInvalidHandle(GetObjectW(brush, 0, nullptr) == 0);
    expectInvalidHandle(GetObjectType(brush) == 0);
    expectInvalidHandle(SelectObject(dc, GetStockObject(BLACK_BRUSH)) == nullptr);
    expectInvalidHandle(SaveDC(dc) == 0);
    expectInvalidHandle(GetTextColor(dc) == CLR_INVALID);
    RECT r{0, 0, 1, 1};
    expectInvalidHandle(FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))) == 0);
    expectInvalidHandle(!BitBlt(dc, 0, 0, 1, 1, nullptr, 0, 0, BLACKNESS));
    expectInvalidHandle(!DeleteDC(dc));
    expectInvalidHandle(GetObjectType(reinterpret_cast<HGDIOBJ>(std::uintptr_t{0x12345})) == 0);
}

TEST(GdiObjects, DeviceContextsAndObjectsNeverShareAHandle) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBRUSH brush = CreateSolidBrush(0);
    EXPECT_EQ(GetObjectType(dc), DWORD{OBJ_MEMDC});
    EXPECT_EQ(GetObjectType(brush), DWORD{OBJ_BRUSH});
    EXPECT_NE(static_cast<HGDIOBJ>(dc), static_cast<HGDIOBJ>(brush));
    DeleteObject(brush);
    DeleteDC(dc);
}

TEST(GdiObjects, GetObjectDescribesBitmapsBrushesAndPens) {
    HBITMAP colour = CreateCompatibleBitmap(nullptr, 10, 3);
    BITMAP info{};
    EXPECT_EQ(GetObjectW(colour, 0, nullptr), int{sizeof(BITMAP)});
    ASSERT_EQ(GetObjectW(colour, sizeof info, &info), int{sizeof(BITMAP)});
    EXPECT_EQ(info.bmWidth, 10);
    EXPECT_EQ(info.bmHeight, 3);
    EXPECT_EQ(info.bmBitsPixel, 16);
    EXPECT_EQ(info.bmWidthBytes, 20);
    EXPECT_EQ(info.bmPlanes, 1);

    HDC dc = CreateCompatibleDC(nullptr);  // holds the stock monochrome bitmap
    HBITMAP mono = CreateCompatibleBitmap(dc, 17, 2);
    ASSERT_EQ(GetObjectW(mono, sizeof info, &info), int{sizeof(BITMAP)});
    EXPECT_EQ(info.bmBitsPixel, 1);
    EXPECT_EQ(info.bmWidthBytes, 4);

    LOGPEN pen{};
    HPEN dashed = CreatePen(PS_DASH, 3, RGB(1, 2, 3));
    ASSERT_EQ(GetObjectW(dashed, sizeof pen, &pen), int{sizeof(LOGPEN)});
    EXPECT_EQ(pen.lopnStyle, UINT{PS_DASH});
    EXPECT_EQ(pen.lopnColor, RGB(1, 2, 3));
    for (HGDIOBJ object : {HGDIOBJ(colour), HGDIOBJ(mono), HGDIOBJ(dashed)}) DeleteObject(object);
    DeleteDC(dc);
}

TEST(DeviceContext, ColoursModesAndViewportReturnThePreviousValue) {
    MemoryCanvas canvas(4, 4);
    HDC dc = canvas.dc();
    EXPECT_EQ(SetTextColor(dc, RGB(1, 2, 3)), RGB(0, 0, 0));
    EXPECT_EQ(SetBkColor(dc, RGB(4, 5, 6)), RGB(255, 255, 255));
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkMode(dc, 7), 0);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    POINT previous{-1, -1};
    EXPECT_TRUE(SetViewportOrgEx(dc, 2, 1, &previous));
    EXPECT_EQ(previous.x, 0);
    SetPixel(dc, 0, 0, RGB(255, 0, 0));
    EXPECT_EQ(ce::gdi::toColorRef(canvas.surface().pixel(2, 1)), RGB(255, 0, 0));
}

TEST(DeviceContext, CapabilitiesDescribeTheHandheldsScreen) {
    HDC dc = CreateCompatibleDC(nullptr);
    const ce::gwe::Screen& screen = ce::gwe::Screen::instance();
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), screen.width());
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES), screen.height());
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), screen.dpi());
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 16);
    EXPECT_EQ(GetDeviceCaps(dc, PLANES), 1);
    DeleteDC(dc);
}

}  // namespace
}  // namespace gditest
