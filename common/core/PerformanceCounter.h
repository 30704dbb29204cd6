// Measures intervals with the platform's high-resolution counter and traces them.
#pragma once

#include <windows.h>

namespace Nevo {

class PerformanceCounter {
public:
    PerformanceCounter();
    // Traces the whole milliseconds since the interval start, then starts a new interval.
    void stamp(const WCHAR* label);

private:
    LONGLONG m_start = 0;
    LONGLONG m_frequency = 1;  // counts per second
};

}  // namespace Nevo
