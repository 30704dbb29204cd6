// DefWindowProcW: window text through the text messages, WM_HELP climbing to the parent as on
// CE, and WM_CLOSE destroying the window.
#include "platform/gwe/MessageRecorder.h"

namespace gwetest {
namespace {

class DefWindowProcTest : public WindowTest {};

TEST_F(DefWindowProcTest, TextGoesThroughTheTextMessagesAndIsCutToTheBuffer) {
    HWND w = create("w");
    recorder.clear();
    EXPECT_TRUE(SetWindowTextW(w, u"Contacts"));
    EXPECT_EQ(GetWindowTextLengthW(w), 8);
    WCHAR buffer[5];
    EXPECT_EQ(GetWindowTextW(w, buffer, 5), 4);
    EXPECT_EQ(std::u16string(buffer), u"Cont");
    EXPECT_TRUE(recorder.matches({{w, WM_SETTEXT, c_sent, 0}, {w, WM_GETTEXTLENGTH}, {w, WM_GETTEXT, c_sent, 5}}));
}

TEST_F(DefWindowProcTest, HelpClimbsToTheTopAndCloseDestroys) {
    HWND top = create("top");
    HWND child = create("child", top);
    recorder.clear();
    SendMessageW(child, WM_HELP, 0, 0);
    SendMessageW(top, WM_CLOSE, 0, 0);
    EXPECT_TRUE(recorder.matches({{child, WM_HELP}, {top, WM_HELP}, {top, WM_CLOSE}, {top, WM_DESTROY},
                                  {child, WM_DESTROY}, {child, WM_NCDESTROY}, {top, WM_NCDESTROY}}));
}

}  // namespace
}  // namespace gwetest
