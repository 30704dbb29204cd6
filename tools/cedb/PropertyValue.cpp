// Conversions between cedb's owned values and the object store's CEPROPVAL.
#include "PropertyValue.h"

namespace cedb {

std::size_t PropertyValue::dataSize() const {
    switch (type()) {
    case CEVT_I2:
    case CEVT_UI2: return 2;
    case CEVT_I4:
    case CEVT_UI4:
    case CEVT_BOOL: return 4;
    case CEVT_R8:
    case CEVT_FILETIME: return 8;
    case CEVT_LPWSTR: return (text.size() + 1) * sizeof(WCHAR);
    case CEVT_BLOB: return bytes.size();
    default: return 0;
    }
}

CEPROPVAL PropertyValue::toPropVal() const {
    CEPROPVAL value{};
    value.propid = propid;
    switch (type()) {
    case CEVT_I2: value.val.iVal = static_cast<SHORT>(integer); break;
    case CEVT_UI2: value.val.uiVal = static_cast<USHORT>(integer); break;
    case CEVT_I4: value.val.lVal = static_cast<LONG>(integer); break;
    case CEVT_UI4: value.val.ulVal = static_cast<ULONG>(integer); break;
    case CEVT_BOOL: value.val.boolVal = integer ? TRUE : FALSE; break;
    case CEVT_R8: value.val.dblVal = real; break;
    case CEVT_FILETIME:
        value.val.filetime = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
        break;
    // The calls take non-const pointers but only read through them.
    case CEVT_LPWSTR: value.val.lpwstr = const_cast<LPWSTR>(text.c_str()); break;
    case CEVT_BLOB:
        value.val.blob = {static_cast<DWORD>(bytes.size()), const_cast<LPBYTE>(bytes.data())};
        break;
    default: break;
    }
    return value;
}

PropertyValue PropertyValue::fromPropVal(const CEPROPVAL& value) {
    PropertyValue result;
    result.propid = value.propid;
    const CEVALUNION& v = value.val;
    switch (result.type()) {
    case CEVT_I2: result.integer = v.iVal; break;
    case CEVT_UI2: result.integer = v.uiVal; break;
    case CEVT_I4: result.integer = v.lVal; break;
    case CEVT_UI4: result.integer = v.ulVal; break;
    case CEVT_BOOL: result.integer = v.boolVal ? 1 : 0; break;
    case CEVT_R8: result.real = v.dblVal; break;
    case CEVT_FILETIME:
        result.ticks = (std::uint64_t{v.filetime.dwHighDateTime} << 32) | v.filetime.dwLowDateTime;
        break;
    case CEVT_LPWSTR:
        if (v.lpwstr) result.text = v.lpwstr;
        break;
    case CEVT_BLOB:
        if (v.blob.lpb) result.bytes.assign(v.blob.lpb, v.blob.lpb + v.blob.dwCount);
        break;
    default: break;
    }
    return result;
}

}  // namespace cedb
