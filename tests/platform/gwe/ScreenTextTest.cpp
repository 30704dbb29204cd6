// The screen text: runs drawn into windows, replaced by what is painted over them, and left
// out while their window is covered or hidden.
#include "gwe/ScreenText.h"
#include "platform/gwe/MessageRecorder.h"

namespace gwetest {
namespace {

using ce::gwe::ScreenText;
using ce::gwe::TextRun;

class ScreenTextTest : public WindowTest {
protected:
    HWND shown(const char* label, RECT rect) {
        HWND hwnd = create(label, nullptr, WS_VISIBLE);
        MoveWindow(hwnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, FALSE);
        return hwnd;
    }
    // The test's own windows' runs: the shell's navigation bar has its own.
    static std::vector<std::u16string> texts() {
        std::vector<std::u16string> result;
        WCHAR name[32];
        for (const TextRun& run : ScreenText::instance().visibleRuns())
            if (GetClassNameW(run.window, name, 32) && std::u16string(name) == c_className) result.push_back(run.text);
        return result;
    }
};

TEST_F(ScreenTextTest, RunsComeTopToBottomThenLeftToRight) {
    HWND window = shown("window", {0, 30, 240, 300});
    ScreenText& text = ScreenText::instance();
    text.add({{100, 50, 150, 60}, window, u"right"});
    text.add({{10, 50, 60, 60}, window, u"left"});
    text.add({{10, 40, 60, 48}, window, u"top"});
    EXPECT_EQ(texts(), (std::vector<std::u16string>{u"top", u"left", u"right"}));
}

// Any paint over a run takes it off the list; drawing the same text in the same cell over the
// painted part makes it whole again, while other text drawn over a run replaces it.
TEST_F(ScreenTextTest, PaintingOverARunTakesItOffUntilTheSameTextFillsItInAgain) {
    HWND window = shown("window", {0, 30, 240, 300});
    ScreenText& text = ScreenText::instance();
    text.add({{10, 40, 60, 50}, window, u"old"});
    text.add({{10, 60, 60, 70}, window, u"kept"});
    text.erase(window, ce::gdi::Region(RECT{50, 38, 240, 52}));
    EXPECT_EQ(texts(), (std::vector<std::u16string>{u"kept"}));
    text.add({{50, 40, 60, 50}, window, u"old", {10, 40, 60, 50}});
    ASSERT_EQ(texts(), (std::vector<std::u16string>{u"old", u"kept"}));
    for (const TextRun& run : text.visibleRuns())
        if (run.window == window && run.text == u"old") {
            EXPECT_EQ(run.rect.left, 10);
        }
    text.add({{12, 60, 70, 70}, window, u"new"});
    EXPECT_EQ(texts(), (std::vector<std::u16string>{u"old", u"new"}));
}

TEST_F(ScreenTextTest, ACoveredOrHiddenWindowsTextIsNotVisible) {
    HWND below = shown("below", {0, 30, 240, 300});
    ScreenText::instance().add({{10, 40, 60, 50}, below, u"under"});
    HWND above = shown("above", {0, 30, 240, 100});
    EXPECT_TRUE(texts().empty());
    DestroyWindow(above);
    EXPECT_EQ(texts(), (std::vector<std::u16string>{u"under"}));
    ShowWindow(below, SW_HIDE);
    EXPECT_TRUE(texts().empty());
}

// A focused button draws its focus frame around its caption: a frame covers only its edges,
// so the caption can still be found (and clicked by a script).
TEST_F(ScreenTextTest, AFrameDrawnAroundTextLeavesItOnTheScreen) {
    HWND window = shown("window", {0, 30, 240, 300});
    HDC hdc = GetDC(window);
    ExtTextOutW(hdc, 20, 20, 0, nullptr, u"Caption", 7, nullptr);
    RECT frame{16, 17, 80, 36};
    DrawFocusRect(hdc, &frame);
    ReleaseDC(window, hdc);
    EXPECT_EQ(texts(), (std::vector<std::u16string>{u"Caption"}));
}

}  // namespace
}  // namespace gwetest
