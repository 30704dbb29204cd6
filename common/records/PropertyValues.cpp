// Conversions between item slots and property values, checked against the propid's type.
#include "records/PropertyValues.h"

#include <cstdint>
#include <cstring>

namespace Nevo {

namespace {

bool isNumberType(WORD type) {
    return type == CEVT_I2 || type == CEVT_UI2 || type == CEVT_I4 || type == CEVT_UI4 || type == CEVT_BOOL;
}

DWORD numberOf(const void* value) {
    return static_cast<DWORD>(reinterpret_cast<uintptr_t>(value));
}

// Only the 32-bit word the slot holds is written: I2 and UI2 read their low half of it.
void setNumber(CEPROPVAL* property, DWORD number) {
    property->val.ulVal = number;
}

}  // namespace

const void* propertyToSlot(TemplateField::Type type, const CEPROPVAL& property) {
    WORD code = TypeFromPropID(property.propid);
    bool missing = (property.wFlags & CEDB_PROPNOTFOUND) != 0;
    switch (type) {
    case TemplateField::String:
        return missing || code != CEVT_LPWSTR ? nullptr : property.val.lpwstr;
    case TemplateField::FileTime:
        return missing || code != CEVT_FILETIME ? nullptr : &property.val.filetime;
    default:
        if (missing || !isNumberType(code)) return nullptr;
        return reinterpret_cast<const void*>(static_cast<uintptr_t>(property.val.ulVal));
    }
}

bool slotToProperty(TemplateField::Type type, CEPROPID propid, const void* slot, CEPROPVAL* property) {
    *property = CEPROPVAL{};
    property->propid = propid;
    WORD code = TypeFromPropID(propid);
    switch (type) {
    case TemplateField::String:
        if (!slot || code != CEVT_LPWSTR) return false;
        property->val.lpwstr = const_cast<LPWSTR>(static_cast<const WCHAR*>(slot));
        return true;
    case TemplateField::FileTime:
        if (!slot || code != CEVT_FILETIME) return false;
        std::memcpy(&property->val.filetime, slot, sizeof(FILETIME));
        return true;
    default:
        if (!isNumberType(code)) return false;
        setNumber(property, numberOf(slot));
        return true;
    }
}

bool keyToProperty(CEPROPID propid, const void* key, CEPROPVAL* property) {
    *property = CEPROPVAL{};
    property->propid = propid;
    switch (TypeFromPropID(propid)) {
    case CEVT_LPWSTR:
        property->val.lpwstr = const_cast<LPWSTR>(key ? static_cast<const WCHAR*>(key) : u"");
        return true;
    case CEVT_FILETIME:
        if (!key) return false;
        std::memcpy(&property->val.filetime, key, sizeof(FILETIME));
        return true;
    case CEVT_BLOB:
        return false;
    default:
        setNumber(property, numberOf(key));
        return true;
    }
}

}  // namespace Nevo
