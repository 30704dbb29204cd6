// towlower / towupper for WCHAR: the simple (1:1) case mappings of the whole Basic
// Multilingual Plane, looked up in the generated range tables.
#include <algorithm>
#include <iterator>

#include "cewchar.h"

namespace {

struct CaseRange {
    WCHAR first;
    WCHAR last;
    int delta;
    int step;
};

#include "CaseMapTable.inc"

template <size_t N>
WCHAR mapCase(const CaseRange (&table)[N], WCHAR c) {
    // The last range starting at or before c is the only one that can hold it.
    const CaseRange* next = std::upper_bound(std::begin(table), std::end(table), c,
                                             [](WCHAR value, const CaseRange& r) { return value < r.first; });
    if (next == std::begin(table)) return c;
    const CaseRange& range = *(next - 1);
    if (c > range.last || (c - range.first) % range.step != 0) return c;
    return static_cast<WCHAR>(c + range.delta);
}

}  // namespace

WCHAR towlower(WCHAR c) {
    if (c < 0x80) return c >= u'A' && c <= u'Z' ? static_cast<WCHAR>(c + 32) : c;
    return mapCase(c_lowerRanges, c);
}

WCHAR towupper(WCHAR c) {
    if (c < 0x80) return c >= u'a' && c <= u'z' ? static_cast<WCHAR>(c - 32) : c;
    return mapCase(c_upperRanges, c);
}
