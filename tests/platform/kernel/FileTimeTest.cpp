// SYSTEMTIME <-> FILETIME conversions at the calendar's edges, and CompareFileTime.
#include <gtest/gtest.h>

#include <cstdint>

#include "winbase.h"

namespace {

const std::uint64_t c_day = 864000000000ull;

SYSTEMTIME date(WORD y, WORD mo, WORD d, WORD h = 0, WORD mi = 0, WORD s = 0, WORD ms = 0) {
    return SYSTEMTIME{y, mo, 6, d, h, mi, s, ms};  // day of week deliberately wrong: ignored
}

std::uint64_t ticks(const SYSTEMTIME& time) {
    FILETIME ft{};
    EXPECT_TRUE(SystemTimeToFileTime(&time, &ft));
    return (std::uint64_t{ft.dwHighDateTime} << 32) | ft.dwLowDateTime;
}

// "y-m-d h:m:s.ms/day-of-week", so a whole SYSTEMTIME compares at once.
std::string text(std::uint64_t value) {
    FILETIME ft{static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)};
    SYSTEMTIME t{};
    EXPECT_TRUE(FileTimeToSystemTime(&ft, &t));
    char out[64];
    std::snprintf(out, sizeof out, "%d-%d-%d %d:%d:%d.%d/%d", t.wYear, t.wMonth, t.wDay, t.wHour,
                  t.wMinute, t.wSecond, t.wMilliseconds, t.wDayOfWeek);
    return out;
}

TEST(FileTime, ConversionsHoldAtBothEndsOfTheRangeAndTheTopBitIsRefused) {
    EXPECT_EQ(ticks(date(1601, 1, 1)), 0u);
    EXPECT_EQ(text(0), "1601-1-1 0:0:0.0/1");
    EXPECT_EQ(ticks(date(1970, 1, 1)), 116444736000000000ull);
    EXPECT_EQ(text(ticks(date(30827, 12, 31, 23, 59, 59, 999))), "30827-12-31 23:59:59.999/5");
    EXPECT_EQ(text(0x7FFFFFFFFFFFFFFFull), "30828-9-14 2:48:5.477/4");
    FILETIME topBit{0, 0x80000000u}, low{0xFFFFFFFFu, 1};
    SYSTEMTIME out{};
    EXPECT_FALSE(FileTimeToSystemTime(&topBit, &out));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(CompareFileTime(&low, &topBit), -1);  // unsigned, even past the valid range
}

TEST(FileTime, LeapDaysFollowTheGregorianRules) {
    EXPECT_EQ(ticks(date(2000, 3, 1)) - ticks(date(2000, 2, 28)), 2 * c_day);
    EXPECT_EQ(ticks(date(1900, 3, 1)) - ticks(date(1900, 2, 28)), c_day);
    EXPECT_EQ(text(ticks(date(2024, 2, 29, 12, 34, 56, 789))), "2024-2-29 12:34:56.789/4");
}

TEST(FileTime, InvalidSystemTimesAreRefusedWithInvalidParameter) {
    FILETIME ft{};
    for (const SYSTEMTIME& time :
         {date(1900, 2, 29), date(2023, 2, 29), date(2024, 4, 31), date(2024, 0, 1), date(2024, 13, 1),
          date(2024, 1, 0), date(1600, 12, 31), date(30828, 1, 1), date(2024, 1, 1, 24),
          date(2024, 1, 1, 0, 60), date(2024, 1, 1, 0, 0, 60), date(2024, 1, 1, 0, 0, 0, 1000)}) {
        SetLastError(0);
        EXPECT_FALSE(SystemTimeToFileTime(&time, &ft)) << time.wYear << '-' << time.wMonth << '-' << time.wDay;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
}

}  // namespace
