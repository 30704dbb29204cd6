// SHInitDialog: the full-screen flags give the dialog the whole work area, and the Done
// button is a round "ok" on the navigation bar whose tap is the dialog's IDOK.
#include <optional>

#include "aygshell.h"
#include "gwe/ScreenText.h"
#include "platform/dialog/DialogTest.h"
#include "shell/NavigationBar.h"
#include "support/RectCompare.h"

namespace dialogtest {
namespace {

using InitDialogTest = DialogTest;

// Where the navigation bar shows its "ok", if it does.
std::optional<RECT> okOnTheBar() {
    UpdateWindow(ce::shell::navigationBar());
    for (const ce::gwe::TextRun& run : ce::gwe::ScreenText::instance().visibleRuns())
        if (run.text == u"ok" && run.window == ce::shell::navigationBar()) return run.rect;
    return std::nullopt;
}

TEST_F(InitDialogTest, FullScreenDoneDialogFillsTheWorkAreaAndTheBarsOkEndsItThroughIdok) {
    RECT window{}, work{};
    std::vector<int> commands;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    handler = [&](HWND hDlg, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
        if (message == WM_INITDIALOG) {
            SHINITDLGINFO info{SHIDIM_FLAGS, hDlg, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN};
            EXPECT_TRUE(SHInitDialog(&info));
            whileShown([&](HWND shown) {
                GetWindowRect(shown, &window);
                std::optional<RECT> ok = okOnTheBar();
                ASSERT_TRUE(ok) << screenSaved("fullscreen_dialog");
                POINT centre{(ok->left + ok->right) / 2, (ok->top + ok->bottom) / 2};
                ce::gwe::input::stylusDown(centre);
                ce::gwe::input::stylusUp(centre);
            });
        }
        if (message == WM_COMMAND) {
            commands.push_back(LOWORD(wParam));
            if (LOWORD(wParam) == IDOK) EndDialog(hDlg, 0);
        }
        return message == WM_INITDIALOG || message == WM_COMMAND;
    };
    EXPECT_EQ(run(IDD_TEST_ABOUT), 0);
    EXPECT_EQ(window, work);
    EXPECT_EQ(commands, std::vector<int>{IDOK});
    EXPECT_FALSE(okOnTheBar());  // gone with the dialog
    EXPECT_EQ(GetActiveWindow(), owner);
}

TEST_F(InitDialogTest, ADialogWithoutTheDoneFlagShowsNoOkAndBadCallsAreRefused) {
    bool sawOk = true;
    onStart([&](HWND hDlg) {
        sawOk = okOnTheBar().has_value();
        EndDialog(hDlg, 0);
    });
    run(IDD_TEST_FORM);
    EXPECT_FALSE(sawOk);
    EXPECT_FALSE(SHInitDialog(nullptr));
    SHINITDLGINFO info{SHIDIM_FLAGS, reinterpret_cast<HWND>(0x5550), SHIDIF_DONEBUTTON};
    EXPECT_FALSE(SHInitDialog(&info));
}

}  // namespace
}  // namespace dialogtest
