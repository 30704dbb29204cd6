// The C library's wide-string functions for WCHAR (UTF-16) text. Comparisons order by
// unsigned code unit; the case-insensitive ones lower-case both sides first, as the
// handheld's runtime does (so '_' sorts before letters).
#include "cewchar.h"

namespace {

int compareUnits(WCHAR a, WCHAR b) {
    return static_cast<int>(a) - static_cast<int>(b);
}

template <class Fold>
int compareStrings(const WCHAR* a, const WCHAR* b, size_t count, Fold fold) {
    for (; count > 0; --count, ++a, ++b) {
        WCHAR x = fold(*a);
        WCHAR y = fold(*b);
        if (x != y) return compareUnits(x, y);
        if (x == 0) return 0;
    }
    return 0;
}

WCHAR sameCase(WCHAR c) {
    return c;
}

WCHAR lowerCase(WCHAR c) {
    return towlower(c);
}

}  // namespace

size_t wcslen(const WCHAR* s) {
    const WCHAR* end = s;
    while (*end) ++end;
    return static_cast<size_t>(end - s);
}

int wcscmp(const WCHAR* a, const WCHAR* b) {
    return compareStrings(a, b, static_cast<size_t>(-1), sameCase);
}

int wcsncmp(const WCHAR* a, const WCHAR* b, size_t count) {
    return compareStrings(a, b, count, sameCase);
}

int _wcsicmp(const WCHAR* a, const WCHAR* b) {
    return compareStrings(a, b, static_cast<size_t>(-1), lowerCase);
}

int _wcsnicmp(const WCHAR* a, const WCHAR* b, size_t count) {
    return compareStrings(a, b, count, lowerCase);
}

WCHAR* wcscpy(WCHAR* dst, const WCHAR* src) {
    WCHAR* out = dst;
    while ((*out++ = *src++) != 0) {
    }
    return dst;
}

// Copies at most count units and fills the rest of the count with terminators; a source of
// count units or more leaves dst unterminated.
WCHAR* wcsncpy(WCHAR* dst, const WCHAR* src, size_t count) {
    size_t i = 0;
    for (; i < count && src[i] != 0; ++i) dst[i] = src[i];
    for (; i < count; ++i) dst[i] = 0;
    return dst;
}

WCHAR* wcscat(WCHAR* dst, const WCHAR* src) {
    wcscpy(dst + wcslen(dst), src);
    return dst;
}

// Searching for 0 finds the terminator, as in C.
WCHAR* wcschr(const WCHAR* s, WCHAR c) {
    for (;; ++s) {
        if (*s == c) return const_cast<WCHAR*>(s);
        if (*s == 0) return nullptr;
    }
}

WCHAR* wcsrchr(const WCHAR* s, WCHAR c) {
    const WCHAR* found = nullptr;
    for (;; ++s) {
        if (*s == c) found = s;
        if (*s == 0) return const_cast<WCHAR*>(found);
    }
}

WCHAR* wcsstr(const WCHAR* haystack, const WCHAR* needle) {
    size_t length = wcslen(needle);
    for (; *haystack; ++haystack)
        if (wcsncmp(haystack, needle, length) == 0) return const_cast<WCHAR*>(haystack);
    return length == 0 ? const_cast<WCHAR*>(haystack) : nullptr;
}
