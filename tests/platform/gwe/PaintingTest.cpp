// Painting: WM_PAINT made only when the queue holds nothing else, update regions gathered
// and taken by BeginPaint, WM_ERASEBKGND only when an erase was asked for, UpdateWindow
// sending at once, and what uncovering a window gives the windows below.
#include "platform/gwe/MessageRecorder.h"
#include "support/RectCompare.h"

namespace gwetest {
namespace {

class PaintingTest : public WindowTest {
protected:
    HWND createAt(const char* label, RECT rect, HWND parent = nullptr, DWORD style = 0) {
        HWND hwnd = create(label, parent, style);
        MoveWindow(hwnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, FALSE);
        ShowWindow(hwnd, SW_SHOWNOACTIVATE);
        return hwnd;
    }
    // Paints everything pending, answering WM_PAINT with BeginPaint and EndPaint.
    void paintAll() {
        recorder.setHandler([this](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (message != WM_PAINT) return std::nullopt;
            PAINTSTRUCT ps;
            BeginPaint(hwnd, &ps);
            lastPaint[hwnd] = ps.rcPaint;
            EndPaint(hwnd, &ps);
            return 0;
        });
        recorder.dispatchPosted();
    }
    std::map<HWND, RECT> lastPaint;
};

TEST_F(PaintingTest, WmPaintComesOnlyWhenNothingElseIsQueued) {
    HWND window = createAt("window", {0, 30, 100, 130});
    paintAll();
    recorder.clear();
    InvalidateRect(window, nullptr, FALSE);
    PostMessageW(window, WM_USER, 0, 0);
    paintAll();
    EXPECT_TRUE(recorder.matches({{window, WM_USER, c_posted}, {window, WM_PAINT, c_posted}}));
}

TEST_F(PaintingTest, BeginPaintTakesTheGatheredRegionAndErasesOnlyWhenAsked) {
    HWND window = createAt("window", {0, 30, 100, 130});
    paintAll();
    recorder.clear();
    RECT first{10, 10, 20, 20}, second{30, 5, 40, 15};
    InvalidateRect(window, &first, FALSE);
    InvalidateRect(window, &second, FALSE);
    RECT pending;
    EXPECT_TRUE(GetUpdateRect(window, &pending, FALSE));
    EXPECT_EQ(pending, (RECT{10, 5, 40, 20}));
    paintAll();
    EXPECT_TRUE(recorder.matches({{window, WM_PAINT, c_posted}}));  // no erase was asked for
    EXPECT_EQ(lastPaint[window], (RECT{10, 5, 40, 20}));
    EXPECT_FALSE(GetUpdateRect(window, &pending, FALSE));
    EXPECT_EQ(pending, (RECT{0, 0, 0, 0}));

    recorder.clear();
    InvalidateRect(window, nullptr, TRUE);
    paintAll();
    EXPECT_TRUE(recorder.matches({{window, WM_PAINT, c_posted}, {window, WM_ERASEBKGND}}));
}

TEST_F(PaintingTest, ValidatedWindowsGetNoPaintAndDefaultHandlingValidates) {
    HWND window = createAt("window", {0, 30, 100, 130});
    paintAll();
    InvalidateRect(window, nullptr, FALSE);
    ValidateRect(window, nullptr);
    recorder.clear();
    paintAll();
    EXPECT_TRUE(recorder.matches({}));
    InvalidateRect(window, nullptr, FALSE);
    recorder.setHandler(nullptr);
    recorder.dispatchPosted();  // DefWindowProcW validates: one WM_PAINT, not an endless stream
    EXPECT_TRUE(recorder.matches({{window, WM_PAINT, c_posted}}));
}

TEST_F(PaintingTest, UpdateWindowSendsThePaintAtOnceParentBeforeChild) {
    HWND parent = createAt("parent", {0, 30, 100, 130});
    HWND child = createAt("child", {10, 10, 50, 50}, parent);
    paintAll();
    InvalidateRect(parent, nullptr, FALSE);  // no WS_CLIPCHILDREN: the child is invalidated too
    recorder.clear();
    UpdateWindow(parent);
    EXPECT_TRUE(recorder.matches({{parent, WM_PAINT, c_sent}, {child, WM_PAINT, c_sent}}));
}

TEST_F(PaintingTest, ClipChildrenKeepsTheChildOutOfItsParentsInvalidation) {
    HWND parent = createAt("parent", {0, 30, 100, 130}, nullptr, WS_CLIPCHILDREN);
    HWND child = createAt("child", {10, 10, 50, 50}, parent);
    paintAll();
    InvalidateRect(parent, nullptr, FALSE);
    RECT pending;
    EXPECT_FALSE(GetUpdateRect(child, &pending, FALSE));
}

TEST_F(PaintingTest, HidingAWindowInvalidatesWhatItCoveredBelowWithErase) {
    HWND below = createAt("below", {0, 30, 100, 130});
    HWND above = createAt("above", {50, 80, 150, 180});
    paintAll();
    ShowWindow(above, SW_HIDE);
    RECT pending;
    ASSERT_TRUE(GetUpdateRect(below, &pending, FALSE));
    EXPECT_EQ(pending, (RECT{50, 50, 100, 100}));  // the overlap, in below's client coordinates
    recorder.clear();
    paintAll();
    EXPECT_TRUE(recorder.matches({{below, WM_PAINT, c_posted}, {below, WM_ERASEBKGND}}));
}

// A page whose child fills it, hidden or moved away, gives back the whole of its place: the
// child's part too, whether or not the page clips its children.
TEST_F(PaintingTest, HidingOrMovingAWindowGivesBackWhatItsChildrenCoveredToo) {
    for (DWORD pageStyle : {DWORD{0}, DWORD{WS_CLIPCHILDREN}}) {
        for (bool hide : {true, false}) {
            HWND below = createAt("below", {0, 30, 100, 130});
            HWND page = createAt("page", {0, 30, 100, 130}, nullptr, pageStyle);
            createAt("child", {0, 0, 100, 100}, page);
            paintAll();
            if (hide)
                ShowWindow(page, SW_HIDE);
            else
                MoveWindow(page, 100, 30, 100, 100, TRUE);
            RECT pending;
            ASSERT_TRUE(GetUpdateRect(below, &pending, FALSE)) << pageStyle << hide;
            EXPECT_EQ(pending, (RECT{0, 0, 100, 100})) << pageStyle << hide;
            DestroyWindow(page);
            DestroyWindow(below);
            paintAll();
        }
    }
}

TEST_F(PaintingTest, MovingAWindowRepaintsItWholeAndReportsPlaceThenSize) {
    HWND window = createAt("window", {0, 30, 100, 130});
    paintAll();
    recorder.clear();
    MoveWindow(window, 10, 40, 60, 70, TRUE);
    EXPECT_TRUE(recorder.matches({{window, WM_MOVE, c_sent, 0, MAKELPARAM(10, 40)},
                                  {window, WM_SIZE, c_sent, SIZE_RESTORED, MAKELPARAM(60, 70)}}));
    paintAll();
    EXPECT_EQ(lastPaint[window], (RECT{0, 0, 60, 70}));
}

}  // namespace
}  // namespace gwetest
