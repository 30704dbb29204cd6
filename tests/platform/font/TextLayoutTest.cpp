// DrawTextW's layout without pixels, in a font where every character is 10 pixels wide:
// line breaks, prefixes, word breaking, ellipses, tabs and alignment.
#include <gtest/gtest.h>

#include "gwe/font/TextLayout.h"
#include "winuser.h"

namespace fonttest {
namespace {

using ce::font::TextLayout;
using ce::font::TextLine;

std::vector<TextLine> layOut(std::u16string_view text, UINT format, int width = 1000) {
    TextLayout layout([](std::u16string_view part) { return static_cast<int>(part.size()) * 10; }, 5, format);
    return layout.lines(text, width);
}

std::vector<std::u16string> texts(const std::vector<TextLine>& lines) {
    std::vector<std::u16string> result;
    for (const TextLine& line : lines) result.push_back(line.text);
    return result;
}

using Texts = std::vector<std::u16string>;

TEST(TextLayoutTest, LinesEndAtCrLfAndCrLfButNotAfterTheLastBreak) {
    EXPECT_EQ(texts(layOut(u"one\r\ntwo\rthree\nfour\n", 0)), (Texts{u"one", u"two", u"three", u"four"}));
    EXPECT_EQ(texts(layOut(u"a\n\nb", 0)), (Texts{u"a", u"", u"b"}));
    EXPECT_TRUE(layOut(u"", 0).empty());
    EXPECT_EQ(texts(layOut(u"one\r\ntwo\n", DT_SINGLELINE)), (Texts{u"onetwo"}));
}

TEST(TextLayoutTest, AnAmpersandUnderlinesTheNextCharacterAndTwoMakeOne) {
    std::vector<TextLine> lines = layOut(u"&Save\nA&&B\nx&\nO&pen &Now", 0);
    EXPECT_EQ(texts(lines), (Texts{u"Save", u"A&B", u"x", u"Open Now"}));
    EXPECT_EQ(lines[0].underline, 0);
    EXPECT_EQ(lines[1].underline, -1);
    EXPECT_EQ(lines[2].underline, -1);
    EXPECT_EQ(lines[3].underline, 1);  // the first mark counts
    EXPECT_EQ(lines[0].width, 40);

    std::vector<TextLine> plain = layOut(u"&Save", DT_NOPREFIX);
    EXPECT_EQ(plain[0].text, u"&Save");
    EXPECT_EQ(plain[0].underline, -1);
}

TEST(TextLayoutTest, WordBreakFillsLinesAndKeepsALongWordWhole) {
    EXPECT_EQ(texts(layOut(u"aa bb cc", DT_WORDBREAK, 50)), (Texts{u"aa bb", u"cc"}));
    EXPECT_EQ(texts(layOut(u"aa   bb", DT_WORDBREAK, 30)), (Texts{u"aa", u"bb"}));  // spaces at a break go
    EXPECT_EQ(texts(layOut(u"abcdefgh ij", DT_WORDBREAK, 30)), (Texts{u"abcdefgh", u"ij"}));
    EXPECT_EQ(texts(layOut(u"aa bb\ncc dd", DT_WORDBREAK, 50)), (Texts{u"aa bb", u"cc dd"}));
    EXPECT_EQ(texts(layOut(u"aa bb cc", DT_WORDBREAK | DT_SINGLELINE, 50)), (Texts{u"aa bb cc"}));
    EXPECT_EQ(texts(layOut(u"aa bb cc", 0, 50)), (Texts{u"aa bb cc"}));

    std::vector<TextLine> marked = layOut(u"aa &bb", DT_WORDBREAK, 30);
    ASSERT_EQ(marked.size(), 2u);
    EXPECT_EQ(marked[0].underline, -1);
    EXPECT_EQ(marked[1].underline, 0);
}

TEST(TextLayoutTest, EndEllipsisShortensOnlyALineTooWide) {
    EXPECT_EQ(texts(layOut(u"abcdefgh", DT_END_ELLIPSIS, 60)), (Texts{u"abc..."}));
    EXPECT_EQ(texts(layOut(u"abcdef", DT_END_ELLIPSIS, 60)), (Texts{u"abcdef"}));
    EXPECT_EQ(texts(layOut(u"abcdefgh", DT_END_ELLIPSIS, 20)), (Texts{u"..."}));
    std::vector<TextLine> cut = layOut(u"abcde&fgh", DT_END_ELLIPSIS, 60);
    EXPECT_EQ(cut[0].underline, -1);  // the marked character was cut off
}

TEST(TextLayoutTest, CentreAndRightPlaceEachLineInTheWidth) {
    std::vector<TextLine> centred = layOut(u"ab\nabcd", DT_CENTER, 100);
    EXPECT_EQ(centred[0].x, 40);
    EXPECT_EQ(centred[1].x, 30);
    std::vector<TextLine> right = layOut(u"ab\nabcd", DT_RIGHT, 100);
    EXPECT_EQ(right[0].x, 80);
    EXPECT_EQ(right[1].x, 60);
    EXPECT_EQ(layOut(u"ab", 0, 100)[0].x, 0);
}

TEST(TextLayoutTest, ExpandedTabsGoToStopsEveryEightAverageCharacters) {
    std::vector<TextLine> lines = layOut(u"a\tb\t\tc", DT_EXPANDTABS);
    ASSERT_EQ(lines[0].pieces.size(), 3u);
    EXPECT_EQ(lines[0].pieces[0].x, 0);
    EXPECT_EQ(lines[0].pieces[1].x, 40);
    EXPECT_EQ(lines[0].pieces[2].x, 120);
    EXPECT_EQ(lines[0].width, 130);
    EXPECT_EQ(layOut(u"a\tb", 0)[0].pieces.size(), 1u);  // a tab is a character then
}

}  // namespace
}  // namespace fonttest
