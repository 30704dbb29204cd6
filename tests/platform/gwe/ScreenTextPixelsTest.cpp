// The screen text against the pixels: a window paints rows of text, parts of it are repainted
// or painted over, a pop-up menu opens over it and closes; every listed run, drawn again alone,
// must look like the screen under it, and every row the screen shows whole must be listed once.
#include <functional>
#include <string>
#include <vector>

#include "gwe/Input.h"
#include "gwe/Screen.h"
#include "gwe/ScreenText.h"
#include "gwe/WindowVisibility.h"
#include "platform/font/TextCanvas.h"

namespace gwetest {
namespace {

using ce::gwe::TextRun;

constexpr int c_rows = 8;
constexpr int c_rowHeight = 20;
constexpr UINT_PTR c_timer = 5;

class ScreenTextPixelsTest : public ::testing::Test {
protected:
    static constexpr const WCHAR* c_className = u"TextRows";

    void SetUp() override {
        fixture() = this;
        WNDCLASSW wc{};
        wc.lpfnWndProc = windowProc;
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = c_className;
        ASSERT_NE(RegisterClassW(&wc), 0);
        font = fonttest::createFont(-12);
        window = CreateWindowExW(0, c_className, u"", WS_VISIBLE, 0, 26, 240, 294, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        SetActiveWindow(window);
        UpdateWindow(window);
    }
    void TearDown() override {
        DestroyWindow(window);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        UnregisterClassW(c_className, nullptr);
        fonttest::deleteFont(font);
        fixture() = nullptr;
    }

    static std::u16string rowText(int row) { return u"Row " + std::u16string(1, u'1' + row) + u" brown fox jumps"; }
    // Client coordinates of a row's text cell.
    RECT rowCell(int row) const {
        HDC hdc = GetDC(window);
        HGDIOBJ old = SelectObject(hdc, font);
        std::u16string text = rowText(row);
        SIZE size{};
        GetTextExtentPoint32W(hdc, text.data(), static_cast<int>(text.size()), &size);
        SelectObject(hdc, old);
        ReleaseDC(window, hdc);
        return RECT{4, row * c_rowHeight + 2, 4 + size.cx, row * c_rowHeight + 2 + size.cy};
    }
    RECT onScreen(RECT rect) const {
        POINT origin{};
        ClientToScreen(window, &origin);
        OffsetRect(&rect, origin.x, origin.y);
        return rect;
    }

    std::vector<TextRun> runs() const {
        std::vector<TextRun> mine;
        for (const TextRun& run : ce::gwe::ScreenText::instance().visibleRuns())
            if (run.window == window) mine.push_back(run);
        return mine;
    }

    // Every listed run, drawn alone, matches the screen wherever the window shows.
    void expectRunsMatchPixels() const {
        const ce::gdi::Surface& screen = ce::gwe::Screen::instance().surface();
        ce::gdi::Region shown = ce::gwe::visibleRegion(window);
        for (const TextRun& run : runs()) {
            fonttest::TextCanvas alone(run.cell.right - run.cell.left, run.cell.bottom - run.cell.top, font);
            ExtTextOutW(alone.hdc(), 0, 0, 0, nullptr, run.text.data(), static_cast<UINT>(run.text.size()), nullptr);
            int differing = 0;
            for (int y = run.rect.top; y < run.rect.bottom; ++y)
                for (int x = run.rect.left; x < run.rect.right; ++x)
                    if (shown.contains(POINT{x, y}))
                        differing += screen.pixel(x, y) != alone.pixel(x - run.cell.left, y - run.cell.top);
            EXPECT_EQ(differing, 0) << "the screen differs under \"" << ce::toUtf8(run.text) << "\" at "
                                    << run.rect.left << "," << run.rect.top;
        }
    }
    // The rows listed, by number, each at what shows of its whole cell; rows painted over are
    // left out.
    void expectRowsListed(const std::vector<int>& rows) const {
        std::vector<TextRun> listed = runs();
        ASSERT_EQ(listed.size(), rows.size()) << describe(listed);
        for (size_t i = 0; i < rows.size(); ++i) {
            RECT cell = onScreen(rowCell(rows[i]));
            ce::gdi::Region seen = ce::gwe::visibleRegion(window);
            seen.intersect(cell);
            RECT expected = seen.bounds();
            EXPECT_EQ(listed[i].text, rowText(rows[i]));
            EXPECT_TRUE(EqualRect(&listed[i].rect, &expected)) << describe(listed);
            EXPECT_TRUE(EqualRect(&listed[i].cell, &cell));
        }
    }
    static std::string describe(const std::vector<TextRun>& listed) {
        std::string text = "listed:\n";
        for (const TextRun& run : listed)
            text += std::to_string(run.rect.left) + "," + std::to_string(run.rect.top) + " " +
                    std::to_string(run.rect.right - run.rect.left) + " " + ce::toUtf8(run.text) + "\n";
        return text;
    }
    static std::vector<int> allRows() {
        std::vector<int> rows;
        for (int row = 0; row < c_rows; ++row) rows.push_back(row);
        return rows;
    }

    void repaint(const std::vector<RECT>& parts) {
        for (const RECT& part : parts) InvalidateRect(window, &part, TRUE);
        UpdateWindow(window);
    }

    // Opens a pop-up menu at x, y (screen), runs whileOpen once it is painted, and closes it.
    void popMenuAt(int x, int y, std::function<void()> whileOpen) {
        HMENU menu = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING, 1, u"A long first command");
        AppendMenuW(menu, MF_STRING, 2, u"Second");
        AppendMenuW(menu, MF_STRING, 3, u"Third");
        m_whileMenuOpen = [whileOpen] {
            whileOpen();
            ce::gwe::input::keyPress(VK_ESCAPE);
        };
        SetTimer(window, c_timer, 1, nullptr);
        TrackPopupMenuEx(menu, 0, x, y, window, nullptr);
        DestroyMenu(menu);
        UpdateWindow(window);
    }

    HWND window = nullptr;
    HFONT font = nullptr;

private:
    static ScreenTextPixelsTest*& fixture() {
        static ScreenTextPixelsTest* current = nullptr;
        return current;
    }

    // Draws every row; the DC's clip keeps the drawing inside the update region.
    void paint() {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(window, &ps);
        HGDIOBJ old = SelectObject(hdc, font);
        for (int row = 0; row < c_rows; ++row) {
            std::u16string text = rowText(row);
            RECT cell = rowCell(row);
            ExtTextOutW(hdc, cell.left, cell.top, 0, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
        }
        SelectObject(hdc, old);
        EndPaint(window, &ps);
    }

    static LRESULT windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        ScreenTextPixelsTest* self = fixture();
        if (self && hwnd == self->window && message == WM_PAINT) {
            self->paint();
            return 0;
        }
        if (self && message == WM_TIMER && wParam == c_timer) {
            KillTimer(hwnd, c_timer);
            if (self->m_whileMenuOpen) std::exchange(self->m_whileMenuOpen, nullptr)();
            return 0;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

    std::function<void()> m_whileMenuOpen;
};

TEST_F(ScreenTextPixelsTest, EveryRowIsListedOnceAsDrawn) {
    expectRowsListed(allRows());
    expectRunsMatchPixels();
}

// The default erase of an update region in two pieces leaves the rows between them alone,
// on the screen and in the list.
TEST_F(ScreenTextPixelsTest, RepaintingSeparateRowsKeepsTheRowsBetween) {
    repaint({rowCell(1), rowCell(5)});
    expectRowsListed(allRows());
    expectRunsMatchPixels();
}

// Part of a row repainted: the redrawn part joins what was left, the row stays where it is.
TEST_F(ScreenTextPixelsTest, ARowRepaintedInPartIsListedOnceWhole) {
    RECT right = rowCell(2), left = rowCell(4);
    right.left = right.right - (right.right - right.left) / 3;
    left.right = left.left + (left.right - left.left) * 2 / 3;
    repaint({right, left});
    expectRowsListed(allRows());
    expectRunsMatchPixels();
}

TEST_F(ScreenTextPixelsTest, ARowPaintedOverAndNotRedrawnIsNoLongerListed) {
    RECT grazed = rowCell(3);
    grazed.left = grazed.right - 6;
    HDC hdc = GetDC(window);
    FillRect(hdc, &grazed, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    ReleaseDC(window, hdc);
    expectRowsListed({0, 1, 2, 4, 5, 6, 7});
    expectRunsMatchPixels();
}

// While a menu covers part of the rows they stay listed where they are drawn; once it closes
// only the uncovered part is repainted, and each row is still listed once, whole.
TEST_F(ScreenTextPixelsTest, AMenuOpenedAndClosedOverTheRowsLeavesEachListedOnce) {
    RECT row = onScreen(rowCell(2));
    bool opened = false;
    popMenuAt(row.left + 40, row.top + 6, [&] {
        opened = true;
        expectRowsListed(allRows());
        expectRunsMatchPixels();
        std::vector<TextRun> listed = runs();
        ASSERT_EQ(listed.size(), static_cast<size_t>(c_rows));
        EXPECT_LT(listed[3].rect.right, listed[3].cell.right) << "the menu covers the row's end";
    });
    EXPECT_TRUE(opened);
    expectRowsListed(allRows());
    expectRunsMatchPixels();
}

}  // namespace
}  // namespace gwetest
