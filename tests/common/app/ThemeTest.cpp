// The theme: brushes cached per colour slot and renewed with the colour, fonts owned and
// replaced, the initial fonts sized for the display's resolution.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/Theme.h"

using namespace Nevo;

namespace {

template <class Description>
Description describe(HGDIOBJ object) {
    Description description{};
    GetObjectW(object, sizeof description, &description);
    return description;
}

// The fonts the theme makes at start: 9-point Tahoma, bold, semibold (648) or normal.
bool initialFontsAre(const Theme& theme, LONG height) {
    const std::pair<FontType, LONG> weights[] = {
        {FontBold, 700}, {FontSemiBold, 648}, {FontNormal, 400}, {FontItem, 648}, {FontItemDetail, 400}};
    for (auto [type, weight] : weights) {
        auto font = describe<LOGFONTW>(theme.getFont(type));
        if (font.lfHeight != height || font.lfWeight != weight || wcscmp(font.lfFaceName, u"Tahoma") != 0)
            return false;
    }
    return theme.getFont(FontSpare) == nullptr;
}

}  // namespace

TEST(ThemeTest, GetBrushTwiceGivesTheSameBrushUntilTheColourChanges) {
    Theme theme(nullptr);
    HBRUSH first = theme.getBrush(ColorItemBackEven);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(theme.getBrush(ColorItemBackEven), first);
    EXPECT_EQ(describe<LOGBRUSH>(first).lbColor, RGB(220, 220, 220));
    EXPECT_NE(theme.getBrush(ColorItemBackOdd), first);
    theme.setColor(ColorItemBackEven, RGB(1, 2, 3));
    EXPECT_EQ(describe<LOGBRUSH>(theme.getBrush(ColorItemBackEven)).lbColor, RGB(1, 2, 3));
}

TEST(ThemeTest, SelectionAndLabelColoursComeFromTheSystem) {
    Theme theme(nullptr);
    EXPECT_EQ(theme.getColor(ColorSelText), GetSysColor(COLOR_HIGHLIGHTTEXT));
    EXPECT_EQ(theme.getColor(ColorTitleText), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(theme.getColor(ColorLabelText), GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(theme.getColor(ColorLabelBack), GetSysColor(COLOR_BTNFACE));
}

TEST(ThemeTest, SettingAFontDeletesTheOneTheTypeHad) {
    Theme theme(nullptr);
    HFONT old = theme.getFont(FontItem);
    auto description = describe<LOGFONTW>(old);
    theme.setFont(FontItem, CreateFontIndirectW(&description));
    LOGFONTW gone{};
    EXPECT_EQ(GetObjectW(old, sizeof gone, &gone), 0);
    theme.setFont(FontSpare, 12, 1);
    EXPECT_EQ(describe<LOGFONTW>(theme.getFont(FontSpare)).lfWeight, 700);
    EXPECT_EQ(describe<LOGFONTW>(theme.getFont(FontSpare)).lfHeight, -16);  // 12 points at 96 dpi
}

TEST(ThemeTest, InitialFontsAreTwelvePixelsHighAt96Dpi) {
    Theme theme(nullptr);
    EXPECT_TRUE(initialFontsAre(theme, -12));
}

namespace {

// The screen's mode is read once per process, so the VGA case runs in a process of its own.
void checkVgaFonts() {
    setenv("CE_SCREEN", "vga", 1);
    Theme theme(nullptr);
    std::exit(initialFontsAre(theme, -24) ? 0 : 1);
}

}  // namespace

TEST(ThemeTest, InitialFontsAreTwentyFourPixelsHighAt192Dpi) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(checkVgaFonts(), ::testing::ExitedWithCode(0), "");
}
