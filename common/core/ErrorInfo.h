// Error records handed out from a ring of three, so that a callee can return one without
// the caller owning anything.
#pragma once

#include <cstdint>

#include <windows.h>

namespace Nevo {

class ErrorInfo {
public:
    static constexpr int c_messageSize = 128;  // characters, terminator included

    // The next record of the ring; the fourth call returns the first record again.
    static ErrorInfo* acquire();
    // Clears every record of the ring (done at library load).
    static void clearRing();

    ErrorInfo* initialize(DWORD code, const WCHAR* format, ...);
    DWORD getCode() const { return m_code; }
    const WCHAR* getMessage() const { return m_message; }

private:
    constexpr ErrorInfo() : m_code(0), m_message{} {}

    DWORD m_code;
    WCHAR m_message[c_messageSize];

    static ErrorInfo c_allocated[3];
    static int32_t c_i;
};

}  // namespace Nevo
