// Value texts: FILETIME calendar arithmetic, integer ranges, and the texts put accepts.
#include <gtest/gtest.h>

#include "ValueText.h"

namespace cedb {
namespace {

TEST(FileTimeText, MatchesKnownInstantsOfTheCalendar) {
    EXPECT_EQ(fileTimeText(0, 'T'), "1601-01-01T00:00:00");
    EXPECT_EQ(fileTimeText(116444736000000000ull, ' '), "1970-01-01 00:00:00");
    EXPECT_EQ(fileTimeText(126227808000000000ull + 1, 'T'), "2001-01-01T00:00:00.0000001");
    EXPECT_EQ(parseFileTime("2000-02-29T12:00:00.5"), 125962560000000000ull + 432000000000ull + 5000000ull);
}

TEST(FileTimeText, RoundTripsEveryFormedTickUpToYear9999) {
    for (std::uint64_t ticks : {0ull, 1ull, 9999999ull, 134120448000000000ull + 1234567ull, 2650467743999999999ull}) {
        auto text = fileTimeText(ticks, 'T');
        ASSERT_TRUE(text) << ticks;
        EXPECT_EQ(parseFileTime(*text), ticks) << *text;
    }
    EXPECT_FALSE(fileTimeText(2650467744000000000ull, 'T'));  // 10000-01-01
}

TEST(FileTimeText, RefusesImpossibleOrMisshapenDates) {
    for (const char* bad : {"2025-02-29T00:00:00", "1900-02-29T00:00:00", "2026-04-31T00:00:00", "1600-12-31T23:59:59",
                            "2026-01-05T24:00:00", "2026-01-05T10:00:00Z", "2026-01-05T10:00:00.12345678",
                            "2026-01-05T10:00:00.", "2026-1-05T10:00:00", "2026-01-05"})
        EXPECT_FALSE(parseFileTime(bad)) << bad;
    EXPECT_TRUE(parseFileTime("2000-02-29 00:00:00"));
}

TEST(IntegerFits, FollowsEachTypesWidthAndSign) {
    EXPECT_TRUE(integerFits(CEVT_I2, -32768));
    EXPECT_FALSE(integerFits(CEVT_I2, 32768));
    EXPECT_FALSE(integerFits(CEVT_UI2, -1));
    EXPECT_TRUE(integerFits(CEVT_UI2, 65535));
    EXPECT_FALSE(integerFits(CEVT_I4, 2147483648ll));
    EXPECT_TRUE(integerFits(CEVT_UI4, 4294967295ll));
    EXPECT_FALSE(integerFits(CEVT_UI4, 4294967296ll));
    EXPECT_FALSE(integerFits(CEVT_BOOL, 2));
}

TEST(ValueText, PutTextsReadAsTheTypeOfTheProperty) {
    PropertyValue value;
    std::string error;
    value.propid = PROP_TAG(CEVT_UI4, 1);
    EXPECT_TRUE(parseValueText("0xFFFFFFFF", value, error));
    EXPECT_EQ(value.integer, 4294967295ll);
    value.propid = PROP_TAG(CEVT_FILETIME, 1);
    EXPECT_TRUE(parseValueText("12345", value, error));
    EXPECT_EQ(value.ticks, 12345u);
    value.propid = PROP_TAG(CEVT_BLOB, 1);
    EXPECT_TRUE(parseValueText("00A0ff", value, error));
    EXPECT_EQ(value.bytes, (std::vector<BYTE>{0x00, 0xa0, 0xff}));
    value.propid = PROP_TAG(CEVT_I4, 1);
    EXPECT_FALSE(parseValueText("12abc", value, error));
    EXPECT_EQ(error, "12abc is not an integer for I4");
}

TEST(ValueText, ShowEscapesControlCharactersAndPrintsShortestReals) {
    PropertyValue text;
    text.propid = PROP_TAG(CEVT_LPWSTR, 1);
    text.text = u"a\tb\nc\x01";
    EXPECT_EQ(valueText(text), "a\\tb\\nc\\x01");
    PropertyValue real;
    real.propid = PROP_TAG(CEVT_R8, 1);
    real.real = 0.1;
    EXPECT_EQ(valueText(real), "0.1");
}

}  // namespace
}  // namespace cedb
