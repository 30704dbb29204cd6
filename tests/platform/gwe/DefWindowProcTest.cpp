// DefWindowProcW: WM_CLOSE destroys the window and WM_HELP climbs to the parent, as on CE.
#include "platform/gwe/MessageRecorder.h"

namespace gwetest {
namespace {

class DefWindowProcTest : public WindowTest {};

TEST_F(DefWindowProcTest, CloseDestroysTheWindow) {
    HWND w = create("w");
    recorder.clear();
    EXPECT_EQ(SendMessageW(w, WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(recorder.matches({{w, WM_CLOSE}, {w, WM_DESTROY}, {w, WM_NCDESTROY}}));
    EXPECT_FALSE(IsWindow(w));
}

TEST_F(DefWindowProcTest, HelpIsPassedUpToTheParentWithItsParameters) {
    HWND top = create("top");
    HWND child = create("child", top);
    HWND grandchild = create("grandchild", child);
    recorder.clear();
    SendMessageW(grandchild, WM_HELP, 0, 0);
    EXPECT_TRUE(recorder.matches({{grandchild, WM_HELP, c_sent, WPARAM{0}, LPARAM{0}},
                                  {child, WM_HELP},
                                  {top, WM_HELP}}));
}

TEST_F(DefWindowProcTest, OtherMessagesAnswerZero) {
    HWND w = create("w");
    EXPECT_EQ(DefWindowProcW(w, WM_USER, 1, 2), 0);
    EXPECT_EQ(DefWindowProcW(w, WM_KEYDOWN, VK_RETURN, 0), 0);
    EXPECT_TRUE(IsWindow(w));
}

}  // namespace
}  // namespace gwetest
