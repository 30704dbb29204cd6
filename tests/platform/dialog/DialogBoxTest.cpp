// Modal dialogs from templates: the messages a dialog procedure gets and in what order, where
// the focus goes, the keys a dialog takes (Enter, Escape, Tab), WM_CLOSE as IDCANCEL, the
// owner disabled while the dialog runs and active again after, and WM_QUIT inside the loop.
#include "platform/dialog/DialogTest.h"

namespace dialogtest {
namespace {

using DialogBoxTest = DialogTest;

TEST_F(DialogBoxTest, SetFontThenInitDialogWithTheFirstTabStopAndTheParamWhenControlsExist) {
    HWND apply = nullptr;
    handler = [&](HWND hDlg, UINT message, WPARAM, LPARAM) -> INT_PTR {
        if (message == WM_INITDIALOG) {
            apply = GetDlgItem(hDlg, IDC_APPLY);
            EndDialog(hDlg, 5);
        }
        return FALSE;
    };
    EXPECT_EQ(run(IDD_TEST_FORM, 1234), 5);
    ASSERT_GE(received.size(), 2u);
    EXPECT_EQ(received[0].message, UINT{WM_SETFONT});
    EXPECT_EQ(received[1].message, UINT{WM_INITDIALOG});
    EXPECT_NE(apply, nullptr);
    EXPECT_EQ(received[1].wParam, reinterpret_cast<WPARAM>(apply));
    EXPECT_EQ(received[1].lParam, 1234);
}

TEST_F(DialogBoxTest, InitDialogAnsweringTrueFocusesTheFirstTabStopAndFalseLeavesTheDialogItself) {
    HWND focused = nullptr, apply = nullptr;
    onStart([&](HWND hDlg) {
        focused = GetFocus();
        apply = GetDlgItem(hDlg, IDC_APPLY);
        EndDialog(hDlg, 1);
    });
    run(IDD_TEST_FORM);
    EXPECT_EQ(focused, apply);

    HWND dialog = nullptr;
    handler = [&](HWND hDlg, UINT message, WPARAM, LPARAM) -> INT_PTR {
        if (message == WM_INITDIALOG) PostMessageW(hDlg, WM_APP, 0, 0);
        if (message == WM_APP) {
            focused = GetFocus();
            dialog = hDlg;
            EndDialog(hDlg, 1);
        }
        return FALSE;
    };
    run(IDD_TEST_FORM);
    EXPECT_EQ(focused, dialog);
}

TEST_F(DialogBoxTest, TheOwnerIsDisabledWhileTheDialogRunsThenEnabledAndActiveWhenItReturns) {
    bool enabledMeanwhile = true;
    HWND activeMeanwhile = nullptr, dialog = nullptr;
    onStart([&](HWND hDlg) {
        enabledMeanwhile = IsWindowEnabled(owner);
        activeMeanwhile = GetActiveWindow();
        dialog = hDlg;
        EndDialog(hDlg, 42);
    });
    EXPECT_EQ(run(IDD_TEST_FORM), 42);
    EXPECT_FALSE(enabledMeanwhile);
    EXPECT_EQ(activeMeanwhile, dialog);
    EXPECT_EQ(ownerEnabled, (std::vector<WPARAM>{FALSE, TRUE}));
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_FALSE(IsWindow(dialog));
}

TEST_F(DialogBoxTest, EnterChoosesTheFocusedPushButtonElseTheDefaultButtonAndEscapeCancels) {
    std::vector<int> commands;
    int step = 0;
    onStart([&](HWND) { ce::gwe::input::keyPress(VK_RETURN); },
            [&](HWND hDlg, int id) {
                commands.push_back(id);
                if (++step == 1) {
                    SetFocus(hDlg);  // no push button has the focus: the default one answers Enter
                    ce::gwe::input::keyPress(VK_RETURN);
                } else if (step == 2) {
                    ce::gwe::input::keyPress(VK_ESCAPE);
                } else {
                    EndDialog(hDlg, id);
                }
            });
    EXPECT_EQ(run(IDD_TEST_FORM), IDCANCEL);
    EXPECT_EQ(commands, (std::vector<int>{IDC_APPLY, IDC_DONE, IDCANCEL}));
}

TEST_F(DialogBoxTest, WithoutADefaultButtonEnterIsIdokAndWmCloseIsIdcancel) {
    std::vector<int> commands;
    onStart([&](HWND) { ce::gwe::input::keyPress(VK_RETURN); },
            [&](HWND hDlg, int id) {
                commands.push_back(id);
                if (id == IDOK) SendMessageW(hDlg, WM_CLOSE, 0, 0);
                if (id == IDCANCEL) EndDialog(hDlg, 9);
            });
    EXPECT_EQ(run(IDD_TEST_PLAIN), 9);
    EXPECT_EQ(commands, (std::vector<int>{IDOK, IDCANCEL}));
}

TEST_F(DialogBoxTest, TabMovesTheFocusAlongTheTabStopsAndWrapsRound) {
    std::vector<int> focused;
    int presses = 0;
    handler = [&](HWND hDlg, UINT message, WPARAM, LPARAM) -> INT_PTR {
        if (message == WM_INITDIALOG) PostMessageW(hDlg, WM_APP, 0, 0);
        if (message == WM_APP) {
            focused.push_back(GetDlgCtrlID(GetFocus()));
            if (++presses == 4) return EndDialog(hDlg, 0);
            ce::gwe::input::keyPress(VK_TAB);
            PostMessageW(hDlg, WM_APP, 0, 0);
        }
        return message == WM_INITDIALOG;
    };
    run(IDD_TEST_FORM);
    EXPECT_EQ(focused, (std::vector<int>{IDC_APPLY, IDC_DONE, IDCANCEL, IDC_APPLY}));
}

TEST_F(DialogBoxTest, AQuitInsideTheLoopEndsTheDialogAndIsPostedAgainForTheOuterLoop) {
    HWND dialog = nullptr;
    onStart([&](HWND hDlg) {
        dialog = hDlg;
        PostQuitMessage(7);
    });
    run(IDD_TEST_FORM);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(IsWindowEnabled(owner));
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(DialogBoxTest, DialogItemCallsReachTheControlsAndTheControlsHaveTheDialogFont) {
    std::u16string text;
    HFONT dialogFont = nullptr, controlFont = nullptr;
    onStart([&](HWND hDlg) {
        EXPECT_TRUE(SetDlgItemTextW(hDlg, IDC_NAME, u"Alice"));
        WCHAR buffer[16];
        EXPECT_EQ(GetDlgItemTextW(hDlg, IDC_NAME, buffer, 16), 5u);
        text = buffer;
        dialogFont = reinterpret_cast<HFONT>(SendMessageW(hDlg, WM_GETFONT, 0, 0));
        controlFont = reinterpret_cast<HFONT>(SendDlgItemMessageW(hDlg, IDC_DONE, WM_GETFONT, 0, 0));
        EXPECT_FALSE(SetDlgItemTextW(hDlg, 4242, u"nobody"));
        EndDialog(hDlg, 0);
    });
    run(IDD_TEST_FORM);
    EXPECT_EQ(text, u"Alice");
    EXPECT_NE(dialogFont, nullptr);
    EXPECT_EQ(controlFont, dialogFont);
}

TEST_F(DialogBoxTest, ASsBitmapStaticLoadsTheBitmapItsTemplateNamesFromTheDialogsModule) {
    BITMAP info{};
    onStart([&](HWND hDlg) {
        auto bitmap = reinterpret_cast<HBITMAP>(SendDlgItemMessageW(hDlg, IDC_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0));
        GetObjectW(bitmap, sizeof info, &info);
        EndDialog(hDlg, 0);
    });
    run(IDD_TEST_ABOUT);
    EXPECT_GT(info.bmWidth, 0);
    EXPECT_GT(info.bmHeight, 0);
}

TEST_F(DialogBoxTest, MissingTemplatesBadOwnersAndUnknownControlClassesFailWithMinusOne) {
    EXPECT_EQ(DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(4321), owner, nullptr, 0), -1);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_RESOURCE_NAME_NOT_FOUND});
    HWND gone = CreateWindowExW(0, u"DialogTestOwner", u"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    EXPECT_EQ(DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_TEST_FORM), gone, nullptr, 0), -1);
    EXPECT_EQ(run(IDD_TEST_BROKEN), -1);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(EndDialog(owner, 1));
}

TEST_F(DialogBoxTest, AModelessDialogShowsWhenItsTemplateSaysVisibleAndEndDialogHidesIt) {
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_TEST_FORM), owner, nullptr, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowVisible(dialog));  // the template has no WS_VISIBLE
    ShowWindow(dialog, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_TRUE(IsWindowEnabled(owner));  // only modal dialogs disable their owner
    EXPECT_TRUE(EndDialog(dialog, 3));
    EXPECT_FALSE(IsWindowVisible(dialog));
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace dialogtest
