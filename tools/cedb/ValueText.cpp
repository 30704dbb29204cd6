// Type names and value texts shared by show, put and the JSON exchange format.
#include "ValueText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

#include "cewchar.h"

namespace cedb {

namespace {

constexpr std::uint64_t c_ticksPerSecond = 10'000'000;
constexpr std::int64_t c_secondsPerDay = 86'400;
constexpr std::int64_t c_daysFrom1601To1970 = 134'774;

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    std::int64_t yoe = y - era * 400;
    std::int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

struct CivilDate {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

CivilDate civilFromDays(std::int64_t z) {
    z += 719468;
    std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    std::int64_t doe = z - era * 146097;
    std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    std::int64_t mp = (5 * doy + 2) / 153;
    auto day = static_cast<unsigned>(doy - (153 * mp + 2) / 5 + 1);
    auto month = static_cast<unsigned>(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (month <= 2), month, day};
}

std::uint64_t ticksOfDay(std::int64_t daysSince1970) {
    return static_cast<std::uint64_t>(daysSince1970 + c_daysFrom1601To1970) * c_secondsPerDay * c_ticksPerSecond;
}

// The first tick of year 10000: the text form stops before it.
const std::uint64_t c_textTicksEnd = ticksOfDay(daysFromCivil(10000, 1, 1));

bool digitsAt(std::string_view text, size_t at, size_t count, unsigned& value) {
    if (at + count > text.size()) return false;
    value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
    }
    return true;
}

unsigned daysInMonth(unsigned year, unsigned month) {
    static const unsigned c_days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : c_days[month - 1];
}

// The ".fffffff" part: up to 7 digits, as ticks.
std::optional<std::uint64_t> parseFraction(std::string_view text) {
    if (text.empty()) return 0;
    if (text[0] != '.' || text.size() < 2 || text.size() > 8) return std::nullopt;
    unsigned digits = 0;
    if (!digitsAt(text, 1, text.size() - 1, digits)) return std::nullopt;
    std::uint64_t ticks = digits;
    for (size_t n = text.size() - 1; n < 7; ++n) ticks *= 10;
    return ticks;
}

template <class T>
bool parseInteger(std::string_view text, T& value) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool parseIntegerValue(std::string_view text, PropertyValue& value, std::string& error) {
    const char* name = typeName(value.type());
    if (!parseInteger(text, value.integer)) {
        error = std::string(text) + " is not an integer for " + name;
        return false;
    }
    if (integerFits(value.type(), value.integer)) return true;
    error = std::string(text) + " is out of range for " + name;
    return false;
}

bool equalsIgnoringCase(std::string_view text, std::string_view word) {
    return std::equal(text.begin(), text.end(), word.begin(), word.end(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

bool parseBoolValue(std::string_view text, PropertyValue& value, std::string& error) {
    if (equalsIgnoringCase(text, "true") || text == "1") value.integer = 1;
    else if (equalsIgnoringCase(text, "false") || text == "0") value.integer = 0;
    else {
        error = std::string(text) + " is not a BOOL (true, false, 1 or 0; any case)";
        return false;
    }
    return true;
}

bool parseRealValue(std::string_view text, PropertyValue& value, std::string& error) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value.real);
    if (ec == std::errc() && end == text.data() + text.size() && !text.empty()) return true;
    error = std::string(text) + " is not a number for R8";
    return false;
}

}  // namespace

std::string escapedText(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (c == '\t') out += "\\t";
        else if (static_cast<unsigned char>(c) < 0x20) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02x", static_cast<unsigned>(c));
            out += code;
        } else out += c;
    }
    return out;
}

const char* typeName(WORD type) {
    switch (type) {
    case CEVT_I2: return "I2";
    case CEVT_I4: return "I4";
    case CEVT_R8: return "R8";
    case CEVT_BOOL: return "BOOL";
    case CEVT_UI2: return "UI2";
    case CEVT_UI4: return "UI4";
    case CEVT_LPWSTR: return "LPWSTR";
    case CEVT_FILETIME: return "FILETIME";
    case CEVT_BLOB: return "BLOB";
    default: return nullptr;
    }
}

bool integerFits(WORD type, std::int64_t value) {
    switch (type) {
    case CEVT_I2: return value >= -32768 && value <= 32767;
    case CEVT_UI2: return value >= 0 && value <= 0xFFFF;
    case CEVT_I4: return value >= INT32_MIN && value <= INT32_MAX;
    case CEVT_UI4: return value >= 0 && value <= 0xFFFFFFFFll;
    case CEVT_BOOL: return value == 0 || value == 1;
    default: return false;
    }
}

std::string hexWord(DWORD value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08x", value);
    return text;
}

std::string hexNumber(DWORD value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", value);
    return text;
}

std::optional<DWORD> parseWord(std::string_view text) {
    DWORD value = 0;
    if (!parseInteger(text, value)) return std::nullopt;
    return value;
}

std::optional<std::string> fileTimeText(std::uint64_t ticks, char separator) {
    if (ticks >= c_textTicksEnd) return std::nullopt;
    std::uint64_t seconds = ticks / c_ticksPerSecond;
    auto fraction = static_cast<unsigned>(ticks % c_ticksPerSecond);
    auto days = static_cast<std::int64_t>(seconds / c_secondsPerDay);
    auto second = static_cast<unsigned>(seconds % c_secondsPerDay);
    CivilDate date = civilFromDays(days - c_daysFrom1601To1970);
    char text[40];
    int length = std::snprintf(text, sizeof text, "%04d-%02u-%02u%c%02u:%02u:%02u", static_cast<int>(date.year),
                               date.month, date.day, separator, second / 3600, second / 60 % 60, second % 60);
    if (fraction) {
        length += std::snprintf(text + length, sizeof text - static_cast<size_t>(length), ".%07u", fraction);
        while (text[length - 1] == '0') text[--length] = '\0';
    }
    return std::string(text, static_cast<size_t>(length));
}

std::optional<std::uint64_t> parseFileTime(std::string_view text) {
    unsigned year, month, day, hour, minute, second;
    bool shaped = text.size() >= 19 && text[4] == '-' && text[7] == '-' && (text[10] == 'T' || text[10] == ' ') &&
                  text[13] == ':' && text[16] == ':';
    if (!shaped || !digitsAt(text, 0, 4, year) || !digitsAt(text, 5, 2, month) || !digitsAt(text, 8, 2, day) ||
        !digitsAt(text, 11, 2, hour) || !digitsAt(text, 14, 2, minute) || !digitsAt(text, 17, 2, second))
        return std::nullopt;
    if (year < 1601 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month) || hour > 23 ||
        minute > 59 || second > 59)
        return std::nullopt;
    auto fraction = parseFraction(text.substr(19));
    if (!fraction) return std::nullopt;
    std::uint64_t ticks = ticksOfDay(daysFromCivil(year, month, day));
    return ticks + (hour * 3600ull + minute * 60ull + second) * c_ticksPerSecond + *fraction;
}

std::string blobText(const std::vector<BYTE>& bytes) {
    static const char c_digits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (BYTE b : bytes) {
        text += c_digits[b >> 4];
        text += c_digits[b & 15];
    }
    return text;
}

std::optional<std::vector<BYTE>> parseBlob(std::string_view text) {
    if (text.size() % 2) return std::nullopt;
    std::vector<BYTE> bytes(text.size() / 2);
    for (size_t i = 0; i < bytes.size(); ++i) {
        auto [end, ec] = std::from_chars(text.data() + 2 * i, text.data() + 2 * i + 2, bytes[i], 16);
        if (ec != std::errc() || end != text.data() + 2 * i + 2) return std::nullopt;
    }
    return bytes;
}

std::string realText(double value) {
    char text[64];
    auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string valueText(const PropertyValue& value) {
    switch (value.type()) {
    case CEVT_BOOL: return value.integer ? "true" : "false";
    case CEVT_R8: return realText(value.real);
    case CEVT_FILETIME: return fileTimeText(value.ticks, ' ').value_or(std::to_string(value.ticks));
    case CEVT_LPWSTR: return escapedText(ce::toUtf8(value.text));
    case CEVT_BLOB: return blobText(value.bytes);
    default: return std::to_string(value.integer);
    }
}

bool parseValueText(std::string_view text, PropertyValue& value, std::string& error) {
    switch (value.type()) {
    case CEVT_I2:
    case CEVT_I4:
    case CEVT_UI2:
    case CEVT_UI4: return parseIntegerValue(text, value, error);
    case CEVT_BOOL: return parseBoolValue(text, value, error);
    case CEVT_R8: return parseRealValue(text, value, error);
    case CEVT_LPWSTR: value.text = ce::fromUtf8(text); return true;
    case CEVT_FILETIME:
        if (auto ticks = parseFileTime(text)) value.ticks = *ticks;
        else if (!parseInteger(text, value.ticks)) {
            error = std::string(text) + " is not a FILETIME (" + c_fileTimeForms + ")";
            return false;
        }
        return true;
    case CEVT_BLOB:
        if (auto bytes = parseBlob(text)) {
            value.bytes = std::move(*bytes);
            return true;
        }
        error = std::string(text) + " is not a BLOB (hex digits, two a byte)";
        return false;
    default: error = "unknown type " + hexNumber(value.type()); return false;
    }
}

}  // namespace cedb
