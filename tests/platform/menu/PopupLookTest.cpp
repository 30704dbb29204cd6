// The pop-up menu's look: a white menu in a black frame, the highlight colours, gray for
// grayed rows and separators, a check mark, rows of about 19 pixels at 96 dpi that double
// at 192; and a script's `click` choosing a row by its text.
#include "display/HeadlessPresenter.h"
#include "display/ScriptParser.h"
#include "display/ScriptRunner.h"
#include "display/Screenshot.h"
#include "gwe/Input.h"
#include "gwe/Screen.h"
#include "gwe/menu/PopupLayout.h"
#include "platform/menu/PopupMenuTest.h"

namespace menutest {
namespace {

COLORREF at(int x, int y) {
    return ce::gdi::toColorRef(ce::gwe::Screen::instance().surface().pixel(x, y));
}

// Whether any pixel of the rectangle has the colour.
bool anyIn(const RECT& rect, COLORREF colour) {
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (at(x, y) == colour) return true;
    return false;
}

TEST_F(PopupMenuTest, TheMenuIsWhiteInABlackFrameWithHighlightGrayRowsAndACheckMark) {
    ce::gwe::input::keyPress(VK_DOWN);  // highlights Cut
    bool looked = false;
    whenShown([&] {
        RECT menuRect = windowRect(menuWindow());
        RECT cut = runOf(u"Cut"), copy = runOf(u"Copy"), paste = runOf(u"Paste");
        int left = menuRect.left, right = menuRect.right - 1;
        EXPECT_EQ(at(left, menuRect.top), RGB(0, 0, 0));
        EXPECT_EQ(at(right, menuRect.bottom - 1), RGB(0, 0, 0));
        EXPECT_EQ(at(left + 1, cut.top), GetSysColor(COLOR_HIGHLIGHT));
        EXPECT_TRUE(anyIn(cut, GetSysColor(COLOR_HIGHLIGHTTEXT)));
        EXPECT_EQ(at(right - 1, paste.top), RGB(255, 255, 255));
        EXPECT_TRUE(anyIn(copy, GetSysColor(COLOR_GRAYTEXT)));
        EXPECT_FALSE(anyIn(copy, RGB(0, 0, 0)));
        EXPECT_TRUE(anyIn(RECT{left + 5, copy.bottom, right - 5, paste.top}, GetSysColor(COLOR_GRAYTEXT)));
        EXPECT_TRUE(anyIn(RECT{left + 1, paste.top, paste.left - 2, paste.bottom}, RGB(0, 0, 0)));  // the check
        EXPECT_FALSE(anyIn(RECT{left + 1, cut.top, cut.left - 2, cut.bottom}, RGB(255, 255, 255)));  // no check
        int rows = (menuRect.bottom - menuRect.top - 2 - 7) / 4;
        EXPECT_GE(rows, 18);
        EXPECT_LE(rows, 21);
        runOf(u"Delete");  // the '&' is a prefix, not text
        looked = true;
        if (HasFailure()) {
            std::string error;
            ce::display::saveScreenshot("PopupLookTest-menu.png", error);
        }
        ce::gwe::input::keyPress(VK_ESCAPE);
    });
    TrackPopupMenuEx(menu, 0, 20, 60, owner, nullptr);
    EXPECT_TRUE(looked);
}

TEST_F(PopupMenuTest, RowsFramesAndWidthsDoubleAt192Dpi) {
    const ce::gwe::Menu* data = ce::gwe::MenuTable::instance().find(menu);
    HFONT small = ce::gwe::PopupLayout::createFont(96), large = ce::gwe::PopupLayout::createFont(192);
    ce::gwe::PopupLayout qvga(*data, small, 96), vga(*data, large, 192);
    EXPECT_EQ(qvga.frame(), 1);
    EXPECT_EQ(vga.frame(), 2);
    auto rowHeight = [](const ce::gwe::PopupLayout& layout) {
        return layout.items()[0].rect.bottom - layout.items()[0].rect.top;
    };
    EXPECT_NEAR(rowHeight(vga), 2 * rowHeight(qvga), 2);
    EXPECT_NEAR(vga.size().cx, 2 * qvga.size().cx, 6);
    EXPECT_EQ(qvga.itemAt(POINT{0, 0}), -1);  // the frame is no row
    EXPECT_EQ(qvga.itemAt(POINT{5, qvga.items()[3].rect.top + 1}), 3);
    DeleteObject(small);
    DeleteObject(large);
}

TEST_F(PopupMenuTest, AScriptClicksARowByItsText) {
    ce::display::ParsedScript parsed = ce::display::ScriptParser::parse("click Copy\nclick Delete\n");
    auto presenter = std::make_unique<ce::display::HeadlessPresenter>();
    presenter->setScript(std::make_unique<ce::display::ScriptRunner>(std::move(parsed.commands)));
    ce::display::installPresenter(std::move(presenter));
    UINT chosen = static_cast<UINT>(TrackPopupMenuEx(menu, TPM_RETURNCMD, 20, 60, owner, nullptr));
    ce::display::installPresenter(std::make_unique<ce::display::HeadlessPresenter>());
    EXPECT_EQ(chosen, c_delete);  // Copy is grayed
}

}  // namespace
}  // namespace menutest
