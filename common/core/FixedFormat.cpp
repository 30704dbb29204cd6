// Counted printing into a fixed buffer that is always terminated.
#include "core/FixedFormat.h"

namespace Nevo {

int formatFixed(WCHAR* buffer, int size, const WCHAR* format, va_list args) {
    if (size <= 0) return 0;
    buffer[0] = 0;
    if (!format) return 0;
    // The counted print leaves no terminator when the text fills the count, and returns a
    // negative number when it is longer: keep room for the terminator and write it ourselves.
    int count = size - 1;
    int written = _vsnwprintf(buffer, static_cast<size_t>(count), format, args);
    int length = written < 0 || written > count ? count : written;
    buffer[length] = 0;
    return length;
}

int printFixed(WCHAR* buffer, int size, const WCHAR* format, ...) {
    va_list args;
    va_start(args, format);
    int length = formatFixed(buffer, size, format, args);
    va_end(args);
    return length;
}

}  // namespace Nevo
