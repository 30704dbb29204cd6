// Conversions between SYSTEMTIME and FILETIME on the proleptic Gregorian calendar, and
// CompareFileTime.
#include "kernel/FileTime.h"

#include "winbase.h"

namespace {

using ce::kernel::c_largestFileTime;
using ce::kernel::c_ticksPerSecond;

constexpr std::int64_t c_secondsPerDay = 86'400;
constexpr std::uint64_t c_ticksPerMillisecond = 10'000;
constexpr std::uint64_t c_ticksPerDay = c_ticksPerSecond * c_secondsPerDay;

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int c_days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : c_days[month - 1];
}

// Days since 1970-01-01 of a civil date (years counted from March, so leap days fall last).
std::int64_t daysFromCivil(std::int64_t year, unsigned month, unsigned day) {
    year -= month <= 2;
    std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    auto yearOfEra = static_cast<unsigned>(year - era * 400);
    unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

void civilFromDays(std::int64_t days, SYSTEMTIME& out) {
    days += 719468;
    std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    unsigned monthIndex = (5 * dayOfYear + 2) / 153;
    unsigned month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    out.wDay = static_cast<WORD>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    out.wMonth = static_cast<WORD>(month);
    out.wYear = static_cast<WORD>(static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2));
}

const std::int64_t c_days1601 = daysFromCivil(1601, 1, 1);

bool isValid(const SYSTEMTIME& time) {
    if (time.wYear < 1601 || time.wYear > 30827) return false;
    if (time.wMonth < 1 || time.wMonth > 12) return false;
    if (time.wDay < 1 || time.wDay > daysInMonth(time.wYear, time.wMonth)) return false;
    return time.wHour < 24 && time.wMinute < 60 && time.wSecond < 60 && time.wMilliseconds < 1000;
}

BOOL invalidParameter() {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}

}  // namespace

BOOL SystemTimeToFileTime(const SYSTEMTIME* lpSystemTime, LPFILETIME lpFileTime) {
    if (!lpSystemTime || !lpFileTime || !isValid(*lpSystemTime)) return invalidParameter();
    const SYSTEMTIME& t = *lpSystemTime;
    auto days = static_cast<std::uint64_t>(daysFromCivil(t.wYear, t.wMonth, t.wDay) - c_days1601);
    std::uint64_t seconds = t.wHour * 3600ull + t.wMinute * 60ull + t.wSecond;
    std::uint64_t ticks = days * c_ticksPerDay + seconds * c_ticksPerSecond +
                          t.wMilliseconds * c_ticksPerMillisecond;
    *lpFileTime = ce::kernel::fileTimeOf(ticks);
    return TRUE;
}

BOOL FileTimeToSystemTime(const FILETIME* lpFileTime, LPSYSTEMTIME lpSystemTime) {
    if (!lpFileTime || !lpSystemTime) return invalidParameter();
    std::uint64_t ticks = ce::kernel::ticksOf(*lpFileTime);
    if (ticks > c_largestFileTime) return invalidParameter();
    std::uint64_t days = ticks / c_ticksPerDay;
    std::uint64_t rest = ticks % c_ticksPerDay;
    SYSTEMTIME& out = *lpSystemTime;
    civilFromDays(static_cast<std::int64_t>(days) + c_days1601, out);
    out.wDayOfWeek = static_cast<WORD>((days + 1) % 7);  // 1601-01-01 was a Monday
    out.wHour = static_cast<WORD>(rest / (3600 * c_ticksPerSecond));
    out.wMinute = static_cast<WORD>(rest / (60 * c_ticksPerSecond) % 60);
    out.wSecond = static_cast<WORD>(rest / c_ticksPerSecond % 60);
    out.wMilliseconds = static_cast<WORD>(rest / c_ticksPerMillisecond % 1000);
    return TRUE;
}

LONG CompareFileTime(const FILETIME* a, const FILETIME* b) {
    std::uint64_t left = ce::kernel::ticksOf(*a);
    std::uint64_t right = ce::kernel::ticksOf(*b);
    return left < right ? -1 : left > right ? 1 : 0;
}
