// RECT comparison and printing for tests: GoogleTest finds both by argument lookup, so they
// live in the global namespace, where RECT is.
#pragma once

#include <ostream>

#include "windef.h"

inline bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline void PrintTo(const RECT& rect, std::ostream* out) {
    *out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << "}";
}
