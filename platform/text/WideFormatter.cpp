// The wide printf engine, with the handheld runtime's rules: %s is wide and %S narrow (UTF-8),
// %ld reads 32 bits, %p prints pointer-size upper-case hex, the 0 flag also pads strings,
// a null string prints "(null)", and a conversion it does not know is printed as written.
#include "text/WideFormatter.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <iterator>
#include <string>

#include "cewchar.h"
#include "text/Utf8.h"

namespace ce::text {

namespace {

bool isSignedConversion(WCHAR c) {
    return c == u'd' || c == u'i';
}

bool isFloatConversion(WCHAR c) {
    return std::u16string_view(u"eEfFgGaA").find(c) != std::u16string_view::npos;
}

size_t boundedLength(const WCHAR* s, int precision) {
    size_t length = 0;
    while ((precision < 0 || length < static_cast<size_t>(precision)) && s[length]) ++length;
    return length;
}

// Narrow text as UTF-8, cut to at most `precision` units without splitting a surrogate pair.
std::u16string widen(const char* s, int precision) {
    std::u16string text;
    Utf8Reader reader(s, nullptr);
    while (!reader.atEnd()) {
        char32_t c = reader.next();
        size_t units = c > 0xFFFF ? 2 : 1;
        if (precision >= 0 && text.size() + units > static_cast<size_t>(precision)) break;
        appendUtf16(text, c);
    }
    return text;
}

std::u16string_view signPrefix(const FormatSpec& conv, bool negative) {
    if (negative) return u"-";
    if (!isSignedConversion(conv.conversion)) return {};
    if (conv.plus) return u"+";
    return conv.space ? u" " : u"";
}

// No double has more digits than this after the point (2^-1074 has 1074), nor more
// significant ones: past it every digit is a zero.
constexpr int c_maxFloatDigits = 1100;

// The host's printf renders a floating-point number; it never sees the width, nor a
// precision past c_maxFloatDigits, so it never has to build a huge buffer.
std::string hostFloat(const FormatSpec& conv, double value) {
    char format[16];
    std::snprintf(format, sizeof format, "%%%s%s%s.*%c", conv.plus ? "+" : "", conv.space ? " " : "",
                  conv.alternate ? "#" : "", static_cast<char>(conv.conversion));
    int precision = conv.precision > c_maxFloatDigits ? c_maxFloatDigits : conv.precision;
    int length = std::snprintf(nullptr, 0, format, precision, value);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, precision, value);
    return text;
}

// The sign and "0x" of a rendered number: zero padding goes after them.
size_t numberPrefixLength(std::u16string_view text) {
    size_t length = !text.empty() && (text[0] == u'-' || text[0] == u'+' || text[0] == u' ') ? 1 : 0;
    if (text.size() > length + 1 && text[length] == u'0' && (text[length + 1] | 0x20) == u'x') length += 2;
    return length;
}

}  // namespace

WideFormatter::WideFormatter(WideSink& sink, va_list args) : m_sink(sink) {
    va_copy(m_args, args);
}

WideFormatter::~WideFormatter() {
    va_end(m_args);
}

void WideFormatter::format(const WCHAR* p) {
    while (*p) {
        if (*p != u'%') {
            m_sink.put(*p++);
            continue;
        }
        const WCHAR* directive = p;
        FormatSpec conv;
        p = parseFormatSpec(p + 1, conv);
        convert(conv, directive, p);
    }
}

void WideFormatter::convert(FormatSpec& conv, const WCHAR* directive, const WCHAR* end) {
    using L = LengthModifier;
    bool wideMarked = conv.length == L::Long || conv.length == L::Wide;
    bool narrowMarked = conv.length == L::Short || conv.length == L::Char;
    WCHAR c = conv.conversion;
    bool known = std::u16string_view(u"diuxXopcCsS%").find(c) != std::u16string_view::npos;
    if (c == 0 || (!known && !isFloatConversion(c))) {
        m_sink.write(std::u16string_view(directive, static_cast<size_t>(end - directive)));
        return;
    }
    takeStarArguments(conv);
    switch (c) {
    case u'%': m_sink.put(u'%'); break;
    case u'p': pointer(conv); break;
    case u'c': character(conv, !narrowMarked); break;
    case u'C': character(conv, wideMarked); break;
    case u's': string(conv, !narrowMarked); break;
    case u'S': string(conv, wideMarked); break;
    default:
        if (isFloatConversion(c)) floating(conv);
        else integer(conv);
    }
}

void WideFormatter::takeStarArguments(FormatSpec& conv) {
    if (conv.widthFromArgs) {
        int width = va_arg(m_args, int);
        if (width < 0) {
            conv.left = true;
            width = width == INT_MIN ? INT_MAX : -width;
        }
        conv.width = width;
    }
    if (conv.precisionFromArgs) {
        int precision = va_arg(m_args, int);
        conv.precision = precision < 0 ? -1 : precision;
    }
}

std::int64_t WideFormatter::signedArgument(LengthModifier length) {
    switch (length) {
    case LengthModifier::Char: return static_cast<signed char>(va_arg(m_args, int));
    case LengthModifier::Short: return static_cast<short>(va_arg(m_args, int));
    case LengthModifier::LongLong: return va_arg(m_args, long long);
    case LengthModifier::Pointer: return va_arg(m_args, std::intptr_t);
    default: return va_arg(m_args, int);  // l too: the handheld's long is 32 bits
    }
}

std::uint64_t WideFormatter::unsignedArgument(LengthModifier length) {
    switch (length) {
    case LengthModifier::Char: return static_cast<unsigned char>(va_arg(m_args, unsigned));
    case LengthModifier::Short: return static_cast<unsigned short>(va_arg(m_args, unsigned));
    case LengthModifier::LongLong: return va_arg(m_args, unsigned long long);
    case LengthModifier::Pointer: return va_arg(m_args, std::uintptr_t);
    default: return va_arg(m_args, unsigned);
    }
}

void WideFormatter::integer(const FormatSpec& conv) {
    if (!isSignedConversion(conv.conversion)) {
        digits(conv, unsignedArgument(conv.length), false);
        return;
    }
    std::int64_t value = signedArgument(conv.length);
    std::uint64_t magnitude = static_cast<std::uint64_t>(value);
    digits(conv, value < 0 ? 0 - magnitude : magnitude, value < 0);
}

void WideFormatter::pointer(const FormatSpec& conv) {
    FormatSpec hex = conv;
    hex.conversion = u'X';
    hex.precision = 2 * sizeof(void*);
    digits(hex, reinterpret_cast<std::uintptr_t>(va_arg(m_args, void*)), false);
}

void WideFormatter::digits(const FormatSpec& conv, std::uint64_t value, bool negative) {
    WCHAR c = conv.conversion;
    unsigned radix = c == u'o' ? 8 : (c == u'x' || c == u'X') ? 16 : 10;
    const char* digitSet = c == u'x' ? "0123456789abcdef" : "0123456789ABCDEF";
    WCHAR buffer[24];
    WCHAR* start = std::end(buffer);
    for (std::uint64_t rest = value; rest != 0; rest /= radix) *--start = static_cast<WCHAR>(digitSet[rest % radix]);
    std::u16string_view body(start, static_cast<size_t>(std::end(buffer) - start));

    size_t precision = conv.precision < 0 ? 1 : static_cast<size_t>(conv.precision);
    size_t zeros = precision > body.size() ? precision - body.size() : 0;
    if (c == u'o' && conv.alternate && zeros == 0 && (body.empty() || body[0] != u'0')) zeros = 1;
    std::u16string_view prefix = signPrefix(conv, negative);
    if (radix == 16 && conv.alternate && value != 0) prefix = c == u'x' ? u"0x" : u"0X";
    size_t used = prefix.size() + zeros + body.size();
    if (conv.zero && !conv.left && conv.precision < 0 && static_cast<size_t>(conv.width) > used)
        zeros += static_cast<size_t>(conv.width) - used;
    field(conv, prefix, zeros, body);
}

void WideFormatter::character(const FormatSpec& conv, bool wide) {
    int value = va_arg(m_args, int);
    // A narrow character is one byte, taken as Latin-1: alone it cannot be a UTF-8 sequence.
    WCHAR c = wide ? static_cast<WCHAR>(value) : static_cast<WCHAR>(static_cast<unsigned char>(value));
    size_t zeros = conv.zero && !conv.left && conv.width > 1 ? static_cast<size_t>(conv.width) - 1 : 0;
    field(conv, {}, zeros, std::u16string_view(&c, 1));
}

void WideFormatter::string(const FormatSpec& conv, bool wide) {
    std::u16string narrow;
    std::u16string_view text;
    const WCHAR* wideText = wide ? va_arg(m_args, const WCHAR*) : nullptr;
    const char* narrowText = wide ? nullptr : va_arg(m_args, const char*);
    if (wideText) {
        text = std::u16string_view(wideText, boundedLength(wideText, conv.precision));
    } else if (narrowText) {
        narrow = widen(narrowText, conv.precision);
        text = narrow;
    } else {
        text = std::u16string_view(u"(null)", boundedLength(u"(null)", conv.precision));
    }
    size_t width = static_cast<size_t>(conv.width);
    size_t zeros = conv.zero && !conv.left && width > text.size() ? width - text.size() : 0;
    field(conv, {}, zeros, text);
}

// Sign, zero padding and width are applied here, as for integers.
void WideFormatter::floating(const FormatSpec& conv) {
    double value = conv.length == LengthModifier::LongDouble ? static_cast<double>(va_arg(m_args, long double))
                                                             : va_arg(m_args, double);
    std::string narrow = hostFloat(conv, value);
    std::u16string text(narrow.begin(), narrow.end());
    size_t prefix = numberPrefixLength(text);
    bool finite = text.size() > prefix && text[prefix] >= u'0' && text[prefix] <= u'9';
    // The digits a precision past c_maxFloatDigits asks for are zeros, before the exponent;
    // %g drops trailing zeros unless # keeps them.
    WCHAR kind = conv.conversion | 0x20;
    bool keepsZeros = kind != u'g' || conv.alternate;
    size_t moreZeros = finite && keepsZeros && conv.precision > c_maxFloatDigits
                           ? static_cast<size_t>(conv.precision - c_maxFloatDigits)
                           : 0;
    std::u16string_view view(text);
    size_t exponent = std::min(view.find_first_of(kind == u'a' ? u"pP" : u"eE", prefix), view.size());
    size_t width = static_cast<size_t>(conv.width);
    size_t length = text.size() + moreZeros;
    size_t zeros = conv.zero && !conv.left && finite && width > length ? width - length : 0;
    field(conv, view.substr(0, prefix), zeros, view.substr(prefix, exponent - prefix), moreZeros, view.substr(exponent));
}

void WideFormatter::field(const FormatSpec& conv, std::u16string_view prefix, size_t zeros, std::u16string_view body,
                          size_t trailingZeros, std::u16string_view suffix) {
    size_t length = prefix.size() + zeros + body.size() + trailingZeros + suffix.size();
    size_t padding = static_cast<size_t>(conv.width) > length ? static_cast<size_t>(conv.width) - length : 0;
    if (!conv.left) m_sink.repeat(u' ', padding);
    m_sink.write(prefix);
    m_sink.repeat(u'0', zeros);
    m_sink.write(body);
    m_sink.repeat(u'0', trailingZeros);
    m_sink.write(suffix);
    if (conv.left) m_sink.repeat(u' ', padding);
}

}  // namespace ce::text
