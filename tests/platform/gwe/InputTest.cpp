// Input: the stylus to the window under it in client coordinates (or to the capture), a tap
// activating an inactive window, keys to the focus window, F1 as WM_HELP to the active one.
#include "gwe/Input.h"
#include "platform/gwe/MessageRecorder.h"

namespace gwetest {
namespace {

namespace input = ce::gwe::input;

class InputTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        main = create("main", nullptr, WS_VISIBLE);
        MoveWindow(main, 0, 26, 240, 294, FALSE);
        child = create("child", main, WS_VISIBLE);
        MoveWindow(child, 10, 10, 100, 50, FALSE);
        recorder.dispatchPosted();
        recorder.clear();
    }
    HWND main{}, child{};
};

TEST_F(InputTest, StylusGoesToTheWindowUnderItInClientCoordinates) {
    input::stylusDown({20, 40});
    input::stylusMove({25, 45});
    input::stylusUp({200, 300});
    recorder.dispatchPosted();
    EXPECT_TRUE(recorder.matches({{child, WM_LBUTTONDOWN, c_posted, MK_LBUTTON, MAKELPARAM(10, 4)},
                                  {child, WM_MOUSEMOVE, c_posted, MK_LBUTTON, MAKELPARAM(15, 9)},
                                  {main, WM_LBUTTONUP, c_posted, 0, MAKELPARAM(200, 274)}}));
}

TEST_F(InputTest, TheCaptureTakesTheStylusWhereverItGoes) {
    SetCapture(child);
    input::stylusDown({200, 300});
    input::stylusUp({200, 300});
    recorder.dispatchPosted();
    EXPECT_TRUE(recorder.matches({{child, WM_LBUTTONDOWN, c_posted, MK_LBUTTON, MAKELPARAM(190, 264)},
                                  {child, WM_LBUTTONUP, c_posted, 0, MAKELPARAM(190, 264)}}));
    recorder.clear();
    ReleaseCapture();
    EXPECT_TRUE(recorder.matches({{child, WM_CAPTURECHANGED, c_sent, 0, 0}}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(InputTest, TappingAnInactiveWindowActivatesItFirst) {
    HWND other = create("other", nullptr, WS_VISIBLE);
    MoveWindow(other, 0, 200, 240, 120, FALSE);
    MoveWindow(main, 0, 26, 240, 150, FALSE);
    SetActiveWindow(main);
    recorder.dispatchPosted();
    recorder.clear();
    input::stylusDown({5, 250});
    EXPECT_TRUE(recorder.matches({{main, WM_ACTIVATE, c_sent, WA_INACTIVE},
                                  {other, WM_ACTIVATE, c_sent, WA_CLICKACTIVE},
                                  {main, WM_KILLFOCUS},
                                  {other, WM_SETFOCUS}}));
}

TEST_F(InputTest, KeysGoToTheFocusAndCtrlLettersMakeControlCharacters) {
    SetFocus(child);
    recorder.clear();
    input::keyPress(VK_DOWN);
    input::keyPress('S', true);
    MSG msg;
    std::vector<std::pair<UINT, WPARAM>> got;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.hwnd != child) continue;
        got.emplace_back(msg.message, msg.wParam);
        TranslateMessage(&msg);
    }
    // The character comes behind what was queued when its key was translated; Ctrl counts as
    // held while the keys between its own down and up are handled.
    std::vector<std::pair<UINT, WPARAM>> expected{{WM_KEYDOWN, VK_DOWN},    {WM_KEYUP, VK_DOWN},
                                                  {WM_KEYDOWN, VK_CONTROL}, {WM_KEYDOWN, 'S'},
                                                  {WM_KEYUP, 'S'},          {WM_KEYUP, VK_CONTROL},
                                                  {WM_CHAR, 0x13}};
    EXPECT_EQ(got, expected);
}

TEST_F(InputTest, F1AsksTheActiveWindowForHelpWithNoParameters) {
    SetFocus(child);
    recorder.clear();
    input::keyPress(VK_F1);
    recorder.dispatchPosted();
    EXPECT_TRUE(recorder.matches({{main, WM_HELP, c_posted, 0, 0}}));
}

}  // namespace
}  // namespace gwetest
