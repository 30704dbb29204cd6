// The wcs* functions for WCHAR: unsigned code-unit order, the handheld's case-insensitive
// order, and the copy/search edge cases C defines.
#include <gtest/gtest.h>

#include "cewchar.h"

TEST(WideString, CompareOrdersByUnsignedCodeUnit) {
    EXPECT_LT(wcscmp(u"a", u"\uff21"), 0);  // 0xFF21 must not compare as negative
    EXPECT_GT(wcscmp(u"abc", u"ab"), 0);
    EXPECT_EQ(wcscmp(u"abc", u"abc"), 0);
    EXPECT_EQ(wcsncmp(u"abcX", u"abcY", 3), 0);
    EXPECT_LT(wcsncmp(u"abcX", u"abcY", 4), 0);
}

TEST(WideString, CaseInsensitiveCompareFoldsToLowerSoUnderscoreSortsBeforeLetters) {
    EXPECT_GT(wcscmp(u"_", u"A"), 0);
    EXPECT_LT(_wcsicmp(u"_", u"A"), 0);
    EXPECT_LT(_wcsicmp(u"_", u"a"), 0);
    EXPECT_EQ(_wcsicmp(u"\u00c9t\u00c9", u"\u00e9T\u00e9"), 0);
    EXPECT_EQ(_wcsicmp(u"\u03a3\u039f\u03a6", u"\u03c3\u03bf\u03c6"), 0);
}

TEST(WideString, CaseInsensitiveCompareStopsAfterCountUnits) {
    EXPECT_EQ(_wcsnicmp(u"HELLO world", u"hello WORLD!", 11), 0);
    EXPECT_NE(_wcsnicmp(u"HELLO world", u"hello WORLD!", 12), 0);
    EXPECT_EQ(_wcsnicmp(u"abc", u"xyz", 0), 0);
    EXPECT_LT(_wcsnicmp(u"ab", u"abc", 5), 0);
}

TEST(WideString, CopyAndConcatenate) {
    WCHAR buffer[16] = {};
    EXPECT_EQ(wcscpy(buffer, u"ab"), buffer);
    wcscat(buffer, u"cd");
    EXPECT_EQ(std::u16string(buffer), u"abcd");
    EXPECT_EQ(wcslen(buffer), 4u);
}

TEST(WideString, CountedCopyPadsWithZerosAndLeavesLongSourcesUnterminated) {
    WCHAR buffer[6] = {u'#', u'#', u'#', u'#', u'#', u'#'};
    wcsncpy(buffer, u"ab", 4);
    EXPECT_EQ(std::u16string_view(buffer, 6), std::u16string_view(u"ab\0\0##", 6));
    wcsncpy(buffer, u"wxyz", 3);
    EXPECT_EQ(std::u16string_view(buffer, 4), std::u16string_view(u"wxy\0", 4));
}

TEST(WideString, SearchFindsFirstLastAndTerminator) {
    const WCHAR* text = u"abcabc";
    EXPECT_EQ(wcschr(text, u'b'), text + 1);
    EXPECT_EQ(wcsrchr(text, u'b'), text + 4);
    EXPECT_EQ(wcschr(text, u'z'), nullptr);
    EXPECT_EQ(wcschr(text, 0), text + 6);
    EXPECT_EQ(wcsrchr(text, 0), text + 6);
    EXPECT_EQ(wcsstr(text, u"ca"), text + 2);
    EXPECT_EQ(wcsstr(text, u"cb"), nullptr);
    EXPECT_EQ(wcsstr(text, u""), text);
    EXPECT_EQ(wcsstr(u"ab", u"abc"), nullptr);
}
