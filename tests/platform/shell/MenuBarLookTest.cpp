// The menu bar's pixels: a light band under a dark line, the keyboard box at the right end
// unless hidden, a chosen background, and the held button in the highlight colours.
#include "platform/shell/MenuBarTest.h"

namespace menubartest {
namespace {

// How many pixels of a screen rectangle have that colour.
int count(const RECT& rect, COLORREF colour) {
    int found = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) found += pixel(x, y) == colour;
    return found;
}

constexpr RECT c_keyboardBox{216, 295, 240, 320};

class MenuBarLookTest : public MenuBarTest {};

TEST_F(MenuBarLookTest, ALightBandUnderADarkLineWithTheKeyboardBoxAtTheRightUnlessHidden) {
    HWND bar = makeBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(pixel(200, 294), GetSysColor(COLOR_3DDKSHADOW)) << screenSaved("menubar-line");
    EXPECT_EQ(pixel(200, 295), GetSysColor(COLOR_BTNFACE)) << screenSaved("menubar-band");
    EXPECT_GT(count(c_keyboardBox, GetSysColor(COLOR_BTNTEXT)), 20) << screenSaved("menubar-keyboard");
    EXPECT_GT(count(labelRect(u"About"), GetSysColor(COLOR_BTNTEXT)), 10) << screenSaved("menubar-label");
    DestroyWindow(bar);
    ASSERT_NE(makeBar(SHCMBF_HMENU | SHCMBF_HIDESIPBUTTON | SHCMBF_COLORBK, c_barMenu, RGB(200, 220, 240)), nullptr);
    EXPECT_EQ(count(c_keyboardBox, RGB(200, 220, 240)), 24 * 25) << screenSaved("menubar-nosip");
}

TEST_F(MenuBarLookTest, AHeldButtonIsDrawnInTheHighlightColoursUntilTheStylusLeavesIt) {
    ASSERT_NE(makeBar(), nullptr);
    RECT about = labelRect(u"About");
    POINT centre = centreOf(about);
    ce::gwe::input::stylusDown(centre);
    recorder.dispatchPosted();
    EXPECT_EQ(pixel(about.left - 2, centre.y), GetSysColor(COLOR_HIGHLIGHT)) << screenSaved("menubar-held");
    EXPECT_GT(count(about, GetSysColor(COLOR_HIGHLIGHTTEXT)), 10);
    EXPECT_EQ(pixel(centreOf(labelRect(u"Tools")).x, 300), GetSysColor(COLOR_BTNFACE));
    ce::gwe::input::stylusMove(POINT{centre.x, 100});
    recorder.dispatchPosted();
    EXPECT_EQ(pixel(about.left - 2, centre.y), GetSysColor(COLOR_BTNFACE)) << screenSaved("menubar-left");
    ce::gwe::input::stylusUp(POINT{centre.x, 100});
    recorder.dispatchPosted();
}

}  // namespace
}  // namespace menubartest
