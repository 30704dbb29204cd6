// Simple case mapping over the whole BMP, not only ASCII.
#include <gtest/gtest.h>

#include "cewchar.h"

TEST(CaseMap, AsciiAndLatin1) {
    EXPECT_EQ(towlower(u'A'), u'a');
    EXPECT_EQ(towupper(u'z'), u'Z');
    EXPECT_EQ(towlower(u'\u00c9'), u'\u00e9');
    EXPECT_EQ(towupper(u'\u00e9'), u'\u00c9');
    EXPECT_EQ(towupper(u'\u00ff'), u'\u0178');
    EXPECT_EQ(towlower(u'\u00d7'), u'\u00d7');  // multiplication sign sits inside the letters
}

TEST(CaseMap, AlternatingPairsMapOnlyTheirOwnPartner) {
    EXPECT_EQ(towlower(u'\u0100'), u'\u0101');
    EXPECT_EQ(towlower(u'\u0101'), u'\u0101');
    EXPECT_EQ(towupper(u'\u0101'), u'\u0100');
    EXPECT_EQ(towupper(u'\u0100'), u'\u0100');
}

TEST(CaseMap, GreekIncludingFinalSigma) {
    EXPECT_EQ(towlower(u'\u03a3'), u'\u03c3');
    EXPECT_EQ(towupper(u'\u03c3'), u'\u03a3');
    EXPECT_EQ(towupper(u'\u03c2'), u'\u03a3');
    EXPECT_EQ(towupper(u'\u1f80'), u'\u1f88');  // iota subscript keeps its simple mapping
}

TEST(CaseMap, CyrillicArmenianGeorgianAndFullwidth) {
    EXPECT_EQ(towlower(u'\u0416'), u'\u0436');
    EXPECT_EQ(towupper(u'\u0451'), u'\u0401');
    EXPECT_EQ(towlower(u'\u0531'), u'\u0561');
    EXPECT_EQ(towlower(u'\u10a0'), u'\u2d00');
    EXPECT_EQ(towlower(u'\uff21'), u'\uff41');
    EXPECT_EQ(towupper(u'\uff5a'), u'\uff3a');
}

TEST(CaseMap, OnlyOneToOneMappingsApply) {
    EXPECT_EQ(towlower(u'\u0130'), u'i');       // simple lower of dotted capital I
    EXPECT_EQ(towupper(u'\u00df'), u'\u00df');  // sharp s upper-cases to two letters: unchanged
    EXPECT_EQ(towupper(u'\ufb00'), u'\ufb00');
}

TEST(CaseMap, UncasedCharactersAndSurrogatesMapToThemselves) {
    for (WCHAR c : {u'1', u'_', u'\u4e2d', u'\u3042', WCHAR{0xD801}, WCHAR{0xDC00}, u'\uffff'}) {
        EXPECT_EQ(towlower(c), c);
        EXPECT_EQ(towupper(c), c);
    }
}
