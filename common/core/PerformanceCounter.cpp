// Interval timing on the platform's high-resolution counter.
#include "core/PerformanceCounter.h"

#include "core/Debug.h"

namespace Nevo {

PerformanceCounter::PerformanceCounter() {
    LARGE_INTEGER value;
    if (QueryPerformanceFrequency(&value) && value.QuadPart > 0) {
        m_frequency = value.QuadPart;
    } else {
        Debug::trace(0, u"No performance counter");
        m_frequency = 1;
    }
    QueryPerformanceCounter(&value);
    m_start = value.QuadPart;
}

void PerformanceCounter::stamp(const WCHAR* label) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    auto milliseconds = static_cast<unsigned>((now.QuadPart - m_start) * 1000 / m_frequency);
    Debug::trace(0, u"STAMP (%s) - interval %u ms", label, milliseconds);
    m_start = now.QuadPart;
}

}  // namespace Nevo
