// Dialog units: the System font at 8 points is Tahoma 8 pt at the screen's dpi, its base
// units give pixelX = x * baseX / 4 and pixelY = y * baseY / 8, and templates are laid out so.
#include <cstdlib>

#include "platform/dialog/DialogTest.h"
#include "support/RectCompare.h"

namespace dialogtest {
namespace {

using DialogUnitsTest = DialogTest;

HWND formDialog(HWND owner) {
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_TEST_FORM), owner, nullptr, 0);
}

RECT clientRectOf(HWND dialog, int id) {
    RECT rect;
    HWND control = GetDlgItem(dialog, id);
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST_F(DialogUnitsTest, TahomaEightPointAt96DpiGivesBaseUnitsOf6By13) {
    LONG base = GetDialogBaseUnits();
    EXPECT_EQ(LOWORD(base), 6);
    EXPECT_EQ(HIWORD(base), 13);
}

TEST_F(DialogUnitsTest, MapDialogRectRoundsXTimesSixQuartersAndYTimesThirteenEighths) {
    HWND dialog = formDialog(owner);
    RECT rect{4, 8, 10, 13};
    ASSERT_TRUE(MapDialogRect(dialog, &rect));
    EXPECT_EQ(rect, (RECT{6, 13, 15, 21}));  // 15 is 10 * 6 / 4; 21.125 rounds to 21
    EXPECT_FALSE(MapDialogRect(owner, &rect));
    DestroyWindow(dialog);
}

TEST_F(DialogUnitsTest, TheTemplatesControlsAndClientAreaArePlacedInDialogUnits) {
    HWND dialog = formDialog(owner);
    EXPECT_EQ(clientRectOf(dialog, IDC_APPLY), (RECT{6, 33, 66, 55}));  // 4,20 40x14
    EXPECT_EQ(clientRectOf(dialog, IDC_DONE), (RECT{72, 33, 132, 55}));
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(client, (RECT{0, 0, 210, 65}));  // 140 x 40
    RECT window;
    GetWindowRect(dialog, &window);
    EXPECT_EQ(window, (RECT{-1, 25, 211, 92}));  // the owner's client origin, a one-pixel frame round it
    DestroyWindow(dialog);
}

// The screen's mode is read once, so this runs in a process of its own.
void checkVgaUnits() {
    setenv("CE_SCREEN", "vga", 1);
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_TEST_FORM), nullptr, nullptr, 0);
    RECT rect{4, 8, 140, 40};
    MapDialogRect(dialog, &rect);
    LONG base = GetDialogBaseUnits();
    std::fprintf(stderr, "base %d,%d rect %d,%d,%d,%d\n", LOWORD(base), HIWORD(base), rect.left, rect.top,
                 rect.right, rect.bottom);
    std::exit(LOWORD(base) == 12 && HIWORD(base) == 25 && rect.right == 420 && rect.bottom == 125 ? 0 : 1);
}

// No fixture: its owner window would make the screen before the mode is set.
TEST(DialogUnitsVgaTest, At192DpiTheFontAndSoEveryDialogUnitGrowsWithTheScreen) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(checkVgaUnits(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace dialogtest
