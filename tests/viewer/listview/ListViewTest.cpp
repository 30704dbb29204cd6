// The list window as a user meets it: rows on the screen, keys, taps near the edges, page
// scrolling, activation and the report when the selection tries to leave the list.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gwe/Input.h"
#include "gwe/Screen.h"
#include "viewer/support/ScreenHelpers.h"
#include "items/MessageItem.h"
#include "app/Theme.h"
#include "listview/ListView.h"
#include "records/ArrayListModel.h"
#include "support/PlainApp.h"

using namespace Orvane;
using viewer_test::onScreen;
using viewer_test::pump;

namespace {

constexpr int c_top = 26;  // the parent's client area starts below the navigation bar

// What the list posts to its parent.
std::vector<MSG> g_posted;

LRESULT CALLBACK recordParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND || message == ListView::c_leaveList) {
        g_posted.push_back(MSG{window, message, wParam, lParam, 0, {}});
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Two rows of text per entry, as the record browser measures them.
class TwoLineModel : public Nevo::ArrayListModel {
public:
    void measureItem(HDC dc, UINT* width, UINT* height) override {
        ArrayListModel::measureItem(dc, width, height);
        *height *= 2;
    }
};

// Red pixels in a square of the screen: the scroll marks are red arrows.
int redPixels(int left, int top, int size) {
    int count = 0;
    for (int y = top; y < top + size; ++y)
        for (int x = left; x < left + size; ++x) count += ce::gwe::Screen::instance().surface().pixel(x, y) == 0xFF0000;
    return count;
}

class ListViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_posted.clear();
        WNDCLASSW parentClass{0, recordParent, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, u"ListParent"};
        RegisterClassW(&parentClass);
        m_parent = CreateWindowExW(0, u"ListParent", u"Cards", WS_VISIBLE, 0, c_top, 240, 294, nullptr, nullptr,
                                   nullptr, nullptr);
        fill(25);
    }
    void TearDown() override {
        DestroyWindow(m_parent);
        pump();
    }
    void fill(int rows) {
        m_model.clear();
        for (int i = 0; i < rows; ++i) {
            std::u16string name = u"Row " + std::u16string(1, static_cast<char16_t>(u'A' + i));
            m_model.addItem(new MessageItem(nullptr, name.c_str(), nullptr));
        }
    }
    // The list with exactly `visible` rows showing, its row height measured by a first paint.
    void show(int visible) {
        m_list.setModel(&m_model);
        RECT area{0, 0, 240, 294};
        m_list.Create(m_parent, area, nullptr, WS_CHILD | WS_VISIBLE, 0, 1);
        pump();
        m_list.MoveWindow(0, 0, 240, visible * m_list.getRowHeight());
        pump();
    }
    void key(UINT virtualKey) {
        m_list.SendMessage(WM_KEYDOWN, virtualKey, 0);
        pump();
    }
    // A tap on row `row` of the screen as it shows now.
    void tapRow(int row) {
        POINT at{60, c_top + row * m_list.getRowHeight() + m_list.getRowHeight() / 2};
        ce::gwe::input::stylusDown(at);
        ce::gwe::input::stylusUp(at);
        pump();
    }
    int reports() const {
        int count = 0;
        for (const MSG& msg : g_posted) count += msg.message == ListView::c_leaveList;
        return count;
    }
    int activations() const {
        int count = 0;
        for (const MSG& msg : g_posted)
            count += msg.message == WM_COMMAND && msg.wParam == MAKEWPARAM(1, LBN_DBLCLK) &&
                     msg.lParam == reinterpret_cast<LPARAM>(m_list.m_hWnd);
        return count;
    }

    test_support::PlainApp m_app;
    TwoLineModel m_model;
    ListView m_list{&m_app};
    HWND m_parent{};
};

TEST_F(ListViewTest, TheFirstPaintMeasuresTheRowsAndOnlyVisibleRowsAreDrawn) {
    m_list.setModel(&m_model);
    m_list.Create(m_parent, RECT{0, 0, 240, 294}, nullptr, WS_CHILD | WS_VISIBLE, 0, 1);
    EXPECT_EQ(m_list.getRowHeight(), -1);
    pump();
    ASSERT_GT(m_list.getRowHeight(), 0);
    EXPECT_EQ(m_list.getVisibleRows(), 294 / m_list.getRowHeight());
    EXPECT_TRUE(onScreen(u"Row A"));
    EXPECT_FALSE(onScreen(u"Row Y"));
}

// Both lines of a row fit in it: the row is measured in the font the rows are drawn in.
TEST_F(ListViewTest, RowsAreMeasuredInTheFontTheyAreDrawnIn) {
    show(5);
    HDC dc = GetDC(m_list.m_hWnd);
    SelectObject(dc, m_app.getTheme()->getFont(Nevo::FontItem));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    ReleaseDC(m_list.m_hWnd, dc);
    EXPECT_EQ(m_list.getRowHeight(), 2 * metrics.tmHeight);
}

TEST_F(ListViewTest, ScrollMarksShowWhereRowsLieBeyondTheScreen) {
    show(8);
    int row = m_list.getRowHeight();
    int x = 240 * 95 / 100 - row;
    int upY = c_top + row / 9, downY = c_top + 8 * row - row * 9 / 10;
    EXPECT_EQ(redPixels(x, upY, row), 0);
    EXPECT_GT(redPixels(x, downY, row), 10);
    m_list.SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
    pump();
    EXPECT_GT(redPixels(x, upY, row), 10);
    EXPECT_EQ(redPixels(x, downY, row), 0);
}

TEST_F(ListViewTest, AnEmptyListReportsEveryMoveAndStillActivates) {
    fill(0);
    show(10);
    for (UINT k : {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT}) key(k);
    EXPECT_EQ(reports(), 4);
    key(VK_RETURN);
    EXPECT_EQ(activations(), 1);
}

TEST_F(ListViewTest, DownKeepsARowOfContextAndReportsAtTheLastRow) {
    show(10);
    for (int i = 0; i < 9; ++i) key(VK_DOWN);
    // Onto the last visible row: one more row comes into view.
    EXPECT_EQ(m_list.getSelection(), 9u);
    EXPECT_EQ(m_list.getTopIndex(), 1u);
    EXPECT_TRUE(onScreen(u"Row K"));
    for (int i = 0; i < 20; ++i) key(VK_DOWN);
    EXPECT_EQ(m_list.getSelection(), 24u);
    EXPECT_EQ(m_list.getTopIndex(), 15u);
    EXPECT_EQ(reports(), 5);
    EXPECT_TRUE(onScreen(u"Row Y"));
}

TEST_F(ListViewTest, PageDownStopsWhereTheLastPageBegins) {
    show(10);
    m_list.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(m_list.getTopIndex(), 9u);
    EXPECT_EQ(m_list.getSelection(), 9u);
    m_list.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(m_list.getTopIndex(), 15u);
    m_list.SendMessage(WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(m_list.getTopIndex(), 0u);
    EXPECT_EQ(m_list.getSelection(), 0u);
    m_list.SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(m_list.getTopIndex(), 15u);
    m_list.SendMessage(WM_VSCROLL, SB_PAGEUP, 0);
    EXPECT_EQ(m_list.getTopIndex(), 6u);
}

TEST_F(ListViewTest, TappingSelectsThenActivatesAndTheEdgesScroll) {
    show(10);
    m_list.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    pump();
    g_posted.clear();
    tapRow(3);
    EXPECT_EQ(m_list.getSelection(), 12u);
    EXPECT_EQ(activations(), 0);
    tapRow(3);
    EXPECT_EQ(activations(), 1);
    // The first visible row scrolls the list up by one.
    tapRow(0);
    EXPECT_EQ(m_list.getSelection(), 9u);
    EXPECT_EQ(m_list.getTopIndex(), 8u);
}

TEST_F(ListViewTest, ARefilledListKeepsTheSelectionNumber) {
    show(10);
    for (int i = 0; i < 12; ++i) key(VK_DOWN);
    ASSERT_EQ(m_list.getSelection(), 12u);
    fill(12);
    EXPECT_EQ(m_list.getSelection(), 12u);
    key(VK_UP);
    EXPECT_EQ(m_list.getSelection(), 11u);
    for (int i = 0; i < 2; ++i) key(VK_DOWN);
    fill(5);
    int before = reports();
    key(VK_UP);
    EXPECT_EQ(m_list.getSelection(), 11u);
    EXPECT_EQ(reports(), before + 1);
}

// Rows after an item removed or inserted move: all of them are painted again, not only the
// row the item had.
TEST_F(ListViewTest, RowsAfterARemovedItemMoveUpOnTheScreen) {
    show(5);
    ASSERT_FALSE(onScreen(u"Row F"));
    m_model.removeItem(1);
    pump();
    EXPECT_FALSE(onScreen(u"Row B"));
    EXPECT_TRUE(onScreen(u"Row F"));
}

}  // namespace
