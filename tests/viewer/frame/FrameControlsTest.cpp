// The frame's controls as the user meets them: the button bar's buttons on the screen, taps
// and holds on them, the keys that move between them and back to the card, their colours;
// the title label sized by its first text.
#include <aygshell.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Theme.h"
#include "atl/MessageMap.h"
#include "frame/ButtonBar.h"
#include "frame/PageButton.h"
#include "frame/PageCommands.h"
#include "frame/TitleLabel.h"
#include "gwe/Input.h"
#include "gwe/Screen.h"
#include "gwe/ScreenText.h"
#include "viewer/support/ScreenHelpers.h"
#include "resources/ResourceIds.h"
#include "viewer/support/ViewerTest.h"

using namespace Orvane;
using viewer_test::onScreen;
using viewer_test::pump;

namespace {

std::vector<MSG> g_received;

LRESULT CALLBACK recordFrame(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // As the frame does: drawing requests go back to the control, and the page buttons'
    // messages are handled right after the frame's own.
    if (message == WM_DRAWITEM) {
        auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return SendMessageW(item->hwndItem, OCM_DRAWITEM, wParam, lParam);
    }
    if (message == WM_VSCROLL) {
        g_received.push_back(MSG{window, message, wParam, lParam, 0, {}});
        return 0;
    }
    LRESULT result = 0;
    if (handlePageMessage(window, message, wParam, lParam, result)) return result;
    if (message == WM_COMMAND || message == WM_NOTIFY || message == ButtonBar::c_leaveBelow ||
        message == ButtonBar::c_leaveAbove) {
        // A notification's header is only valid during the call: keep its code instead.
        if (message == WM_NOTIFY) lParam = reinterpret_cast<const NMHDR*>(lParam)->code;
        g_received.push_back(MSG{window, message, wParam, lParam, 0, {}});
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

constexpr int c_frameTop = 26;
constexpr RECT c_barArea{0, 260, 240, 290};

class FrameControlsTest : public viewer_test::ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        g_received.clear();
        WNDCLASSW frameClass{0, recordFrame, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, u"TestFrame"};
        RegisterClassW(&frameClass);
        m_frame = CreateWindowExW(0, u"TestFrame", u"Frame", WS_VISIBLE, 0, c_frameTop, 240, 294, nullptr, nullptr,
                                  nullptr, nullptr);
        m_bar.Create(m_frame, c_barArea, nullptr, WS_CHILD | WS_VISIBLE);
    }
    void TearDown() override {
        DestroyWindow(m_frame);
        pump();
        ViewerTest::TearDown();
    }
    // Three buttons showing the program's strings 1, 40020 and 1 again, with those commands.
    void threeButtons() {
        m_bar.setButtonCount(3);
        m_bar.setButton(0, IDS_APP_TITLE);
        m_bar.setButton(1, IDS_INDEXED);
        m_bar.setButton(2, IDS_APP_TITLE);
        pump();
    }
    std::vector<UINT> received(UINT message) const {
        std::vector<UINT> found;
        for (const MSG& msg : g_received)
            if (msg.message == message)
                found.push_back(message == WM_NOTIFY ? static_cast<UINT>(msg.lParam) : LOWORD(msg.wParam));
        return found;
    }
    static POINT centreOnScreen(HWND window) {
        RECT r;
        GetWindowRect(window, &r);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    HWND m_frame{};
    ButtonBar m_bar{&m_app};
};

TEST_F(FrameControlsTest, ButtonsShareTheBarAndThoseNoLongerAskedForAreHidden) {
    threeButtons();
    RECT first, third;
    GetWindowRect(m_bar.getButton(0), &first);
    GetWindowRect(m_bar.getButton(2), &third);
    EXPECT_EQ(first.right - first.left, 80);
    EXPECT_EQ(third.left, 160);
    EXPECT_EQ(GetDlgCtrlID(m_bar.getButton(1)), IDS_INDEXED);
    EXPECT_TRUE(onScreen(u"[indexed]"));
    m_bar.select(2);
    m_bar.setButtonCount(1);
    pump();
    EXPECT_EQ(m_bar.getCurrent(), 0u);
    GetWindowRect(m_bar.getButton(0), &first);
    EXPECT_EQ(first.right - first.left, 240);
    EXPECT_FALSE(IsWindowVisible(m_bar.getButton(1)));
    EXPECT_FALSE(onScreen(u"[indexed]"));
}

TEST_F(FrameControlsTest, KeysMoveAlongTheBarAndBackToTheCardAtItsEnds) {
    threeButtons();
    EXPECT_TRUE(m_bar.handleKey(VK_LEFT));
    EXPECT_TRUE(m_bar.handleKey(VK_RIGHT));
    EXPECT_TRUE(m_bar.handleKey(VK_RIGHT));
    EXPECT_EQ(m_bar.getCurrent(), 2u);
    EXPECT_TRUE(m_bar.handleKey(VK_RIGHT));
    EXPECT_FALSE(m_bar.handleKey(VK_TAB));
    m_bar.handleKey(VK_RETURN);
    pump();
    EXPECT_EQ(received(ButtonBar::c_leaveAbove).size(), 1u);
    EXPECT_EQ(received(ButtonBar::c_leaveBelow).size(), 1u);
    // Enter clicks the current button: its command reaches the frame.
    EXPECT_EQ(received(WM_COMMAND), std::vector<UINT>{IDS_APP_TITLE});
    // With one button, both Left and Right give the focus back.
    g_received.clear();
    m_bar.setButtonCount(1);
    m_bar.handleKey(VK_LEFT);
    m_bar.handleKey(VK_RIGHT);
    pump();
    EXPECT_EQ(received(ButtonBar::c_leaveAbove).size(), 1u);
    EXPECT_EQ(received(ButtonBar::c_leaveBelow).size(), 1u);
}

TEST_F(FrameControlsTest, ATapSendsTheCommandAndAHoldOnlyTheShellsNotification) {
    threeButtons();
    POINT at = centreOnScreen(m_bar.getButton(1));
    ce::gwe::input::stylusDown(at);
    ce::gwe::input::stylusUp(at);
    pump();
    EXPECT_EQ(received(WM_COMMAND), std::vector<UINT>{IDS_INDEXED});
    g_received.clear();
    // Held still: the shell recognises it while the pen-down is handled.
    ce::gwe::input::stylusDown(at);
    pump();
    ce::gwe::input::stylusUp(at);
    pump();
    EXPECT_EQ(received(WM_NOTIFY), std::vector<UINT>{GN_CONTEXTMENU});
    EXPECT_TRUE(received(WM_COMMAND).empty());
}

TEST_F(FrameControlsTest, OnlyTheHighlightedCurrentButtonTakesTheActiveColours) {
    threeButtons();
    Nevo::Theme* theme = m_app.getTheme();
    HDC dc = GetDC(m_frame);
    auto brushFor = [&](UINT index) {
        return reinterpret_cast<HBRUSH>(
            m_bar.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(m_bar.getButton(index))));
    };
    EXPECT_EQ(brushFor(0), theme->getBrush(Nevo::ColorLabelBack));
    m_bar.highlight();
    EXPECT_EQ(brushFor(0), theme->getBrush(Nevo::ColorActiveLabelBack));
    EXPECT_EQ(GetTextColor(dc), theme->getColor(Nevo::ColorActiveLabelText));
    EXPECT_EQ(brushFor(1), theme->getBrush(Nevo::ColorLabelBack));
    m_bar.unhighlight();
    EXPECT_EQ(brushFor(0), theme->getBrush(Nevo::ColorLabelBack));
    ReleaseDC(m_frame, dc);
}

TEST_F(FrameControlsTest, TheTitleKeepsTheSizeOfItsFirstText) {
    TitleLabel title;
    ASSERT_TRUE(title.create(m_frame, u"Record id 0x1: 3 props"));
    pump();
    EXPECT_TRUE(onScreen(u"Record id 0x1: 3 props"));
    RECT before;
    title.GetWindowRect(&before);
    EXPECT_EQ(before.left, 5);
    EXPECT_GE(before.bottom - before.top, 8);
    title.setText(u"Record id 0x12345: 30 props and more");
    pump();
    RECT after;
    title.GetWindowRect(&after);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
}

// Chooses the visible entry that reads "Home", from inside the menu's loop.
POINT g_heldAt{};
void CALLBACK chooseHome(HWND window, UINT, UINT_PTR timer, DWORD) {
    KillTimer(window, timer);
    ce::gwe::input::stylusUp(g_heldAt);
    for (const ce::gwe::TextRun& run : ce::gwe::ScreenText::instance().visibleRuns()) {
        if (run.text != u"Home") continue;
        POINT at{(run.rect.left + run.rect.right) / 2, (run.rect.top + run.rect.bottom) / 2};
        ce::gwe::input::stylusDown(at);
        ce::gwe::input::stylusUp(at);
    }
}

TEST_F(FrameControlsTest, PageButtonsScrollAndAHoldOnPageUpOffersHome) {
    PageButton down(PageButton::c_pageDown), up(PageButton::c_pageUp);
    down.create(m_frame, 208, 234, PageButton::c_size);
    up.create(m_frame, 0, 234, PageButton::c_size);
    pump();
    POINT downAt = centreOnScreen(down.handle());
    ce::gwe::input::stylusDown(downAt);
    ce::gwe::input::stylusUp(downAt);
    pump();
    EXPECT_EQ(received(WM_VSCROLL), std::vector<UINT>{SB_PAGEDOWN});
    g_received.clear();
    g_heldAt = centreOnScreen(up.handle());
    SetTimer(m_frame, 1, 1, chooseHome);
    ce::gwe::input::stylusDown(g_heldAt);
    pump();
    EXPECT_EQ(received(WM_VSCROLL), std::vector<UINT>{SB_TOP});
}

// The left half of the arrowhead bitmap is drawn on white, the right half (pressed) on black.
TEST_F(FrameControlsTest, APageButtonShowsTheRightHalfOfItsPictureWhilePressed) {
    PageButton down(PageButton::c_pageDown);
    down.create(m_frame, 208, 234, PageButton::c_size);
    pump();
    auto corner = [] { return ce::gwe::Screen::instance().surface().pixel(209, 234 + c_frameTop + 1); };
    EXPECT_EQ(corner(), 0xFFFFFFu);
    SendMessageW(down.handle(), BM_SETSTATE, TRUE, 0);
    pump();
    EXPECT_EQ(corner(), 0x000000u);
}

}  // namespace
