// Tracking pop-up menus: keys and taps choose, skipping separators and grayed rows; the
// choice is returned (TPM_RETURNCMD) or posted as WM_COMMAND after the call; a tap outside,
// Escape, WM_CANCELMODE and WM_QUIT dismiss; the owner prepares each menu first and keeps
// the activation.
#include "gwe/Input.h"
#include "platform/menu/PopupMenuTest.h"

namespace menutest {
namespace {

namespace input = ce::gwe::input;

constexpr UINT c_returnCmd = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD;

void tap(POINT point) {
    input::stylusDown(point);
    input::stylusUp(point);
}

TEST_F(PopupMenuTest, KeysSkipSeparatorsAndGrayedRowsWrapRoundAndEnterReturnsTheCommand) {
    input::keyPress(VK_DOWN);  // Cut
    input::keyPress(VK_DOWN);  // past the grayed Copy and the separator: Paste
    input::keyPress(VK_RETURN);
    EXPECT_EQ(TrackPopupMenuEx(menu, c_returnCmd, 20, 60, owner, nullptr), static_cast<BOOL>(c_paste));
    input::keyPress(VK_UP);  // from nothing upwards: the last row
    input::keyPress(VK_RETURN);
    EXPECT_EQ(TrackPopupMenuEx(menu, c_returnCmd, 20, 60, owner, nullptr), static_cast<BOOL>(c_delete));
    dispatchPosted();
    EXPECT_TRUE(seen(WM_COMMAND).empty());  // returned, never posted
    EXPECT_TRUE(seen(WM_KEYDOWN).empty());  // the menu's keys, not the focus window's
    EXPECT_TRUE(seen(WM_CHAR).empty());
}

TEST_F(PopupMenuTest, AnUnderlinedLetterChoosesItsRow) {
    input::keyPress('X');  // no row has it
    input::keyPress('D');
    EXPECT_EQ(TrackPopupMenuEx(menu, c_returnCmd, 20, 60, owner, nullptr), static_cast<BOOL>(c_delete));
}

TEST_F(PopupMenuTest, WithoutReturnCmdTheOwnerGetsTheCommandOnlyAfterTheCallReturned) {
    input::keyPress(VK_DOWN);
    input::keyPress(VK_RETURN);
    EXPECT_NE(TrackPopupMenuEx(menu, 0, 20, 60, owner, nullptr), 0);
    EXPECT_TRUE(seen(WM_COMMAND).empty());
    dispatchPosted();
    ASSERT_EQ(seen(WM_COMMAND).size(), 1u);
    EXPECT_EQ(seen(WM_COMMAND)[0].wParam, MAKEWPARAM(c_cut, 0));
    EXPECT_EQ(seen(WM_COMMAND)[0].lParam, 0);
}

TEST_F(PopupMenuTest, EscapeCancelModeAndQuitDismissWithoutACommand) {
    input::keyPress(VK_DOWN);
    input::keyPress(VK_ESCAPE);
    EXPECT_EQ(TrackPopupMenuEx(menu, c_returnCmd, 20, 60, owner, nullptr), 0);
    PostMessageW(owner, WM_CANCELMODE, 0, 0);
    EXPECT_NE(TrackPopupMenuEx(menu, 0, 20, 60, owner, nullptr), 0);  // dismissed is still success
    PostQuitMessage(7);
    EXPECT_EQ(TrackPopupMenuEx(menu, c_returnCmd, 20, 60, owner, nullptr), 0);
    MSG quit;
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, 0, 0, PM_REMOVE));  // posted again for the program's loop
    EXPECT_EQ(quit.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(quit.wParam, 7u);
    dispatchPosted();
    EXPECT_TRUE(seen(WM_COMMAND).empty());
    EXPECT_EQ(menuWindow(), nullptr);
}

TEST_F(PopupMenuTest, ATapOutsideDismissesAndNeverReachesTheWindowBelow) {
    tap({200, 300});
    EXPECT_EQ(TrackPopupMenuEx(menu, c_returnCmd, 20, 60, owner, nullptr), 0);
    dispatchPosted();
    EXPECT_TRUE(seen(WM_LBUTTONDOWN).empty());
    EXPECT_TRUE(seen(WM_LBUTTONUP).empty());
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(PopupMenuTest, TapsOnGrayedRowsAndSeparatorsChooseNothingATapOnACommandChoosesIt) {
    whenShown([] {
        RECT copy = runOf(u"Copy"), paste = runOf(u"Paste");
        tap(centreOf(copy));
        tap(POINT{paste.left, (copy.bottom + paste.top) / 2});
        tap(centreOf(paste));
    });
    EXPECT_EQ(TrackPopupMenuEx(menu, c_returnCmd, 20, 60, owner, nullptr), static_cast<BOOL>(c_paste));
}

TEST_F(PopupMenuTest, TheStylusChoosesWhereItIsLiftedAfterDraggingOntoARow) {
    whenShown([] {
        RECT cut = runOf(u"Cut"), paste = runOf(u"Paste");
        input::stylusDown(centreOf(cut));
        input::stylusMove(centreOf(paste));
        input::stylusUp(centreOf(paste));
    });
    EXPECT_EQ(TrackPopupMenuEx(menu, c_returnCmd, 20, 60, owner, nullptr), static_cast<BOOL>(c_paste));
}

TEST_F(PopupMenuTest, TheOwnerPreparesTheMenuBeforeItShowsUnlessToldNotTo) {
    onMessage = [this](UINT message, WPARAM, LPARAM) {
        if (message == WM_INITMENUPOPUP) EnableMenuItem(menu, c_copy, MF_BYCOMMAND | MF_ENABLED);
    };
    input::keyPress(VK_DOWN);
    input::keyPress(VK_DOWN);
    input::keyPress(VK_RETURN);
    EXPECT_EQ(TrackPopupMenuEx(menu, c_returnCmd, 20, 60, owner, nullptr), static_cast<BOOL>(c_copy));
    ASSERT_EQ(seen(WM_INITMENUPOPUP).size(), 1u);
    EXPECT_EQ(seen(WM_INITMENUPOPUP)[0].wParam, reinterpret_cast<WPARAM>(menu));
    EXPECT_EQ(seen(WM_INITMENUPOPUP)[0].lParam, 0);
    received.clear();
    input::keyPress(VK_ESCAPE);
    TrackPopupMenuEx(menu, TPM_NONOTIFY, 20, 60, owner, nullptr);
    EXPECT_TRUE(seen(WM_INITMENUPOPUP).empty());
}

TEST_F(PopupMenuTest, APopupRowOpensItsMenuBesideItAndItsCommandsCanBeChosen) {
    HMENU sort = CreatePopupMenu();
    AppendMenuW(sort, MF_STRING, 201, u"By name");
    AppendMenuW(sort, MF_STRING, 202, u"By date");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sort), u"Sort");
    RECT parent{}, child{};
    whenShown([&] {
        parent = windowRect(menuWindow());
        tap(centreOf(runOf(u"Sort")));
        whenShown([&] {
            child = windowRect(menuWindow());
            tap(centreOf(runOf(u"By date")));
        });
    });
    EXPECT_EQ(TrackPopupMenuEx(menu, c_returnCmd, 20, 60, owner, nullptr), 202);
    EXPECT_GE(child.left, parent.right - 2);
    std::vector<MSG> inits = seen(WM_INITMENUPOPUP);
    ASSERT_EQ(inits.size(), 2u);
    EXPECT_EQ(inits[1].wParam, reinterpret_cast<WPARAM>(sort));
    EXPECT_EQ(inits[1].lParam, MAKELPARAM(5, FALSE));  // the row it hangs from

    input::keyPress(VK_UP);  // Sort, by the keys
    input::keyPress(VK_RIGHT);
    input::keyPress(VK_RETURN);  // its first row
    EXPECT_EQ(TrackPopupMenuEx(menu, c_returnCmd, 20, 60, owner, nullptr), 201);
}

TEST_F(PopupMenuTest, TheMenuIsTheSystemsOwnTheOwnerStaysActiveAndFocused) {
    bool active = false, focused = false;
    HWND shown = nullptr;
    whenShown([&] {
        shown = menuWindow();
        active = GetActiveWindow() == owner;
        focused = GetFocus() == owner;
        input::keyPress(VK_ESCAPE);
    });
    TrackPopupMenuEx(menu, 0, 20, 60, owner, nullptr);
    EXPECT_NE(shown, nullptr);
    EXPECT_TRUE(active);
    EXPECT_TRUE(focused);
    EXPECT_FALSE(IsWindow(shown));  // gone before the call returned
    EXPECT_TRUE(seen(WM_ACTIVATE).empty());
}

TEST_F(PopupMenuTest, AStaleMenuOrOwnerFailsWithTheLastError) {
    HMENU stale = CreatePopupMenu();
    DestroyMenu(stale);
    EXPECT_EQ(TrackPopupMenuEx(stale, 0, 0, 0, owner, nullptr), 0);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_MENU_HANDLE});
    EXPECT_EQ(TrackPopupMenu(menu, 0, 0, 0, 0, reinterpret_cast<HWND>(0x1234), nullptr), 0);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_WINDOW_HANDLE});
}

}  // namespace
}  // namespace menutest
