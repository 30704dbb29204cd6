// UTF-8 <-> UTF-16 conversions for host I/O. Unpaired surrogates and malformed UTF-8 turn
// into U+FFFD rather than failing, since host text must always be shown.
#include "text/Utf8.h"

#include "cewchar.h"

namespace ce::text {

namespace {

struct LeadByte {
    int extra;            // continuation bytes that follow
    char32_t bits;        // payload of the lead byte
    unsigned char low;    // allowed range of the first continuation byte: excludes
    unsigned char high;   // overlong forms, surrogates and values past U+10FFFF
};

bool classify(unsigned char b, LeadByte& lead) {
    if (b >= 0xC2 && b <= 0xDF) lead = {1, b & 0x1Fu, 0x80, 0xBF};
    else if (b == 0xE0) lead = {2, 0, 0xA0, 0xBF};
    else if (b == 0xED) lead = {2, 0xD, 0x80, 0x9F};
    else if (b >= 0xE1 && b <= 0xEF) lead = {2, b & 0x0Fu, 0x80, 0xBF};
    else if (b == 0xF0) lead = {3, 0, 0x90, 0xBF};
    else if (b >= 0xF1 && b <= 0xF3) lead = {3, b & 0x07u, 0x80, 0xBF};
    else if (b == 0xF4) lead = {3, 4, 0x80, 0x8F};
    else return false;
    return true;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    int extra = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    static constexpr unsigned char c_leadMarks[] = {0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(c_leadMarks[extra] | (c >> (6 * extra)));
    for (int shift = 6 * (extra - 1); shift >= 0; shift -= 6)
        out += static_cast<char>(0x80 | ((c >> shift) & 0x3F));
}

}  // namespace

bool Utf8Reader::continuation(unsigned char low, unsigned char high) const {
    if (atEnd()) return false;
    auto b = static_cast<unsigned char>(*m_next);
    return b >= low && b <= high;
}

char32_t Utf8Reader::next() {
    LeadByte lead;
    if (!classify(static_cast<unsigned char>(*m_next++), lead)) {
        auto b = static_cast<unsigned char>(m_next[-1]);
        return b < 0x80 ? b : c_replacement;
    }
    char32_t c = lead.bits;
    for (int i = 0; i < lead.extra; ++i) {
        if (!continuation(i == 0 ? lead.low : 0x80, i == 0 ? lead.high : 0xBF)) return c_replacement;
        c = (c << 6) | (static_cast<unsigned char>(*m_next++) & 0x3Fu);
    }
    return c;
}

void appendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
        return;
    }
    c -= 0x10000;
    out += static_cast<char16_t>(0xD800 | (c >> 10));
    out += static_cast<char16_t>(0xDC00 | (c & 0x3FF));
}

}  // namespace ce::text

namespace ce {

std::string toUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        bool high = c >= 0xD800 && c <= 0xDBFF;
        bool pairs = high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (pairs) c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c <= 0xDFFF) c = text::c_replacement;
        text::appendUtf8(out, c);
    }
    return out;
}

std::string toUtf8(const WCHAR* text) {
    return text ? toUtf8(std::u16string_view(text)) : std::string();
}

std::u16string fromUtf8(std::string_view text) {
    std::u16string out;
    if (text.empty()) return out;  // an empty view may have no data to point the reader at
    out.reserve(text.size());
    text::Utf8Reader reader(text.data(), text.data() + text.size());
    while (!reader.atEnd()) text::appendUtf16(out, reader.next());
    return out;
}

}  // namespace ce
