// The wide printf family: counted (_snwprintf), uncounted (swprintf) and into a string.
// Counted: output shorter than the count is terminated; output of exactly the count is not;
// longer output is cut at the count, unterminated, and -1 is returned. So a count of 0 writes
// nothing and returns 0 for empty output, -1 otherwise.
#include <climits>
#include <cstdint>

#include "cewchar.h"
#include "text/WideFormatter.h"

namespace {

size_t formatInto(ce::text::WideSink& sink, const WCHAR* format, va_list args) {
    ce::text::WideFormatter formatter(sink, args);
    formatter.format(format);
    return sink.length();
}

}  // namespace

int _vsnwprintf(WCHAR* buffer, size_t count, const WCHAR* format, va_list args) {
    ce::text::WideSink sink(buffer, count);
    size_t length = formatInto(sink, format, args);
    if (length > count || length > INT_MAX) return -1;
    if (length < count) buffer[length] = 0;
    return static_cast<int>(length);
}

int _snwprintf(WCHAR* buffer, size_t count, const WCHAR* format, ...) {
    va_list args;
    va_start(args, format);
    int result = _vsnwprintf(buffer, count, format, args);
    va_end(args);
    return result;
}

int vswprintf(WCHAR* buffer, const WCHAR* format, va_list args) {
    ce::text::WideSink sink(buffer, SIZE_MAX);
    size_t length = formatInto(sink, format, args);
    buffer[length] = 0;
    return length > INT_MAX ? -1 : static_cast<int>(length);
}

int swprintf(WCHAR* buffer, const WCHAR* format, ...) {
    va_list args;
    va_start(args, format);
    int result = vswprintf(buffer, format, args);
    va_end(args);
    return result;
}

namespace ce {

std::u16string vformatWide(const WCHAR* format, va_list args) {
    std::u16string text;
    text::WideSink sink(text);
    formatInto(sink, format, args);
    return text;
}

std::u16string formatWide(const WCHAR* format, ...) {
    va_list args;
    va_start(args, format);
    std::u16string text = vformatWide(format, args);
    va_end(args);
    return text;
}

}  // namespace ce
