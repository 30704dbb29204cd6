// Editing menus: InsertMenuW before a position or a command (also inside pop-ups), -1 or a
// position past the end appending; RemoveMenu leaves a pop-up alive, DeleteMenu destroys it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST_F(MenuEditingTest, ItemInfoDescribesAndChangesOnlyWhatTheMaskNames) {
    WCHAR text[3] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_TYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = 3;
    ASSERT_TRUE(GetMenuItemInfoW(menu, 1, TRUE, &info));
    EXPECT_EQ(std::u16string(text), u"Su");  // cut to the buffer; cch tells the whole length
    EXPECT_EQ(info.cch, 3u);
    EXPECT_EQ(info.fType, static_cast<UINT>(MFT_STRING));
    EXPECT_EQ(info.hSubMenu, sub);

    MENUITEMINFOW change{};
    change.cbSize = sizeof change;
    change.fMask = MIIM_STATE | MIIM_DATA | MIIM_TYPE;
    change.fState = MFS_CHECKED | MFS_GRAYED;
    change.dwItemData = 0x1234;
    change.dwTypeData = const_cast<LPWSTR>(u"Renamed");
    ASSERT_TRUE(SetMenuItemInfoW(menu, 20, FALSE, &change));  // by command, inside the pop-up
    EXPECT_EQ(CheckMenuItem(sub, 0, MF_BYPOSITION | MF_UNCHECKED), static_cast<DWORD>(MF_CHECKED));
    EXPECT_EQ(EnableMenuItem(sub, 0, MF_BYPOSITION | MF_ENABLED), MF_GRAYED | MF_DISABLED);
    MENUITEMINFOW back{};
    back.cbSize = sizeof back;
    back.fMask = MIIM_DATA | MIIM_TYPE;
    ASSERT_TRUE(GetMenuItemInfoW(sub, 0, TRUE, &back));
    EXPECT_EQ(back.dwItemData, 0x1234u);
    EXPECT_EQ(back.cch, 7u);

    info.cbSize = 4;
    EXPECT_FALSE(GetMenuItemInfoW(menu, 0, TRUE, &info));
    change.fMask = MIIM_SUBMENU;
    change.hSubMenu = menu;
    EXPECT_FALSE(SetMenuItemInfoW(menu, 0, TRUE, &change));
}

}  // namespace
