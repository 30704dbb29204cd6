// Menus as data: a menu loaded from its module's template keeps its pop-ups, ids and states;
// item states change by command or by position; destroying a menu takes its pop-ups along.
#include <gtest/gtest.h>

#include "platform/resource/TestResourceIds.h"
#include "windows.h"

namespace {

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_MENU));
        ASSERT_NE(menu, nullptr);
        file = GetSubMenu(menu, 0);
    }
    void TearDown() override { DestroyMenu(menu); }
    HMENU menu{}, file{};
};

TEST_F(MenuTest, ALoadedMenuKeepsItsPopupsIdsAndStates) {
    EXPECT_EQ(GetMenuItemCount(menu), 1);
    EXPECT_EQ(GetMenuItemID(menu, 0), static_cast<UINT>(-1));  // a pop-up has no id
    ASSERT_EQ(GetMenuItemCount(file), 4);
    EXPECT_EQ(GetMenuItemID(file, 0), static_cast<UINT>(IDM_OPEN));
    HMENU sort = GetSubMenu(file, 1);
    ASSERT_NE(sort, nullptr);
    EXPECT_EQ(CheckMenuItem(sort, IDM_SORT_NAME, MF_BYCOMMAND | MF_UNCHECKED), static_cast<DWORD>(MF_CHECKED));
    EXPECT_EQ(CheckMenuItem(menu, IDM_SORT_NAME, MF_BYCOMMAND | MF_CHECKED), 0u);  // found through the pop-ups
    EXPECT_EQ(EnableMenuItem(file, 3, MF_BYPOSITION | MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(EnableMenuItem(file, 99, MF_BYPOSITION | MF_GRAYED), -1);
}

TEST_F(MenuTest, DestroyingAMenuDestroysItsPopupsAndLeavesStaleHandles) {
    HMENU sort = GetSubMenu(file, 1);
    ASSERT_TRUE(DestroyMenu(menu));
    EXPECT_EQ(GetMenuItemCount(file), -1);
    EXPECT_EQ(GetMenuItemCount(sort), -1);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_MENU_HANDLE});
    EXPECT_FALSE(DestroyMenu(menu));
    menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_MENU));  // for TearDown
}

TEST_F(MenuTest, AppendedItemsAndPopupsAreFoundByCommand) {
    HMENU bar = CreateMenu();
    HMENU popup = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuW(popup, MF_STRING, 40, u"Refresh"));
    ASSERT_TRUE(AppendMenuW(popup, MF_SEPARATOR, 0, nullptr));
    ASSERT_TRUE(AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), u"Menu"));
    EXPECT_EQ(GetSubMenu(bar, 0), popup);
    EXPECT_EQ(CheckMenuItem(bar, 40, MF_CHECKED), 0u);
    EXPECT_FALSE(AppendMenuW(bar, MF_POPUP, 12345, u"not a menu"));
    EXPECT_EQ(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(9999)), nullptr);
    DestroyMenu(bar);
    EXPECT_EQ(GetMenuItemCount(popup), -1);
}

}  // namespace
