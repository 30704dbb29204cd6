// The wide printf family: conversions, flags, the handheld's length modifiers and the
// counted-buffer rules.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>

#include "cewchar.h"

using ce::formatWide;

TEST(WidePrintf, CountedOutputShorterThanCountIsTerminatedAndReturnsItsLength) {
    WCHAR buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), u'#');
    EXPECT_EQ(_snwprintf(buffer, 8, u"%d", 42), 2);
    EXPECT_EQ(std::u16string(buffer), u"42");
    EXPECT_EQ(buffer[3], u'#');
}

TEST(WidePrintf, CountedOutputOfExactlyCountIsNotTerminatedAndReturnsCount) {
    WCHAR buffer[6] = u"#####";
    EXPECT_EQ(_snwprintf(buffer, 3, u"%s", u"abc"), 3);
    EXPECT_EQ(std::u16string_view(buffer, 5), u"abc##");
}

TEST(WidePrintf, CountedOutputLongerThanCountIsCutUnterminatedAndReturnsNegative) {
    WCHAR buffer[6] = u"#####";
    EXPECT_LT(_snwprintf(buffer, 3, u"abc%d", 12345), 0);
    EXPECT_EQ(std::u16string_view(buffer, 5), u"abc##");
}

// A width or precision of billions, which a star argument can give, costs no more than the
// buffer holds: padding past the count is counted, not written one character at a time.
TEST(WidePrintf, HugePaddingPastTheCountIsCountedNotWalked) {
    WCHAR buffer[4];
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(_snwprintf(buffer, 4, u"%*d%.*d%2147483647s", INT_MAX, 1, INT_MAX, 2, u"x"), -1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(std::u16string_view(buffer, 4), u"    ");
}

TEST(WidePrintf, CountZeroWritesNothingAndFailsUnlessOutputIsEmpty) {
    WCHAR buffer[2] = u"#";
    EXPECT_EQ(_snwprintf(buffer, 0, u""), 0);
    EXPECT_EQ(_snwprintf(buffer, 0, u"x"), -1);
    EXPECT_EQ(buffer[0], u'#');
}

TEST(WidePrintf, UncountedFormTerminatesAndReturnsLength) {
    WCHAR buffer[32];
    EXPECT_EQ(swprintf(buffer, u"%s=%u", u"n", 7u), 3);
    EXPECT_EQ(std::u16string(buffer), u"n=7");
}

TEST(WidePrintf, LowerCaseSIsWideAndUpperCaseSIsNarrowUtf8) {
    EXPECT_EQ(formatWide(u"%s|%S", u"w\u00e9", "n\xc3\xa9"), u"w\u00e9|n\u00e9");
    EXPECT_EQ(formatWide(u"%hs|%ls|%wS", "h", u"l", u"w"), u"h|l|w");
    EXPECT_EQ(formatWide(u"%S", "\xff!"), u"\ufffd!");
}

TEST(WidePrintf, NullStringsPrintNullInParentheses) {
    EXPECT_EQ(formatWide(u"%s %S", static_cast<const WCHAR*>(nullptr), static_cast<const char*>(nullptr)),
              u"(null) (null)");
    EXPECT_EQ(formatWide(u"%.3s", static_cast<const WCHAR*>(nullptr)), u"(nu");
}

TEST(WidePrintf, StringPrecisionLimitsCharactersAndReadsNoFurther) {
    const WCHAR unterminated[3] = {u'a', u'b', u'c'};
    EXPECT_EQ(formatWide(u"[%.2s]", unterminated), u"[ab]");
    EXPECT_EQ(formatWide(u"[%.0s]", u"abc"), u"[]");
    // A narrow character outside the BMP is not split to fit the precision.
    EXPECT_EQ(formatWide(u"[%.2S]", "a\xf0\x9f\x98\x80"), u"[a]");
}

TEST(WidePrintf, WidthPadsStringsLeftRightOrWithZeros) {
    EXPECT_EQ(formatWide(u"[%5s][%-5s][%05s]", u"ab", u"ab", u"ab"), u"[   ab][ab   ][000ab]");
    EXPECT_EQ(formatWide(u"[%3c][%-3C]", u'x', 'y'), u"[  x][y  ]");
}

TEST(WidePrintf, CharactersWideAndNarrow) {
    EXPECT_EQ(formatWide(u"%c%C%hc%lC", 0x0416, 'a', 'b', 0x0416), u"\u0416ab\u0416");
    EXPECT_EQ(formatWide(u"%C", 0xE9), u"\u00e9");
}

TEST(WidePrintf, SignedIntegersWithSignFlags) {
    EXPECT_EQ(formatWide(u"%d %i %+d %+d % d % d", -5, 5, 5, -5, 5, -5), u"-5 5 +5 -5  5 -5");
    EXPECT_EQ(formatWide(u"%d", INT_MIN), u"-2147483648");
}

TEST(WidePrintf, ZeroFlagPadsAfterSignAndIsIgnoredWithLeftOrPrecision) {
    EXPECT_EQ(formatWide(u"[%05d][%-05d][%05.3d][%+06d]", -42, -42, 7, 42), u"[-0042][-42  ][  007][+00042]");
    EXPECT_EQ(formatWide(u"[%#06x]", 0xab), u"[0x00ab]");
}

TEST(WidePrintf, HexOctalAndAlternateForms) {
    EXPECT_EQ(formatWide(u"%x %X %o", 0xbeefu, 0xbeefu, 8u), u"beef BEEF 10");
    EXPECT_EQ(formatWide(u"%#x %#X %#o %#o", 255u, 255u, 8u, 0u), u"0xff 0XFF 010 0");
    EXPECT_EQ(formatWide(u"%#x", 0u), u"0");
}

TEST(WidePrintf, IntegerPrecisionGivesMinimumDigitsAndZeroPrintsNothing) {
    EXPECT_EQ(formatWide(u"[%.4d][%.4x][%.0d][%5.0d][%-.3d]", 7, 0xa, 0, 0, -1), u"[0007][000a][][     ][-001]");
}

TEST(WidePrintf, LongIsThirtyTwoBitsLikeTheHandheld) {
    long long wide = 0x100000005LL;
    // %ld reads an int: pass one, as the handheld's code does.
    EXPECT_EQ(formatWide(u"%ld %lu %lx", -1, 0xFFFFFFFFu, 0xABCDEF01u), u"-1 4294967295 abcdef01");
    EXPECT_EQ(formatWide(u"%lld %I64d %I64x %llu", wide, wide, wide, -1LL), u"4294967301 4294967301 100000005 18446744073709551615");
}

TEST(WidePrintf, ShortModifierTruncatesToSixteenBits) {
    EXPECT_EQ(formatWide(u"%hd %hu %hx", 0x18000, 0x1FFFF, 0x12345), u"-32768 65535 2345");
}

TEST(WidePrintf, PointerIsSixteenUpperCaseHexDigits) {
    auto p = reinterpret_cast<void*>(static_cast<uintptr_t>(0xDEADBEEFull));
    EXPECT_EQ(formatWide(u"%p", p), u"00000000DEADBEEF");
    EXPECT_EQ(formatWide(u"%p", nullptr), u"0000000000000000");
    EXPECT_EQ(formatWide(u"[%20p]", p), u"[    00000000DEADBEEF]");
}

TEST(WidePrintf, StarTakesWidthAndPrecisionFromArguments) {
    EXPECT_EQ(formatWide(u"[%*d][%*d][%.*s][%-*.*d]", 4, 7, -4, 7, 2, u"abcd", 5, 3, 9), u"[   7][7   ][ab][009  ]");
    EXPECT_EQ(formatWide(u"[%.*s]", -1, u"abc"), u"[abc]");
}

TEST(WidePrintf, PercentAndUnknownConversionsPrintLiterally) {
    EXPECT_EQ(formatWide(u"100%% %y %5k %d", 3), u"100% %y %5k 3");
    EXPECT_EQ(formatWide(u"end%"), u"end%");
    EXPECT_EQ(formatWide(u"end%-5"), u"end%-5");
}

TEST(WidePrintf, FloatingPointUsesHostDigitsWithOurPadding) {
    EXPECT_EQ(formatWide(u"%.2f %e %g", 3.14159, 1.5, 0.0001), u"3.14 1.500000e+00 0.0001");
    EXPECT_EQ(formatWide(u"[%08.2f][%-7.1f][%+.0f]", -3.14159, 2.0, 2.0), u"[-0003.14][2.0    ][+2]");
    EXPECT_EQ(formatWide(u"%f|%d", 1.0, 7), u"1.000000|7");
}

// Digits past any double's own are zeros: written as such rather than asked of the host's
// printf, which would allocate the whole precision (gigabytes for %.*f with 2^31).
TEST(WidePrintf, HugeFloatPrecisionIsZerosBeforeTheExponent) {
    WCHAR buffer[8];
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(_snwprintf(buffer, 8, u"%.2000000000f", 1.5), -1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(std::u16string_view(buffer, 8), u"1.500000");
    std::u16string e = ce::formatWide(u"%.1200e|%#.1200g|%.1200g|%.1200a", 1.5, 0x1p-17, 0.25, 1.0);
    EXPECT_EQ(e, u"1.5" + std::u16string(1199, u'0') + u"e+00|7.62939453125" + std::u16string(1188, u'0') +
                     u"e-06|0.25|0x1." + std::u16string(1200, u'0') + u"p+0");
    EXPECT_EQ(ce::formatWide(u"%01205.1200f", -2.0), u"-002." + std::u16string(1200, u'0'));
}

TEST(WidePrintf, FormatWideGrowsBeyondAnyFixedBuffer) {
    std::u16string text = formatWide(u"%5000d|", 1);
    EXPECT_EQ(text.size(), 5001u);
    EXPECT_EQ(text.substr(4998), u" 1|");
}
