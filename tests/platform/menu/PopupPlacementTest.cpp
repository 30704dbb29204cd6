// Placing pop-up menus: the TPM_ alignment flags put the point where they say, the menu is
// moved (never cut) onto the screen, an excluded rectangle is kept clear, and sub-menus
// cascade to the right unless there is no room.
#include <gtest/gtest.h>

#include "gwe/menu/PopupPlacement.h"

namespace ce::gwe::popup {
namespace {

constexpr RECT c_screen{0, 0, 240, 320};
constexpr SIZE c_size{100, 80};

RECT rect(int left, int top, int right, int bottom) {
    return RECT{left, top, right, bottom};
}

void expectRect(const RECT& got, const RECT& expected) {
    EXPECT_EQ(got.left, expected.left);
    EXPECT_EQ(got.top, expected.top);
    EXPECT_EQ(got.right, expected.right);
    EXPECT_EQ(got.bottom, expected.bottom);
}

TEST(PopupPlacementTest, AlignmentFlagsPutThePointAtTheNamedCornerOrCentre) {
    expectRect(place(c_size, {50, 60}, TPM_LEFTALIGN | TPM_TOPALIGN, nullptr, c_screen), rect(50, 60, 150, 140));
    expectRect(place(c_size, {200, 290}, TPM_RIGHTALIGN | TPM_BOTTOMALIGN, nullptr, c_screen),
               rect(100, 210, 200, 290));
    expectRect(place(c_size, {120, 160}, TPM_CENTERALIGN | TPM_VCENTERALIGN, nullptr, c_screen),
               rect(70, 120, 170, 200));
}

TEST(PopupPlacementTest, AMenuThatWouldLeaveTheScreenIsMovedBackWhole) {
    expectRect(place(c_size, {230, 300}, 0, nullptr, c_screen), rect(140, 240, 240, 320));
    expectRect(place(c_size, {10, 20}, TPM_RIGHTALIGN | TPM_BOTTOMALIGN, nullptr, c_screen), rect(0, 0, 100, 80));
    expectRect(place(SIZE{100, 400}, {10, 100}, 0, nullptr, c_screen), rect(10, 0, 110, 400));  // taller: top kept
}

TEST(PopupPlacementTest, TheExcludedRectangleIsKeptClearSidewaysOrWithVerticalAboveAndBelow) {
    TPMPARAMS params{sizeof(TPMPARAMS), rect(40, 50, 90, 70)};
    expectRect(place(c_size, {50, 60}, 0, &params.rcExclude, c_screen), rect(90, 60, 190, 140));
    expectRect(place(c_size, {50, 60}, TPM_VERTICAL, &params.rcExclude, c_screen), rect(50, 70, 150, 150));
    RECT low = rect(40, 250, 90, 270);
    expectRect(place(c_size, {50, 260}, TPM_VERTICAL, &low, c_screen), rect(50, 170, 150, 250));
}

TEST(PopupPlacementTest, SubMenusCascadeRightOverTheFrameOrLeftWhenThereIsNoRoom) {
    RECT parent = rect(10, 40, 110, 140);
    RECT row = rect(11, 60, 109, 79);
    expectRect(cascade(c_size, row, parent, 1, c_screen), rect(109, 59, 209, 139));
    RECT right = rect(130, 40, 230, 140);
    expectRect(cascade(c_size, rect(131, 260, 229, 279), right, 1, c_screen), rect(31, 240, 131, 320));
}

}  // namespace
}  // namespace ce::gwe::popup
