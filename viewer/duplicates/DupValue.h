// A property's value as the duplicate search compares it: the type, the first value word,
// and for strings, doubles, file times and BLOBs all their bytes (a string without its
// terminator). A view: the bytes belong to whoever holds the value.
#pragma once

#include <windbase.h>

namespace Orvane {

struct DupValue {
    WORD type = 0;
    DWORD firstWord = 0;
    const BYTE* bytes = nullptr;
    DWORD size = 0;
    // False when the bytes could not be kept: such a value is never called a repeat.
    bool whole = true;

    // The view of a value the store returned; valid while that value is.
    static DupValue of(const CEPROPVAL& value);
    // Whether the type's value is its bytes rather than its first word.
    static bool isByBytes(WORD type);
    // 0 when both hold the same value in full: strings code unit by code unit over their
    // whole length, R8 and FILETIME by all 8 bytes, BLOBs by length and every byte, the
    // other types by their value. Only zero or not matters.
    static int compare(const DupValue& a, const DupValue& b);
    // A hash code that equal values share.
    static int32_t hashCode(const DupValue& value);
};

// A copy of a value that outlives the read it came from: its bytes inside it when they are
// few (a number, a date, a phone number), else in the item heap. A search keeps one for
// every repeat.
class KeptValue {
public:
    KeptValue() = default;
    ~KeptValue();
    KeptValue(const KeptValue&) = delete;
    KeptValue& operator=(const KeptValue&) = delete;

    // Replaces the copy; the bytes' room is reused when it suffices.
    void keep(const DupValue& value);
    const DupValue& value() const { return m_value; }

private:
    static constexpr DWORD c_inlineBytes = 40;

    DupValue m_value;
    BYTE* m_room = nullptr;  // from the heap; the inline room is used while it is null
    DWORD m_roomSize = 0;
    BYTE m_inline[c_inlineBytes];
};

}  // namespace Orvane
