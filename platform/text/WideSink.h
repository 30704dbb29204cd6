// Where the wide printf writes: a caller's buffer of limited size, or a growing string.
// It counts every character offered, so the full length is known even when cut short.
#pragma once

#include <algorithm>
#include <string>

#include "windef.h"

namespace ce::text {

class WideSink {
public:
    WideSink(WCHAR* buffer, size_t capacity) : m_buffer(buffer), m_capacity(capacity) {}
    explicit WideSink(std::u16string& text) : m_text(&text) {}

    void put(WCHAR c) {
        if (m_text) m_text->push_back(c);
        else if (m_length < m_capacity) m_buffer[m_length] = c;
        ++m_length;
    }
    // Padding past the buffer's end is only counted: a width of 2^31 costs no more than the
    // buffer holds.
    void repeat(WCHAR c, size_t count) {
        if (m_text) {
            m_text->append(count, c);
        } else if (m_length < m_capacity) {
            std::fill_n(m_buffer + m_length, std::min(count, m_capacity - m_length), c);
        }
        m_length += count;
    }
    void write(std::u16string_view text) {
        for (WCHAR c : text) put(c);
    }
    size_t length() const { return m_length; }

private:
    WCHAR* m_buffer = nullptr;
    size_t m_capacity = 0;
    std::u16string* m_text = nullptr;
    size_t m_length = 0;
};

}  // namespace ce::text
