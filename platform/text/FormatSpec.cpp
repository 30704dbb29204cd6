// Parser for one wide printf conversion: flags, width, precision, length modifier, type.
// Length modifiers follow the handheld's runtime: l is 32 bits, ll and I64 are 64, I is
// pointer-sized, w marks a wide character or string.
#include "text/FormatSpec.h"

#include <climits>

namespace ce::text {

namespace {

bool isDigit(WCHAR c) {
    return c >= u'0' && c <= u'9';
}

// A run of digits, saturating rather than overflowing on absurd widths.
const WCHAR* parseNumber(const WCHAR* p, int& value) {
    value = 0;
    for (; isDigit(*p); ++p) value = value > (INT_MAX - 9) / 10 ? INT_MAX : value * 10 + (*p - u'0');
    return p;
}

const WCHAR* parseFlags(const WCHAR* p, FormatSpec& conv) {
    for (;; ++p) {
        switch (*p) {
        case u'-': conv.left = true; break;
        case u'+': conv.plus = true; break;
        case u' ': conv.space = true; break;
        case u'#': conv.alternate = true; break;
        case u'0': conv.zero = true; break;
        default: return p;
        }
    }
}

const WCHAR* take(LengthModifier& length, LengthModifier value, const WCHAR* next) {
    length = value;
    return next;
}

const WCHAR* parseLength(const WCHAR* p, LengthModifier& length) {
    using L = LengthModifier;
    switch (*p) {
    case u'h': return p[1] == u'h' ? take(length, L::Char, p + 2) : take(length, L::Short, p + 1);
    case u'l': return p[1] == u'l' ? take(length, L::LongLong, p + 2) : take(length, L::Long, p + 1);
    case u'w': return take(length, L::Wide, p + 1);
    case u'L': return take(length, L::LongDouble, p + 1);
    case u'I':
        if (p[1] == u'6' && p[2] == u'4') return take(length, L::LongLong, p + 3);
        if (p[1] == u'3' && p[2] == u'2') return take(length, L::Long, p + 3);
        return take(length, L::Pointer, p + 1);
    default: return p;
    }
}

}  // namespace

const WCHAR* parseFormatSpec(const WCHAR* p, FormatSpec& conv) {
    p = parseFlags(p, conv);
    if (*p == u'*') {
        conv.widthFromArgs = true;
        ++p;
    } else {
        p = parseNumber(p, conv.width);
    }
    if (*p == u'.') {
        ++p;
        if (*p == u'*') {
            conv.precisionFromArgs = true;
            ++p;
        } else {
            p = parseNumber(p, conv.precision);
        }
    }
    p = parseLength(p, conv.length);
    conv.conversion = *p;
    return *p ? p + 1 : p;
}

}  // namespace ce::text
