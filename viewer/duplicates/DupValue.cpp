#include "duplicates/DupValue.h"

#include <cstring>

#include "core/HeapCtrl.h"

namespace Orvane {

bool DupValue::isByBytes(WORD type) {
    return type == CEVT_LPWSTR || type == CEVT_R8 || type == CEVT_FILETIME || type == CEVT_BLOB;
}

DupValue DupValue::of(const CEPROPVAL& value) {
    DupValue result;
    result.type = TypeFromPropID(value.propid);
    result.firstWord = static_cast<DWORD>(value.val.lVal);
    switch (result.type) {
    case CEVT_LPWSTR:
        result.bytes = reinterpret_cast<const BYTE*>(value.val.lpwstr);
        result.size = value.val.lpwstr ? static_cast<DWORD>(wcslen(value.val.lpwstr) * sizeof(WCHAR)) : 0;
        break;
    case CEVT_R8:
    case CEVT_FILETIME:
        result.bytes = reinterpret_cast<const BYTE*>(&value.val);
        result.size = 8;
        break;
    case CEVT_BLOB:
        result.bytes = value.val.blob.lpb;
        result.size = value.val.blob.lpb ? value.val.blob.dwCount : 0;
        break;
    default: break;
    }
    return result;
}

int DupValue::compare(const DupValue& a, const DupValue& b) {
    if (isByBytes(a.type)) {
        if (a.size != b.size) return a.size < b.size ? -1 : 1;
        if (!a.size) return 0;
        if (!a.whole || !b.whole) return 1;
        return std::memcmp(a.bytes, b.bytes, a.size);
    }
    // The value of an I2 or UI2 is the low half; the rest of the word is not part of it.
    if (a.type == CEVT_I2 || a.type == CEVT_UI2)
        return static_cast<int>(a.firstWord & 0xFFFF) - static_cast<int>(b.firstWord & 0xFFFF);
    return static_cast<int>(a.firstWord - b.firstWord);
}

int32_t DupValue::hashCode(const DupValue& value) {
    if (isByBytes(value.type)) {
        // FNV-1a over the size and the bytes.
        uint32_t code = 2166136261u;
        auto mix = [&code](BYTE byte) { code = (code ^ byte) * 16777619u; };
        for (int shift = 0; shift < 32; shift += 8) mix(static_cast<BYTE>(value.size >> shift));
        if (value.whole)
            for (DWORD i = 0; i < value.size; ++i) mix(value.bytes[i]);
        return static_cast<int32_t>(code);
    }
    if (value.type == CEVT_I2 || value.type == CEVT_UI2) return static_cast<int32_t>(value.firstWord & 0xFFFF);
    return static_cast<int32_t>(value.firstWord);
}

KeptValue::~KeptValue() {
    if (m_room) Nevo::HeapCtrl::get(Nevo::HEAP_ITEMS).free(m_room);
}

void KeptValue::keep(const DupValue& value) {
    m_value = value;
    m_value.bytes = nullptr;
    if (!value.size || !value.whole) return;
    if (!m_room && value.size <= c_inlineBytes) {
        std::memcpy(m_inline, value.bytes, value.size);
        m_value.bytes = m_inline;
        return;
    }
    if (value.size > m_roomSize) {
        Nevo::HeapCtrl& heap = Nevo::HeapCtrl::get(Nevo::HEAP_ITEMS);
        if (m_room) heap.free(m_room);
        m_room = static_cast<BYTE*>(heap.alloc(static_cast<int>(value.size)));
        m_roomSize = m_room ? value.size : 0;
    }
    if (!m_room) {
        m_value.whole = false;
        return;
    }
    std::memcpy(m_room, value.bytes, value.size);
    m_value.bytes = m_room;
}

}  // namespace Orvane
