// The menu bar as a toolbar: strings added by resource or as a list, buttons inserted at a
// position (the viewer's own "Resort"), counted, read back and deleted, texts copied.
#include "platform/shell/MenuBarTest.h"

namespace menubartest {
namespace {

class MenuBarToolbarTest : public MenuBarTest {
protected:
    void SetUp() override {
        MenuBarTest::SetUp();
        ASSERT_NE(bar = makeBar(), nullptr);
    }

    // Sent, then repainted, so the screen text shows the change.
    LRESULT send(UINT message, WPARAM wParam, const void* lParam) {
        LRESULT result = SendMessageW(bar, message, wParam, reinterpret_cast<LPARAM>(lParam));
        recorder.dispatchPosted();
        return result;
    }
    int addString(UINT id) {
        auto module = reinterpret_cast<WPARAM>(GetModuleHandleW(nullptr));
        return static_cast<int>(SendMessageW(bar, TB_ADDSTRINGW, module, id));
    }
    int commandAt(int index) {
        TBBUTTON button{};
        return send(TB_GETBUTTON, static_cast<WPARAM>(index), &button) ? button.idCommand : -1;
    }

    HWND bar{};
};

TEST_F(MenuBarToolbarTest, AddedStringsTakeTheNextIndexesAndAMissingOneGivesMinusOne) {
    EXPECT_EQ(addString(c_missingMenu), -1);
    EXPECT_EQ(addString(c_resortText), 0);
    EXPECT_EQ(send(TB_ADDSTRINGW, 0, u"One\0Two\0"), 1);
    EXPECT_EQ(addString(c_resortText), 3);
    EXPECT_EQ(send(TB_ADDSTRINGW, 0, u""), -1);
    TBBUTTON two{I_IMAGENONE, 7, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 2};
    ASSERT_TRUE(send(TB_INSERTBUTTONW, 99, &two));  // past the end: appended
    EXPECT_EQ(commandAt(2), 7);
    EXPECT_NE(labelRect(u"Two"), RECT{});
}

TEST_F(MenuBarToolbarTest, AButtonInsertedAtAPositionMovesTheOthersRightUntilDeleted) {
    RECT aboutBefore = labelRect(u"About");
    HMENU popup = CreatePopupMenu();
    TBBUTTON resort{I_IMAGENONE, c_resort, TBSTATE_ENABLED, 0x98, {0}, reinterpret_cast<DWORD_PTR>(popup),
                    addString(c_resortText)};
    ASSERT_EQ(send(TB_INSERTBUTTONW, 1, &resort), TRUE);
    EXPECT_EQ(send(TB_BUTTONCOUNT, 0, nullptr), 3);
    EXPECT_EQ(commandAt(1), int{c_resort});
    EXPECT_EQ(commandAt(2), int{c_about});
    EXPECT_EQ(SendMessageW(bar, SHCMBM_GETSUBMENU, 0, c_resort), reinterpret_cast<LRESULT>(popup));
    RECT tools = labelRect(u"Tools"), resortLabel = labelRect(u"Resort"), about = labelRect(u"About");
    EXPECT_GT(resortLabel.left, tools.right);
    EXPECT_GT(about.left, resortLabel.right);

    EXPECT_TRUE(send(TB_DELETEBUTTON, 1, nullptr));
    EXPECT_FALSE(send(TB_DELETEBUTTON, 5, nullptr));
    EXPECT_EQ(send(TB_BUTTONCOUNT, 0, nullptr), 2);
    EXPECT_EQ(labelRect(u"Resort"), RECT{});
    EXPECT_EQ(labelRect(u"About"), aboutBefore);
    DestroyMenu(popup);
}

TEST_F(MenuBarToolbarTest, ATextGivenByAddressIsCopiedAndADropDownWithoutAMenuSendsItsCommand) {
    char16_t text[] = u"Go";
    TBBUTTON go{I_IMAGENONE, 77, TBSTATE_ENABLED, TBSTYLE_DROPDOWN, {0}, 0, reinterpret_cast<INT_PTR>(text)};
    ASSERT_TRUE(send(TB_INSERTBUTTONW, 0, &go));
    text[0] = u'N';
    InvalidateRect(bar, nullptr, FALSE);
    tapLabel(u"Go");
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].wParam, MAKEWPARAM(77, 0));
}

}  // namespace
}  // namespace menubartest
