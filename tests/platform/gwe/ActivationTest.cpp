// Showing, activation and focus in Win32 order: WM_SHOWWINDOW, WM_ACTIVATE to the window
// losing activation and then to the one gaining it, whose default handling takes the focus
// (WM_KILLFOCUS to the old focus, WM_SETFOCUS to the new).
#include "platform/gwe/MessageRecorder.h"

namespace gwetest {
namespace {

class ActivationTest : public WindowTest {
protected:
    HWND createVisible(const char* label, HWND parent = nullptr, DWORD style = 0) {
        return create(label, parent, style | WS_VISIBLE);
    }
    static LPARAM lp(HWND hwnd) { return reinterpret_cast<LPARAM>(hwnd); }
    static WPARAM wp(HWND hwnd) { return reinterpret_cast<WPARAM>(hwnd); }
};

TEST_F(ActivationTest, AVisibleTopLevelWindowIsShownActivatedAndFocusedAfterCreation) {
    HWND main = createVisible("main");
    EXPECT_TRUE(recorder.matches({{main, WM_CREATE},
                                  {main, WM_SIZE},
                                  {main, WM_MOVE},
                                  {main, WM_SHOWWINDOW, c_sent, TRUE, 0},
                                  {main, WM_ACTIVATE, c_sent, WA_ACTIVE, 0},
                                  {main, WM_SETFOCUS, c_sent, 0, 0}}));
    EXPECT_EQ(GetActiveWindow(), main);
    EXPECT_EQ(GetForegroundWindow(), main);
    EXPECT_EQ(GetFocus(), main);
}

TEST_F(ActivationTest, ActivatingAnotherWindowDeactivatesFirstThenMovesTheFocus) {
    HWND main = createVisible("main");
    HWND other = createVisible("other");
    recorder.clear();
    SetActiveWindow(main);
    EXPECT_TRUE(recorder.matches({{other, WM_ACTIVATE, c_sent, WA_INACTIVE, lp(main)},
                                  {main, WM_ACTIVATE, c_sent, WA_ACTIVE, lp(other)},
                                  {other, WM_KILLFOCUS, c_sent, wp(main), 0},
                                  {main, WM_SETFOCUS, c_sent, wp(other), 0}}));
    EXPECT_EQ(GetWindow(main, GW_HWNDNEXT), other);  // the active window is raised
}

TEST_F(ActivationTest, DestroyingTheActiveWindowActivatesTheNextBeforeWmDestroy) {
    HWND main = createVisible("main");
    HWND other = createVisible("other");
    recorder.clear();
    DestroyWindow(other);
    EXPECT_TRUE(recorder.matches({{other, WM_ACTIVATE, c_sent, WA_INACTIVE, lp(main)},
                                  {main, WM_ACTIVATE, c_sent, WA_ACTIVE, lp(other)},
                                  {other, WM_KILLFOCUS, c_sent, wp(main), 0},
                                  {main, WM_SETFOCUS, c_sent, wp(other), 0},
                                  {other, WM_DESTROY},
                                  {other, WM_NCDESTROY}}));
    EXPECT_EQ(GetActiveWindow(), main);
}

TEST_F(ActivationTest, HidingTheLastWindowLeavesNothingActiveOrFocused) {
    HWND main = createVisible("main");
    recorder.clear();
    EXPECT_TRUE(ShowWindow(main, SW_HIDE));
    EXPECT_TRUE(recorder.matches({{main, WM_SHOWWINDOW, c_sent, FALSE, 0},
                                  {main, WM_ACTIVATE, c_sent, WA_INACTIVE, 0},
                                  {main, WM_KILLFOCUS, c_sent, 0, 0}}));
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_FALSE(ShowWindow(main, SW_HIDE));  // was already hidden: no messages
}

TEST_F(ActivationTest, FocusingAChildOfAnInactiveWindowActivatesItsTopLevelWindow) {
    HWND main = createVisible("main");
    HWND child = createVisible("child", main);
    HWND other = createVisible("other");
    recorder.clear();
    EXPECT_EQ(SetFocus(child), other);
    EXPECT_TRUE(recorder.matches({{other, WM_ACTIVATE, c_sent, WA_INACTIVE, lp(main)},
                                  {main, WM_ACTIVATE, c_sent, WA_ACTIVE, lp(other)},
                                  {other, WM_KILLFOCUS, c_sent, wp(main), 0},
                                  {main, WM_SETFOCUS, c_sent, wp(other), 0},
                                  {main, WM_KILLFOCUS, c_sent, wp(child), 0},
                                  {child, WM_SETFOCUS, c_sent, wp(main), 0}}));
    EXPECT_EQ(GetFocus(), child);
}

TEST_F(ActivationTest, ChildWindowsAreShownButNeverActivated) {
    HWND main = createVisible("main");
    recorder.clear();
    HWND child = createVisible("child", main);
    EXPECT_TRUE(recorder.matches(
        {{child, WM_CREATE}, {child, WM_SIZE}, {child, WM_MOVE}, {child, WM_SHOWWINDOW, c_sent, TRUE, 0}}));
    EXPECT_EQ(GetActiveWindow(), main);
    EXPECT_EQ(SetActiveWindow(child), nullptr);
}

TEST_F(ActivationTest, DisablingTheFocusWindowTakesTheFocusAway) {
    HWND main = createVisible("main");
    HWND child = createVisible("child", main);
    SetFocus(child);
    recorder.clear();
    EXPECT_FALSE(EnableWindow(child, FALSE));
    EXPECT_TRUE(recorder.matches({{child, WM_KILLFOCUS, c_sent, 0, 0}, {child, WM_ENABLE, c_sent, FALSE, 0}}));
    EXPECT_EQ(SetFocus(child), nullptr);  // a disabled window cannot take it
    EXPECT_TRUE(EnableWindow(child, TRUE));
}

TEST_F(ActivationTest, StaleHandlesFailCleanly) {
    HWND gone = create("gone");
    DestroyWindow(gone);
    EXPECT_FALSE(ShowWindow(gone, SW_SHOW));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_WINDOW_HANDLE});
    EXPECT_EQ(SetFocus(gone), nullptr);
    EXPECT_FALSE(SetForegroundWindow(gone));
    RECT rect;
    EXPECT_FALSE(GetWindowRect(gone, &rect));
    EXPECT_EQ(GetDC(gone), nullptr);
    EXPECT_FALSE(InvalidateRect(gone, nullptr, TRUE));
}

}  // namespace
}  // namespace gwetest
