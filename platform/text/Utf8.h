// UTF-8 decoding shared by ce::fromUtf8 and the wide printf's narrow-string conversions.
#pragma once

#include <string>

namespace ce::text {

constexpr char32_t c_replacement = 0xFFFD;

// Reads code points from UTF-8 bytes, one at a time, never looking past the bytes it needs.
// A malformed sequence (bad lead byte, overlong form, surrogate, beyond U+10FFFF, cut short)
// yields U+FFFD and consumes its longest valid-looking prefix, at least one byte.
class Utf8Reader {
public:
    // With end null the text stops at its first NUL byte.
    Utf8Reader(const char* text, const char* end) : m_next(text), m_end(end) {}

    bool atEnd() const { return m_end ? m_next == m_end : *m_next == 0; }
    char32_t next();

private:
    bool continuation(unsigned char low, unsigned char high) const;

    const char* m_next;
    const char* m_end;
};

// Appends a code point as one UTF-16 unit or a surrogate pair.
void appendUtf16(std::u16string& out, char32_t c);

}  // namespace ce::text
