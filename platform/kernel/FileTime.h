// FILETIME as one 64-bit count, shared by the time functions of the kernel.
#pragma once

#include <cstdint>

#include "windef.h"

namespace ce::kernel {

constexpr std::uint64_t c_ticksPerSecond = 10'000'000;
// Seconds from 1601-01-01 to the Unix epoch.
constexpr std::uint64_t c_unixEpochSeconds = 11'644'473'600;
// FILETIMEs with the top bit set are refused, as on the handheld.
constexpr std::uint64_t c_largestFileTime = 0x7FFFFFFFFFFFFFFFull;

inline std::uint64_t ticksOf(const FILETIME& time) {
    return (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

inline FILETIME fileTimeOf(std::uint64_t ticks) {
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

}  // namespace ce::kernel
