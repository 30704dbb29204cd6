// UTF-8 <-> UTF-16: surrogate pairs, and U+FFFD for anything malformed.
#include <gtest/gtest.h>

#include "cewchar.h"

TEST(Utf8, RoundTripKeepsSurrogatePairs) {
    std::u16string text = u"a\u00e9\u20ac\U0001F600\uffff";
    std::string utf8 = ce::toUtf8(text);
    EXPECT_EQ(utf8, "a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80\xef\xbf\xbf");
    EXPECT_EQ(ce::fromUtf8(utf8), text);
}

TEST(Utf8, UnpairedSurrogatesBecomeReplacement) {
    EXPECT_EQ(ce::toUtf8(u"\xd800x"), "\xef\xbf\xbdx");
    EXPECT_EQ(ce::toUtf8(u"x\xdc00"), "x\xef\xbf\xbd");
    EXPECT_EQ(ce::toUtf8(std::u16string(u"\xdc00\xd800")), "\xef\xbf\xbd\xef\xbf\xbd");
}

TEST(Utf8, NullAndEmptyConvertToEmpty) {
    EXPECT_EQ(ce::toUtf8(static_cast<const WCHAR*>(nullptr)), "");
    EXPECT_EQ(ce::fromUtf8(std::string_view()), u"");
    EXPECT_EQ(ce::fromUtf8(std::string_view("a\0b", 3)), std::u16string(u"a\0b", 3));
}

TEST(Utf8, MalformedInputBecomesOneReplacementPerBadSequence) {
    EXPECT_EQ(ce::fromUtf8("\x80x"), u"\ufffdx");              // stray continuation
    EXPECT_EQ(ce::fromUtf8("\xc0\xafx"), u"\ufffd\ufffdx");    // overlong lead byte
    EXPECT_EQ(ce::fromUtf8("\xe0\x80\x80"), u"\ufffd\ufffd\ufffd");  // overlong 3-byte form
    EXPECT_EQ(ce::fromUtf8("\xed\xa0\x80"), u"\ufffd\ufffd\ufffd");  // encoded surrogate
    EXPECT_EQ(ce::fromUtf8("\xf4\x90\x80\x80"), u"\ufffd\ufffd\ufffd\ufffd");  // past U+10FFFF
    EXPECT_EQ(ce::fromUtf8("\xe2\x82x"), u"\ufffdx");          // cut short: one replacement
    EXPECT_EQ(ce::fromUtf8("\xf0\x9f\x98"), u"\ufffd");        // cut short at the end
}
