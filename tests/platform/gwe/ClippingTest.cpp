// Where window DCs may draw, checked on the screen's pixels: not under windows above, not
// over children with WS_CLIPCHILDREN (but over them without it), and inside BeginPaint only
// in the update region.
#include "gwe/Screen.h"
#include "platform/gwe/MessageRecorder.h"

namespace gwetest {
namespace {

constexpr ce::gdi::Pixel c_red = 0xFF0000;

class ClippingTest : public WindowTest {
protected:
    HWND shown(const char* label, RECT rect, HWND parent = nullptr, DWORD style = 0) {
        HWND hwnd = create(label, parent, style | WS_VISIBLE);
        MoveWindow(hwnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, FALSE);
        recorder.dispatchPosted();
        return hwnd;
    }
    static void fillRed(HDC hdc) {
        RECT all{-1000, -1000, 1000, 1000};
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        FillRect(hdc, &all, red);
        DeleteObject(red);
    }
    static void fillClientRed(HWND hwnd) {
        HDC hdc = GetDC(hwnd);
        fillRed(hdc);
        ReleaseDC(hwnd, hdc);
    }
    static ce::gdi::Pixel at(int x, int y) { return ce::gwe::Screen::instance().surface().pixel(x, y); }
};

TEST_F(ClippingTest, AWindowDcNeverDrawsUnderAWindowAboveOrOutsideItsClientArea) {
    HWND below = shown("below", {0, 30, 100, 130});
    shown("above", {50, 80, 150, 180});
    fillClientRed(below);
    EXPECT_EQ(at(10, 40), c_red);
    EXPECT_NE(at(60, 90), c_red);    // covered by the window above
    EXPECT_NE(at(120, 40), c_red);   // outside the window
    EXPECT_NE(at(10, 140), c_red);
}

TEST_F(ClippingTest, ClipChildrenKeepsTheParentsDrawingOffItsChildren) {
    HWND clipping = shown("clipping", {0, 30, 100, 130}, nullptr, WS_CLIPCHILDREN);
    shown("child", {10, 10, 30, 30}, clipping);
    fillClientRed(clipping);
    EXPECT_NE(at(15, 45), c_red);
    EXPECT_EQ(at(5, 35), c_red);

    HWND plain = shown("plain", {120, 30, 220, 130});
    shown("child2", {10, 10, 30, 30}, plain);
    fillClientRed(plain);
    EXPECT_EQ(at(135, 45), c_red);  // without the style the parent draws over its child
}

TEST_F(ClippingTest, BeginPaintDrawsOnlyInTheUpdateRegion) {
    HWND window = shown("window", {0, 30, 100, 130});
    RECT dirty{10, 10, 20, 20};
    InvalidateRect(window, &dirty, FALSE);
    BOOL visibleInside = FALSE, visibleOutside = TRUE;
    recorder.setHandler([&](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message != WM_PAINT) return std::nullopt;
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hwnd, &ps);
        RECT inside{12, 12, 14, 14}, outside{50, 50, 60, 60};
        visibleInside = RectVisible(hdc, &inside);
        visibleOutside = RectVisible(hdc, &outside);
        fillRed(hdc);
        EndPaint(hwnd, &ps);
        return 0;
    });
    recorder.dispatchPosted();
    EXPECT_TRUE(visibleInside);
    EXPECT_FALSE(visibleOutside);
    EXPECT_EQ(at(15, 45), c_red);
    EXPECT_NE(at(50, 80), c_red);
}

}  // namespace
}  // namespace gwetest
