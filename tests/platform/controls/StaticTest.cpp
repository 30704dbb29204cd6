// STATIC: where its text lands for each alignment, word wrapping, repainting on new text,
// the parent's colours, SS_BITMAP's pixels and SS_NOTIFY taps.
#include "gwe/Input.h"
#include "gwe/ScreenText.h"
#include "platform/controls/ControlTest.h"
#include "platform/resource/TestResourceIds.h"

namespace controltest {
namespace {

constexpr RECT c_rect{20, 60, 220, 80};

class StaticTest : public ControlTest {
protected:
    std::vector<ce::gwe::TextRun> runsOf(HWND hwnd) {
        std::vector<ce::gwe::TextRun> runs;
        for (const ce::gwe::TextRun& run : ce::gwe::ScreenText::instance().visibleRuns())
            if (run.window == hwnd) runs.push_back(run);
        return runs;
    }
    RECT textRect(HWND hwnd) {
        std::vector<ce::gwe::TextRun> runs = runsOf(hwnd);
        return runs.size() == 1 ? runs[0].rect : RECT{};
    }
};

TEST_F(StaticTest, TextIsAlignedLeftCentredOrRight) {
    RECT left = textRect(control(u"STATIC", u"Name", SS_LEFT, c_rect, 1));
    RECT right = textRect(control(u"STATIC", u"Name", SS_RIGHT, {20, 90, 220, 110}, 2));
    RECT centre = textRect(control(u"STATIC", u"Name", SS_CENTER, {20, 120, 220, 140}, 3));
    EXPECT_EQ(left.left, 20);
    EXPECT_EQ(left.top, 60 + c_parentTop);
    EXPECT_EQ(right.right, 220);
    int middle = (centre.left + centre.right) / 2;
    EXPECT_NEAR(middle, 120, 1) << screenSaved("static_alignment");
    EXPECT_EQ(right.right - right.left, left.right - left.left);
}

TEST_F(StaticTest, LongTextWrapsAtWordsAndNewTextRepaints) {
    HWND label = control(u"STATIC", u"one two three four five six seven", SS_LEFT, {20, 60, 80, 160}, 1);
    std::vector<ce::gwe::TextRun> runs = runsOf(label);
    EXPECT_GE(runs.size(), 3u) << screenSaved("static_wrap");
    for (const auto& run : runs) EXPECT_LE(run.rect.right, 80);
    SetWindowTextW(label, u"Done");
    recorder.dispatchPosted();
    runs = runsOf(label);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].text, u"Done");
}

TEST_F(StaticTest, TheBackgroundIsTheParentsBrushOrWhite) {
    control(u"STATIC", u"", SS_LEFT, c_rect, 1);
    EXPECT_EQ(pixel(25, 65), 0xFFFFFFu);
    buttonBrush = CreateSolidBrush(RGB(0, 128, 0));
    control(u"STATIC", u"", SS_LEFT, {20, 90, 220, 110}, 2);
    EXPECT_EQ(pixel(25, 95), 0x008000u) << screenSaved("static_ctlcolor");
    DeleteObject(buttonBrush);
    buttonBrush = nullptr;
}

TEST_F(StaticTest, SsBitmapDrawsTheImageAtTheTopLeftWithoutOwningIt) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 4, 3);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all{0, 0, 4, 3};
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(memory, &all, blue);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    HWND picture = control(u"STATIC", u"", SS_BITMAP, c_rect, 1);
    EXPECT_EQ(SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)), 0);
    EXPECT_EQ(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(bitmap));
    recorder.dispatchPosted();
    EXPECT_EQ(pixel(20, 60), 0x0000FFu) << screenSaved("static_bitmap");
    EXPECT_EQ(pixel(23, 62), 0x0000FFu) << screenSaved("static_bitmap");
    EXPECT_EQ(pixel(24, 60), 0xFFFFFFu) << screenSaved("static_bitmap");
    DestroyWindow(picture);
    BITMAP info{};
    EXPECT_EQ(GetObjectW(bitmap, sizeof info, &info), static_cast<int>(sizeof info));  // still alive
    DeleteObject(bitmap);
    DeleteObject(blue);
}

TEST_F(StaticTest, SsBitmapLoadsTheBitmapItsTextNames) {
    std::string digits = "#" + std::to_string(IDB_PICTURE);
    std::u16string name(digits.begin(), digits.end());
    HWND picture = CreateWindowExW(0, u"STATIC", name.c_str(), WS_CHILD | WS_VISIBLE | SS_BITMAP, 20, 60, 100, 100,
                                   parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_NE(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
}

TEST_F(StaticTest, SsNotifyTurnsATapIntoStnClicked) {
    HWND plain = control(u"STATIC", u"plain", SS_LEFT, c_rect, 1);
    HWND notifying = control(u"STATIC", u"link", SS_LEFT | SS_NOTIFY, {20, 90, 220, 110}, 2);
    ce::gwe::input::stylusDown(onScreen(25, 65));
    ce::gwe::input::stylusUp(onScreen(25, 65));
    ce::gwe::input::stylusDown(onScreen(25, 95));
    ce::gwe::input::stylusUp(onScreen(25, 95));
    recorder.dispatchPosted();
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(2, STN_CLICKED));
    EXPECT_EQ(commands[0].from, notifying);
    (void)plain;
}

}  // namespace
}  // namespace controltest
