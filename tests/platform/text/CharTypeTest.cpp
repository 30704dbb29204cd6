// iswspace for WCHAR: the C white space plus the Unicode spaces.
#include <gtest/gtest.h>

#include "cewchar.h"

TEST(CharType, WhiteSpaceIncludesUnicodeSpaces) {
    for (WCHAR c : {u' ', u'\t', u'\n', u'\v', u'\f', u'\r', u'\u0085', u'\u00a0', u'\u1680', u'\u2000',
                    u'\u200a', u'\u2028', u'\u2029', u'\u202f', u'\u205f', u'\u3000'})
        EXPECT_TRUE(iswspace(c)) << static_cast<int>(c);
}

TEST(CharType, FormatCharactersAndLettersAreNotSpace) {
    for (WCHAR c : {u'a', u'\0', u'\x08', u'\x0e', u'\u200b', u'\ufeff', u'\u1fff', u'\u180e'})
        EXPECT_FALSE(iswspace(c)) << static_cast<int>(c);
}
