// The About box: the version line set at start, full screen, and never a second box while one
// is open, however often the command comes.
#include <gtest/gtest.h>

#include "about/AboutBox.h"
#include "resources/ResourceIds.h"
#include "viewer/support/ScreenHelpers.h"
#include "viewer/support/ViewerTest.h"

namespace {

struct SeenWhileOpen {
    std::u16string version;
    bool stillOpen = false;
    RECT box{};
};
SeenWhileOpen g_seen;

// Runs inside the box's modal loop: asks for the box again, looks at it, and presses ok.
LRESULT CALLBACK askAgain(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_APP) return DefWindowProcW(window, message, wParam, lParam);
    Orvane::AboutBox::show(window);
    HWND box = GetActiveWindow();
    WCHAR version[64] = {};
    GetDlgItemTextW(box, IDC_ABOUT_VERSION, version, 64);
    g_seen.version = version;
    g_seen.stillOpen = Orvane::AboutBox::isOpen();
    GetWindowRect(box, &g_seen.box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return 0;
}

class AboutBoxTest : public viewer_test::ViewerTest {};

TEST_F(AboutBoxTest, ShowsTheVersionFullScreenAndNeverOpensTwice) {
    WNDCLASSW asker{0, askAgain, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, u"AboutAsker"};
    RegisterClassW(&asker);
    HWND owner = CreateWindowExW(0, u"AboutAsker", u"Owner", WS_VISIBLE, 0, 26, 240, 294, nullptr, nullptr,
                                 nullptr, nullptr);
    PostMessageW(owner, WM_APP, 0, 0);
    Orvane::AboutBox::show(owner);

    EXPECT_EQ(g_seen.version, u"1.0, build 612001");
    EXPECT_TRUE(g_seen.stillOpen);
    EXPECT_EQ(g_seen.box.right - g_seen.box.left, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_FALSE(Orvane::AboutBox::isOpen());
    // Closed, the box opens again on the next command.
    PostMessageW(owner, WM_APP, 0, 0);
    Orvane::AboutBox::show(owner);
    EXPECT_FALSE(Orvane::AboutBox::isOpen());
    DestroyWindow(owner);
    viewer_test::pump();
}

}  // namespace
