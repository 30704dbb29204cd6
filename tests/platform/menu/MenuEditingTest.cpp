// Editing menus: InsertMenuW before a position or a command (also inside pop-ups), -1 or a
// position past the end appending; RemoveMenu leaves a pop-up alive, DeleteMenu destroys it.
#include <gtest/gtest.h>

#include "windows.h"

namespace {

class MenuEditingTest : public ::testing::Test {
protected:
    void SetUp() override {
        menu = CreatePopupMenu();
        sub = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING, 10, u"A");
        AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), u"Sub");
        AppendMenuW(sub, MF_STRING, 20, u"B");
    }
    void TearDown() override { DestroyMenu(menu); }

    std::vector<UINT> ids(HMENU hmenu) const {
        std::vector<UINT> found;
        for (int i = 0; i < GetMenuItemCount(hmenu); ++i) found.push_back(GetMenuItemID(hmenu, i));
        return found;
    }

    HMENU menu{}, sub{};
};

constexpr UINT c_popup = static_cast<UINT>(-1);

TEST_F(MenuEditingTest, InsertByPositionGoesBeforeThatRowAndPastTheEndAppends) {
    ASSERT_TRUE(InsertMenuW(menu, 0, MF_BYPOSITION | MF_STRING, 11, u"first"));
    ASSERT_TRUE(InsertMenuW(menu, 99, MF_BYPOSITION | MF_GRAYED, 12, u"last"));
    ASSERT_TRUE(InsertMenuW(menu, static_cast<UINT>(-1), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr));
    ASSERT_TRUE(InsertMenuW(menu, 1, MF_BYPOSITION | MF_CHECKED, 13, u"second"));
    EXPECT_EQ(ids(menu), (std::vector<UINT>{11, 13, 10, c_popup, 12, 0}));
    EXPECT_EQ(CheckMenuItem(menu, 13, MF_UNCHECKED), static_cast<DWORD>(MF_CHECKED));
    EXPECT_EQ(EnableMenuItem(menu, 12, MF_ENABLED), MF_GRAYED);
}

TEST_F(MenuEditingTest, InsertByCommandGoesBeforeThatItemWhereverItIs) {
    ASSERT_TRUE(InsertMenuW(menu, 20, MF_BYCOMMAND, 21, u"before B"));
    EXPECT_EQ(ids(sub), (std::vector<UINT>{21, 20}));
    EXPECT_FALSE(InsertMenuW(menu, 999, MF_BYCOMMAND, 22, u"nowhere"));
    EXPECT_FALSE(InsertMenuW(reinterpret_cast<HMENU>(0x4242), 0, MF_BYPOSITION, 1, u"x"));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_MENU_HANDLE});
}

TEST_F(MenuEditingTest, AnInsertedPopupBelongsToTheMenu) {
    HMENU more = CreatePopupMenu();
    ASSERT_TRUE(InsertMenuW(menu, 0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(more), u"More"));
    EXPECT_EQ(GetSubMenu(menu, 0), more);
    EXPECT_FALSE(InsertMenuW(menu, 0, MF_BYPOSITION | MF_POPUP, 0x4242, u"not a menu"));
    DestroyMenu(menu);
    EXPECT_EQ(GetMenuItemCount(more), -1);
    menu = CreatePopupMenu();  // for TearDown
}

TEST_F(MenuEditingTest, RemoveMenuKeepsThePopupAliveDeleteMenuDestroysIt) {
    ASSERT_TRUE(RemoveMenu(menu, 1, MF_BYPOSITION));
    EXPECT_EQ(GetMenuItemCount(sub), 1);
    ASSERT_TRUE(InsertMenuW(menu, 0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), u"Sub"));
    ASSERT_TRUE(DeleteMenu(menu, 0, MF_BYPOSITION));
    EXPECT_EQ(GetMenuItemCount(sub), -1);
    ASSERT_TRUE(DeleteMenu(menu, 10, MF_BYCOMMAND));
    EXPECT_EQ(GetMenuItemCount(menu), 0);
    EXPECT_FALSE(DeleteMenu(menu, 10, MF_BYCOMMAND));
}

}  // namespace
