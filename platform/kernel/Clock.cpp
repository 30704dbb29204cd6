// The clocks: system and local time, the local zone offset, the performance counter, the
// tick count and Sleep.
#include <sched.h>
#include <time.h>

#include <chrono>
#include <thread>

#include "kernel/FileTime.h"
#include "kernel/IdleHooks.h"
#include "winbase.h"

namespace {

using ce::kernel::c_largestFileTime;
using ce::kernel::c_ticksPerSecond;

timespec now(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return ts;
}

// The host zone's current offset from UTC in FILETIME ticks. Like the handheld, the
// conversions use the bias in force now, not the one at the converted instant.
std::int64_t localOffsetTicks() {
    tzset();  // localtime_r need not notice a changed TZ by itself
    time_t seconds = time(nullptr);
    tm local{};
    localtime_r(&seconds, &local);
    return static_cast<std::int64_t>(local.tm_gmtoff) * static_cast<std::int64_t>(c_ticksPerSecond);
}

BOOL shiftFileTime(const FILETIME* in, LPFILETIME out, std::int64_t offset) {
    if (!in || !out) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::uint64_t ticks = ce::kernel::ticksOf(*in);
    std::uint64_t shifted = ticks + static_cast<std::uint64_t>(offset);
    bool wrapped = offset < 0 ? shifted > ticks : shifted < ticks;
    if (ticks > c_largestFileTime || wrapped || shifted > c_largestFileTime) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *out = ce::kernel::fileTimeOf(shifted);
    return TRUE;
}

// The tick count's zero, taken on first use or, at the latest, when the library loads.
std::chrono::steady_clock::time_point start() {
    static const auto s_start = std::chrono::steady_clock::now();
    return s_start;
}
const auto c_loaded = start();

}  // namespace

void GetSystemTime(LPSYSTEMTIME lpSystemTime) {
    if (!lpSystemTime) return;
    timespec ts = now(CLOCK_REALTIME);
    std::uint64_t ticks = (static_cast<std::uint64_t>(ts.tv_sec) + ce::kernel::c_unixEpochSeconds) *
                              c_ticksPerSecond +
                          static_cast<std::uint64_t>(ts.tv_nsec) / 100;
    FILETIME fileTime = ce::kernel::fileTimeOf(ticks);
    FileTimeToSystemTime(&fileTime, lpSystemTime);
}

void GetLocalTime(LPSYSTEMTIME lpSystemTime) {
    if (!lpSystemTime) return;
    timespec ts = now(CLOCK_REALTIME);
    tzset();
    tm local{};
    localtime_r(&ts.tv_sec, &local);
    *lpSystemTime = SYSTEMTIME{static_cast<WORD>(local.tm_year + 1900), static_cast<WORD>(local.tm_mon + 1),
                               static_cast<WORD>(local.tm_wday),        static_cast<WORD>(local.tm_mday),
                               static_cast<WORD>(local.tm_hour),        static_cast<WORD>(local.tm_min),
                               static_cast<WORD>(local.tm_sec),         static_cast<WORD>(ts.tv_nsec / 1'000'000)};
}

BOOL FileTimeToLocalFileTime(const FILETIME* lpFileTime, LPFILETIME lpLocalFileTime) {
    return shiftFileTime(lpFileTime, lpLocalFileTime, localOffsetTicks());
}

BOOL LocalFileTimeToFileTime(const FILETIME* lpLocalFileTime, LPFILETIME lpFileTime) {
    return shiftFileTime(lpLocalFileTime, lpFileTime, -localOffsetTicks());
}

BOOL QueryPerformanceCounter(LARGE_INTEGER* lpPerformanceCount) {
    if (!lpPerformanceCount) return FALSE;
    timespec ts = now(CLOCK_MONOTONIC);
    lpPerformanceCount->QuadPart = static_cast<LONGLONG>(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
    return TRUE;
}

BOOL QueryPerformanceFrequency(LARGE_INTEGER* lpFrequency) {
    if (!lpFrequency) return FALSE;
    lpFrequency->QuadPart = 1'000'000'000;  // the counter counts nanoseconds
    return TRUE;
}

DWORD GetTickCount() {
    auto elapsed = std::chrono::steady_clock::now() - start();
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void Sleep(DWORD dwMilliseconds) {
    ce::kernel::runIdleHooks();
    if (dwMilliseconds == 0) {
        sched_yield();
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds));
}
