// SHCreateMenuBar: where the bar lies at either resolution, the buttons a menu resource makes,
// commands reaching the owner while it stays active, refusals, and the bar's lifetime.
#include "platform/shell/MenuBarTest.h"

#include <cstdlib>

#include "ceresource.h"

namespace menubartest {
namespace {

const ce::res::StringResource c_strings[] = {{c_resortText, u"Resort"}};
const ce::res::MenuItem c_toolsItems[] = {{u"Sort by name", c_sortByName}, {u"Sort by size", c_sortBySize}};
const ce::res::MenuItem c_barItems[] = {{u"Tools", 0, MF_POPUP, c_toolsItems}, {u"About", c_about}};
const ce::res::MenuItem c_grayedItems[] = {{u"About", c_about, MF_GRAYED}};
const ce::res::MenuResource c_menus[] = {{c_barMenu, c_barItems}, {c_grayedMenu, c_grayedItems}};
const ce::res::ModuleResources c_resources{.strings = c_strings, .menus = c_menus};
const ce::res::ModuleRegistration c_registration(c_resources);

RECT windowRect(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect;
}

TEST_F(MenuBarTest, TheBarLiesAcrossTheBottomOfTheScreenAboveItsOwnerWhichKeepsItsSize) {
    HWND bar = makeBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(windowRect(bar), (RECT{0, 294, 240, 320}));
    EXPECT_EQ(windowRect(owner), (RECT{0, 26, 240, 320}));
    EXPECT_EQ(SHFindMenuBar(owner), bar);
    EXPECT_EQ(GetWindow(bar, GW_OWNER), owner);
    EXPECT_EQ(WindowFromPoint(POINT{120, 300}), bar);
    HWND other = create("other", nullptr, WS_VISIBLE);
    MoveWindow(other, 0, 26, 240, 294, FALSE);
    EXPECT_EQ(WindowFromPoint(POINT{120, 300}), other);
    SetForegroundWindow(owner);  // raised with its owner
    EXPECT_EQ(WindowFromPoint(POINT{120, 300}), bar);
}

// The screen's mode is read once, so this runs in a process of its own, and outside the
// fixture, which makes windows before the mode is chosen.
void checkVgaBar() {
    setenv("CE_SCREEN", "vga", 1);
    WNDCLASSW wc{0, DefWindowProcW, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, u"VgaOwner"};
    RegisterClassW(&wc);
    HWND owner = CreateWindowExW(0, u"VgaOwner", u"", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                 CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
    SHMENUBARINFO info{sizeof info, owner, SHCMBF_HMENU, c_barMenu, GetModuleHandleW(nullptr), 0, 0, nullptr, 0};
    if (!SHCreateMenuBar(&info)) std::exit(2);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    RECT about = labelRect(u"About");  // in a font twice the size
    bool right = windowRect(info.hwndMB) == RECT{0, 588, 480, 640} && about.bottom - about.top >= 22 &&
                 about.top >= 588;
    DestroyWindow(owner);
    std::exit(right ? 0 : 1);
}

TEST(MenuBarVgaTest, At192DpiTheBarAndItsLabelsAreTwiceAsLarge) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(checkVgaBar(), ::testing::ExitedWithCode(0), "");
}

TEST_F(MenuBarTest, EachTopLevelItemBecomesAButtonFromTheLeftAndACommandGoesToTheActiveOwner) {
    HWND bar = makeBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 2);
    TBBUTTON tools{}, about{};
    SendMessageW(bar, TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&tools));
    SendMessageW(bar, TB_GETBUTTON, 1, reinterpret_cast<LPARAM>(&about));
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(bar, SHCMBM_GETMENU, 0, 0));
    EXPECT_EQ(reinterpret_cast<HMENU>(tools.dwData), GetSubMenu(menu, 0));
    EXPECT_TRUE(tools.fsStyle & TBSTYLE_DROPDOWN);
    EXPECT_EQ(about.idCommand, int{c_about});
    EXPECT_FALSE(about.fsStyle & TBSTYLE_DROPDOWN);
    RECT toolsLabel = labelRect(u"Tools"), aboutLabel = labelRect(u"About");
    EXPECT_LT(toolsLabel.left, 20);
    EXPECT_GT(aboutLabel.left, toolsLabel.right);
    EXPECT_GE(aboutLabel.top, 294);

    tapLabel(u"About");
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].message, UINT{WM_COMMAND});
    EXPECT_EQ(heard[0].wParam, MAKEWPARAM(c_about, 0));
    EXPECT_EQ(heard[0].lParam, reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MenuBarTest, LiftingTheStylusOffTheButtonOrTappingAGrayedOneSendsNothing) {
    HWND bar = makeBar();
    ASSERT_NE(bar, nullptr);
    POINT about = centreOf(labelRect(u"About"));
    ce::gwe::input::stylusDown(about);
    ce::gwe::input::stylusMove(POINT{about.x, 200});
    ce::gwe::input::stylusUp(POINT{about.x, 200});
    recorder.dispatchPosted();
    DestroyWindow(bar);
    ASSERT_NE(makeBar(SHCMBF_HMENU, c_grayedMenu), nullptr);
    tapLabel(u"About");
    EXPECT_TRUE(heard.empty());
}

TEST_F(MenuBarTest, RefusesAMissingOwnerOrMenuOrAToolbarResourceAndMakesEmptyAndHiddenBars) {
    SHMENUBARINFO info{sizeof info, nullptr, SHCMBF_HMENU, c_barMenu, GetModuleHandleW(nullptr), 0, 0, nullptr, 0};
    EXPECT_FALSE(SHCreateMenuBar(&info));
    info.hwndParent = owner;
    info.nToolBarId = c_missingMenu;
    EXPECT_FALSE(SHCreateMenuBar(&info));
    info.dwFlags = 0;
    EXPECT_FALSE(SHCreateMenuBar(&info));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_PARAMETER});
    EXPECT_EQ(SHFindMenuBar(owner), nullptr);

    HWND empty = makeBar(SHCMBF_EMPTYBAR, c_missingMenu);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(SendMessageW(empty, TB_BUTTONCOUNT, 0, 0), 0);
    DestroyWindow(empty);
    HWND hidden = makeBar(SHCMBF_HMENU | SHCMBF_HIDDEN);
    EXPECT_FALSE(IsWindowVisible(hidden));
    ShowWindow(hidden, SW_SHOW);
    EXPECT_EQ(GetActiveWindow(), owner);  // a system window is never activated
}

TEST_F(MenuBarTest, DestroyingTheBarUncoversTheOwnerAndDestroyingTheOwnerTakesTheBar) {
    HWND bar = makeBar();
    ASSERT_NE(bar, nullptr);
    ValidateRect(owner, nullptr);
    ASSERT_TRUE(DestroyWindow(bar));
    RECT update{};
    ASSERT_TRUE(GetUpdateRect(owner, &update, FALSE));
    EXPECT_EQ(update, (RECT{0, 268, 240, 294}));  // the owner's client coordinates
    EXPECT_EQ(labelRect(u"About"), RECT{});
    bar = makeBar();
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(bar));
}

}  // namespace
}  // namespace menubartest
