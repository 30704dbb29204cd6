// Drop-down buttons: a tap opens the button's menu above the bar at the button's left edge,
// the owner prepares it first, the choice reaches the owner as WM_COMMAND, and the button
// shows open meanwhile.
#include "platform/shell/MenuBarTest.h"

namespace menubartest {
namespace {

class MenuBarDropDownTest : public MenuBarTest {
protected:
    void SetUp() override {
        MenuBarTest::SetUp();
        ASSERT_NE(bar = makeBar(), nullptr);
    }

    // While the menu is open: its item lies above the bar from the button's left edge, the
    // button is highlighted; then the item is tapped.
    void chooseWhenShown(const std::u16string& item, const RECT& button) {
        whenMenuShown([=, this] {
            RECT row = labelRect(item);
            EXPECT_LE(row.bottom, 294);
            EXPECT_GT(row.top, 200);
            EXPECT_LE(std::abs(row.left - button.left), 16);
            EXPECT_EQ(pixel(button.left - 2, centreOf(button).y), GetSysColor(COLOR_HIGHLIGHT)) << screenSaved("open");
            shown = true;
            post(centreOf(row));
        });
    }

    HWND bar{};
    bool shown = false;
};

TEST_F(MenuBarDropDownTest, APopUpItemOpensItsMenuAboveTheBarAndTheChoiceReachesTheOwner) {
    HMENU tools = GetSubMenu(reinterpret_cast<HMENU>(SendMessageW(bar, SHCMBM_GETMENU, 0, 0)), 0);
    RECT label = labelRect(u"Tools");
    chooseWhenShown(u"Sort by size", label);
    tapLabel(u"Tools");
    EXPECT_TRUE(shown);
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0].message, UINT{WM_INITMENUPOPUP});
    EXPECT_EQ(heard[0].wParam, reinterpret_cast<WPARAM>(tools));
    EXPECT_EQ(heard[1].message, UINT{WM_COMMAND});
    EXPECT_EQ(heard[1].wParam, MAKEWPARAM(c_sortBySize, 0));
    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_EQ(pixel(label.left - 2, centreOf(label).y), GetSysColor(COLOR_BTNFACE)) << screenSaved("closed");
}

TEST_F(MenuBarDropDownTest, AnInsertedDropDownButtonShowsTheMenuInItsData) {
    HMENU popup = CreatePopupMenu();
    AppendMenuW(popup, MF_STRING, c_sortByName, u"Resort now");
    TBBUTTON resort{I_IMAGENONE, c_resort, TBSTATE_ENABLED, 0x98, {0}, reinterpret_cast<DWORD_PTR>(popup),
                    reinterpret_cast<INT_PTR>(u"Resort")};
    ASSERT_TRUE(SendMessageW(bar, TB_INSERTBUTTONW, 1, reinterpret_cast<LPARAM>(&resort)));
    recorder.dispatchPosted();
    chooseWhenShown(u"Resort now", labelRect(u"Resort"));
    tapLabel(u"Resort");
    EXPECT_TRUE(shown);
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0].wParam, reinterpret_cast<WPARAM>(popup));
    EXPECT_EQ(heard[1].wParam, MAKEWPARAM(c_sortByName, 0));
    DestroyMenu(popup);
}

}  // namespace
}  // namespace menubartest
