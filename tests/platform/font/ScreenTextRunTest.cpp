// The screen text: each ExtTextOutW call and each DrawTextW line drawn into a window's DC
// is remembered as a run where it shows on the screen; memory DCs leave none.
#include "gwe/ScreenText.h"
#include "gwe/WindowVisibility.h"
#include "platform/font/TextCanvas.h"

namespace fonttest {
namespace {

class ScreenTextRunTest : public ::testing::Test {
protected:
    static constexpr const WCHAR* c_className = u"FontTestWindow";

    void SetUp() override {
        WNDCLASSW wc{0, DefWindowProcW, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, c_className};
        RegisterClassW(&wc);
        window = CreateWindowExW(0, c_className, u"", WS_POPUP | WS_VISIBLE, 0, 40, 200, 100, nullptr, nullptr,
                                 nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        hdc = ce::gdi::DeviceContext::createForWindow(window, POINT{0, 40}, ce::gwe::visibleRegion(window));
        font = createFont(-12);
        SelectObject(hdc, font);
    }
    void TearDown() override {
        ce::gdi::DeviceContext::destroy(hdc);
        DestroyWindow(window);
        UnregisterClassW(c_className, nullptr);
        deleteFont(font);
    }
    std::vector<ce::gwe::TextRun> runs() const {
        std::vector<ce::gwe::TextRun> mine;
        for (const ce::gwe::TextRun& run : ce::gwe::ScreenText::instance().visibleRuns())
            if (run.window == window) mine.push_back(run);
        return mine;
    }
    LONG width(std::u16string_view text) const {
        SIZE size{};
        GetTextExtentPoint32W(hdc, text.data(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

    HWND window = nullptr;
    HDC hdc = nullptr;
    HFONT font = nullptr;
};

TEST_F(ScreenTextRunTest, ExtTextOutRecordsItsRunOnTheScreen) {
    ExtTextOutW(hdc, 5, 6, 0, nullptr, u"Hello", 5, nullptr);
    std::vector<ce::gwe::TextRun> recorded = runs();
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(recorded[0].text, u"Hello");
    EXPECT_EQ(recorded[0].rect.left, 5);
    EXPECT_EQ(recorded[0].rect.top, 46);
    EXPECT_EQ(recorded[0].rect.right, 5 + width(u"Hello"));
    EXPECT_EQ(recorded[0].rect.bottom, 46 + 14);
}

TEST_F(ScreenTextRunTest, ARunIsCutToTheClipAndAClippedAwayRunIsNotRecorded) {
    RECT clip{0, 0, 20, 50};
    ExtTextOutW(hdc, 5, 6, ETO_CLIPPED, &clip, u"Hello", 5, nullptr);
    ASSERT_EQ(runs().size(), 1u);
    EXPECT_EQ(runs()[0].rect.right, 20);

    RECT away{150, 0, 160, 10};
    ExtTextOutW(hdc, 5, 30, ETO_CLIPPED, &away, u"Gone", 4, nullptr);
    EXPECT_EQ(runs().size(), 1u);
}

TEST_F(ScreenTextRunTest, DrawTextRecordsOneRunPerLineWithPrefixesResolved) {
    RECT rect{0, 0, 200, 100};
    DrawTextW(hdc, u"&Name\r\nA&&B", -1, &rect, 0);
    std::vector<ce::gwe::TextRun> recorded = runs();
    ASSERT_EQ(recorded.size(), 2u);
    EXPECT_EQ(recorded[0].text, u"Name");
    EXPECT_EQ(recorded[1].text, u"A&B");
    EXPECT_EQ(recorded[1].rect.top, 40 + 14);
}

TEST_F(ScreenTextRunTest, MemoryDcsRecordNothing) {
    size_t before = ce::gwe::ScreenText::instance().visibleRuns().size();
    TextCanvas canvas(100, 20, font);
    ExtTextOutW(canvas.hdc(), 0, 0, 0, nullptr, u"Hidden", 6, nullptr);
    RECT rect{0, 0, 100, 20};
    DrawTextW(canvas.hdc(), u"Hidden", -1, &rect, 0);
    EXPECT_EQ(ce::gwe::ScreenText::instance().visibleRuns().size(), before);
}

}  // namespace
}  // namespace fonttest
