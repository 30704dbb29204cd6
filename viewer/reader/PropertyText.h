// How a property value is shown: the name of its type and its value as text.
#pragma once

#include <windows.h>
#include <windbase.h>

namespace Orvane {

// The type code is the low word of the property id; an unknown code is "Unknown".
const WCHAR* typeName(WORD typeCode);

// The value text of one property into `capacity` characters (always terminated); returns
// its length. I2, UI2, UI4, R8 and unknown types show their first 32-bit word as
// "0x%lX (%ld)".
int formatValue(const CEPROPVAL& value, WCHAR* buffer, int capacity);

// "%d-%d-%d %d:%d:%d" (year, month, day, hour, minute, second, no leading zeros) of the
// stored time, with no time zone conversion. A time the calendar cannot hold (2^63 ticks
// and above) shows its ticks in hex instead. Returns the length.
int formatFileTime(const FILETIME& time, WCHAR* buffer, int capacity);

// Two upper-case hex digits per byte, no separators, at most capacity / 2 - 1 bytes; a
// count that is negative as a signed number gives the empty text. Returns the length.
int hexBytes(DWORD count, const BYTE* bytes, WCHAR* buffer, int capacity);

}  // namespace Orvane
