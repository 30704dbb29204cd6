// The clocks: local time follows the host zone (TZ).
#include <gtest/gtest.h>

#include <cstdlib>

#include "winbase.h"

namespace {

std::uint64_t value(const FILETIME& ft) {
    return (std::uint64_t{ft.dwHighDateTime} << 32) | ft.dwLowDateTime;
}

TEST(Clock, LocalTimesAreShiftedByTheHostZone) {
    const char* saved = std::getenv("TZ");
    std::string tz = saved ? saved : "";
    setenv("TZ", "UTC-3", 1);  // POSIX sign: three hours east of UTC
    FILETIME utc{0x12345678u, 0x01D00000u}, local{}, back{}, origin{0, 0};
    ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &local) && LocalFileTimeToFileTime(&local, &back));
    EXPECT_EQ(value(local) - value(utc), 3ull * 3600 * 10'000'000);
    EXPECT_EQ(value(back), value(utc));
    EXPECT_FALSE(LocalFileTimeToFileTime(&origin, &back));  // would fall before 1601
    SYSTEMTIME systemNow{}, localNow{};
    GetSystemTime(&systemNow);
    GetLocalTime(&localNow);
    SystemTimeToFileTime(&systemNow, &utc);
    SystemTimeToFileTime(&localNow, &local);
    EXPECT_NEAR(static_cast<double>(value(local) - value(utc)) / 1e7, 3 * 3600, 2);
    saved ? setenv("TZ", tz.c_str(), 1) : unsetenv("TZ");
}

}  // namespace
