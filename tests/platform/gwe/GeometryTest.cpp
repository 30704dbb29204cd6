// Where windows go and how coordinates convert: the default place below the navigation bar,
// client areas inside a border, conversions between windows, and hit testing.
#include <cstdlib>

#include "platform/gwe/MessageRecorder.h"
#include "support/RectCompare.h"

namespace gwetest {
namespace {

class GeometryTest : public WindowTest {};

HWND createDefault() {
    return CreateWindowExW(0, u"RecordedWindow", u"", 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
}

TEST_F(GeometryTest, DefaultTopLevelWindowsFillTheScreenBelowTheNavigationBar) {
    HWND main = createDefault();
    RECT rect, work;
    GetWindowRect(main, &rect);
    EXPECT_EQ(rect, (RECT{0, 26, 240, 320}));
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work, rect);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 240);
    DestroyWindow(main);
}

// The screen's mode is read once, so this runs in a process of its own.
void checkVgaPlacement() {
    setenv("CE_SCREEN", "vga", 1);
    HWND main = createDefault();
    RECT rect;
    GetWindowRect(main, &rect);
    bool right = rect == RECT{0, 52, 480, 640} && GetSystemMetrics(SM_CYSCREEN) == 640;
    std::exit(right ? 0 : 1);
}

TEST_F(GeometryTest, VgaScreenDoublesEverythingAt192Dpi) {
    // A fresh process even when earlier tests in this one made the screen already.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(checkVgaPlacement(), ::testing::ExitedWithCode(0), "");
}

TEST_F(GeometryTest, ABorderedChildsClientAreaIsInsideItsFrame) {
    HWND parent = create("parent");
    MoveWindow(parent, 5, 30, 200, 200, FALSE);
    HWND child = create("child", parent, WS_BORDER);
    MoveWindow(child, 10, 20, 52, 42, FALSE);
    RECT client, rect;
    GetClientRect(child, &client);
    EXPECT_EQ(client, (RECT{0, 0, 50, 40}));
    GetWindowRect(child, &rect);
    EXPECT_EQ(rect, (RECT{15, 50, 67, 92}));
    POINT pt{0, 0};
    ClientToScreen(child, &pt);
    EXPECT_EQ(pt.x, 16);
    EXPECT_EQ(pt.y, 51);
    ScreenToClient(parent, &pt);
    EXPECT_EQ(pt.x, 11);
    EXPECT_EQ(pt.y, 21);
    POINT points[1] = {{0, 0}};
    MapWindowPoints(child, parent, points, 1);
    EXPECT_EQ(points[0].x, 11);
    EXPECT_EQ(points[0].y, 21);
}

TEST_F(GeometryTest, WindowFromPointFindsTheTopmostShownWindowAndItsDeepestChild) {
    HWND below = create("below", nullptr, WS_VISIBLE);
    MoveWindow(below, 0, 30, 100, 100, FALSE);
    HWND above = create("above", nullptr, WS_VISIBLE);
    MoveWindow(above, 50, 30, 100, 100, FALSE);
    HWND child = create("child", above, WS_VISIBLE);
    MoveWindow(child, 0, 0, 20, 20, FALSE);
    EXPECT_EQ(WindowFromPoint({10, 40}), below);
    EXPECT_EQ(WindowFromPoint({55, 35}), child);
    EXPECT_EQ(WindowFromPoint({80, 80}), above);
    EXPECT_EQ(ChildWindowFromPoint(above, {5, 5}), child);
    EXPECT_EQ(ChildWindowFromPoint(above, {50, 50}), above);
    ShowWindow(above, SW_HIDE);
    EXPECT_EQ(WindowFromPoint({80, 80}), below);
    EXPECT_EQ(WindowFromPoint({200, 200}), nullptr);
}

}  // namespace
}  // namespace gwetest
