#include "reader/PropertyText.h"

#include "core/FixedFormat.h"

namespace Orvane {

// Rather than a date made of whatever a failed conversion left behind.
int formatFileTime(const FILETIME& time, WCHAR* buffer, int capacity) {
    SYSTEMTIME fields{};
    if (!FileTimeToSystemTime(&time, &fields))
        return Nevo::printFixed(buffer, capacity, u"0x%08lX%08lX", static_cast<LONG>(time.dwHighDateTime),
                      static_cast<LONG>(time.dwLowDateTime));
    return Nevo::printFixed(buffer, capacity, u"%d-%d-%d %d:%d:%d", fields.wYear, fields.wMonth, fields.wDay, fields.wHour,
                  fields.wMinute, fields.wSecond);
}

const WCHAR* typeName(WORD typeCode) {
    switch (typeCode) {
    case CEVT_I2: return u"I2";
    case CEVT_I4: return u"I4";
    case CEVT_R8: return u"R8";
    case CEVT_BOOL: return u"BOOL";
    case CEVT_UI2: return u"UI2";
    case CEVT_UI4: return u"UI4";
    case CEVT_LPWSTR: return u"LPWSTR";
    case CEVT_FILETIME: return u"FILETIME";
    case CEVT_BLOB: return u"BLOB";
    default: return u"Unknown";
    }
}

int hexBytes(DWORD count, const BYTE* bytes, WCHAR* buffer, int capacity) {
    if (capacity <= 0) return 0;
    static const char16_t c_digits[] = u"0123456789ABCDEF";
    int shown = static_cast<LONG>(count) < 0 ? 0 : static_cast<int>(count);
    if (shown > capacity / 2 - 1) shown = capacity / 2 - 1;
    if (!bytes || shown < 0) shown = 0;
    for (int i = 0; i < shown; ++i) {
        buffer[2 * i] = c_digits[bytes[i] >> 4];
        buffer[2 * i + 1] = c_digits[bytes[i] & 0xF];
    }
    buffer[2 * shown] = 0;
    return 2 * shown;
}

int formatValue(const CEPROPVAL& value, WCHAR* buffer, int capacity) {
    // The first 32 bits of the value, whatever the type.
    LONG word = value.val.lVal;
    switch (TypeFromPropID(value.propid)) {
    case CEVT_I4: return Nevo::printFixed(buffer, capacity, u"%ld", word);
    case CEVT_BOOL: return Nevo::printFixed(buffer, capacity, u"%s", word ? u"TRUE" : u"FALSE");
    case CEVT_LPWSTR: return Nevo::printFixed(buffer, capacity, u"%s", value.val.lpwstr ? value.val.lpwstr : u"");
    case CEVT_FILETIME: return formatFileTime(value.val.filetime, buffer, capacity);
    case CEVT_BLOB: return hexBytes(value.val.blob.dwCount, value.val.blob.lpb, buffer, capacity);
    default: return Nevo::printFixed(buffer, capacity, u"0x%lX (%ld)", word, word);
    }
}

}  // namespace Orvane
