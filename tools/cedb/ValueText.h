// The names of property types and the text forms of values: what `show` prints, what `put`
// reads, and the FILETIME, BLOB and number texts the JSON exchange format shares.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "PropertyValue.h"

namespace cedb {

// I2 I4 R8 BOOL UI2 UI4 LPWSTR FILETIME BLOB; null for a type the store does not know.
const char* typeName(WORD type);
// Whether an integer fits the type (I2, I4, UI2, UI4; BOOL takes 0 and 1).
bool integerFits(WORD type, std::int64_t value);

// "0x%08x", and "0x%x".
std::string hexWord(DWORD value);
std::string hexNumber(DWORD value);
// A 32-bit number written in decimal or as 0x hex.
std::optional<DWORD> parseWord(std::string_view text);

// The forms a FILETIME is read from, as the messages refusing one list them.
inline constexpr char c_fileTimeForms[] =
    "YYYY-MM-DDTHH:MM:SS[.fffffff] for the years 1601 to 9999, or 100 ns ticks since 1601, which reach further";

// "YYYY-MM-DDTHH:MM:SS" with a fraction of up to 7 digits when it is not zero; `separator`
// goes between date and time. Nothing past year 9999, which only ticks can express.
std::optional<std::string> fileTimeText(std::uint64_t ticks, char separator);
// Reads that form (with T or a space between date and time), as given, without a zone.
std::optional<std::uint64_t> parseFileTime(std::string_view text);

std::string blobText(const std::vector<BYTE>& bytes);  // lowercase hex, two digits a byte
std::optional<std::vector<BYTE>> parseBlob(std::string_view text);

// The shortest text that reads back as the same double.
std::string realText(double value);

// Text made safe for one tab-separated field of one line, as `list` and `show` print names
// and strings: \\ \t \r \n for a backslash, tab, CR and LF, \xHH for other control characters.
std::string escapedText(std::string_view text);
// A value as `show` prints it (strings as UTF-8, escaped as above).
std::string valueText(const PropertyValue& value);
// Reads `text` as a value of value.type(); false with the reason in `error`.
bool parseValueText(std::string_view text, PropertyValue& value, std::string& error);

}  // namespace cedb
