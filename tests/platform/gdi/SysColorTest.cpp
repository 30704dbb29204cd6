// System colours: both index forms, the brushes that follow SetSysColors and cannot be
// deleted, and FillRect's (COLOR_x + 1) brush values.
#include "platform/gdi/GdiTestSupport.h"

namespace gditest {
namespace {

TEST(SysColors, IndexesWorkWithAndWithoutTheHandheldsFlag) {
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 0));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT & ~SYS_COLOR_INDEX_FLAG), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHTTEXT), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_GRAYTEXT), RGB(128, 128, 128));
    EXPECT_EQ(GetSysColor(C_SYS_COLOR_TYPES), DWORD{0});
    EXPECT_EQ(GetSysColorBrush(C_SYS_COLOR_TYPES | SYS_COLOR_INDEX_FLAG), nullptr);
}

TEST(SysColors, BrushesFollowSetSysColorsAndCannotBeDeleted) {
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE & ~SYS_COLOR_INDEX_FLAG), face);
    EXPECT_FALSE(DeleteObject(face));
    COLORREF original = GetSysColor(COLOR_BTNFACE);
    INT which[] = {COLOR_BTNFACE};
    COLORREF changed[] = {RGB(10, 20, 30)};
    EXPECT_TRUE(SetSysColors(1, which, changed));
    LOGBRUSH described{};
    GetObjectW(face, sizeof described, &described);
    EXPECT_EQ(described.lbColor, RGB(10, 20, 30));
    SetSysColors(1, which, &original);
}

TEST(SysColors, FillRectTakesColourIndexPlusOneInBothForms) {
    MemoryCanvas canvas(2, 1, RGB(0, 0, 0));
    RECT left{0, 0, 1, 1}, right{1, 0, 2, 1};
    EXPECT_EQ(FillRect(canvas.dc(), &left, reinterpret_cast<HBRUSH>(COLOR_HIGHLIGHT + 1)), 1);
    EXPECT_EQ(FillRect(canvas.dc(), &right, reinterpret_cast<HBRUSH>((COLOR_WINDOW & ~SYS_COLOR_INDEX_FLAG) + 1)), 1);
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(GetPixel(canvas.dc(), 1, 0), RGB(255, 255, 255));
}

}  // namespace
}  // namespace gditest
