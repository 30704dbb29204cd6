#include "RecordItem.h"

#include <cstdint>
#include <cstring>

#include "core/FixedFormat.h"
#include "reader/PropertyText.h"

namespace livelist {

int RecordItem::valueText(CEPROPID propid, LPWSTR buffer, int capacity) const {
    void* slot = getItemData(propid);
    CEPROPVAL value{};
    value.propid = propid;
    switch (TypeFromPropID(propid)) {
    case CEVT_LPWSTR:
        value.val.lpwstr = static_cast<LPWSTR>(slot);
        break;
    case CEVT_FILETIME:
        if (!slot) {  // a record without the property
            buffer[0] = 0;
            return 0;
        }
        std::memcpy(&value.val.filetime, slot, sizeof(FILETIME));
        break;
    default: {
        // Number fields hold the value's first 32 bits, as the list model read them.
        auto word = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(slot));
        std::memcpy(&value.val, &word, sizeof word);
        break;
    }
    }
    return Orvane::formatValue(value, buffer, capacity);
}

int RecordItem::getLine1Text(LPWSTR buffer, int capacity) {
    if (m_shown->empty()) return Nevo::printFixed(buffer, capacity, u"Record 0x%08lX", static_cast<LONG>(get_oid()));
    return valueText(m_shown->front(), buffer, capacity);
}

int RecordItem::getLine2Text(LPWSTR buffer, int capacity) {
    int length = Nevo::printFixed(buffer, capacity, u"Record 0x%08lX", static_cast<LONG>(get_oid()));
    WCHAR value[128];
    for (size_t i = 1; i < m_shown->size() && length < capacity - 1; ++i) {
        valueText((*m_shown)[i], value, 128);
        length += Nevo::printFixed(buffer + length, capacity - length, u", 0x%08lX: %s",
                                   static_cast<LONG>((*m_shown)[i]), value);
    }
    return length;
}

}  // namespace livelist
