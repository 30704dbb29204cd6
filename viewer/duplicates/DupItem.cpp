#include "duplicates/DupItem.h"

#include <algorithm>
#include <cstring>

#include "core/FixedFormat.h"
#include "reader/PropertyText.h"

namespace Orvane {

namespace {

constexpr COLORREF c_taggedText = RGB(255, 0, 0);

}  // namespace

// A search makes an item for every repeat and the user sees a screenful: the value is
// formatted when the item is drawn, from the copy it keeps, not when it is made.
DupItem::DupItem(Nevo::Template* shape, const CEPROPVAL* value, CEOID record)
    : PropItem(shape, nullptr, 0), m_tagged(0), m_record(record), m_propid(value->propid) {
    m_value.keep(DupValue::of(*value));
}

DupItem::~DupItem() = default;

// The kept value as the store returns it, shown text cut where the shown text stops anyway.
CEPROPVAL DupItem::shownProperty(WCHAR (&text)[c_valueCapacity]) const {
    const DupValue& kept = value();
    CEPROPVAL property{};
    property.propid = m_propid;
    property.val.lVal = static_cast<LONG>(kept.firstWord);
    switch (kept.type) {
    case CEVT_LPWSTR: {
        size_t units = kept.bytes ? std::min<size_t>(kept.size / sizeof(WCHAR), c_valueCapacity - 1) : 0;
        if (units) std::memcpy(text, kept.bytes, units * sizeof(WCHAR));
        text[units] = 0;
        property.val.lpwstr = text;
        break;
    }
    case CEVT_R8:
    case CEVT_FILETIME:
        if (kept.bytes) std::memcpy(&property.val, kept.bytes, 8);
        break;
    case CEVT_BLOB:
        property.val.blob.dwCount = kept.bytes ? kept.size : 0;
        property.val.blob.lpb = const_cast<BYTE*>(kept.bytes);
        break;
    default: break;
    }
    return property;
}

int DupItem::getLine1Text(LPWSTR buffer, int capacity) {
    WCHAR room[c_valueCapacity];
    WCHAR text[c_valueCapacity];
    formatValue(shownProperty(room), text, c_valueCapacity);
    return Nevo::printFixed(buffer, capacity, u"%s", text);
}

int DupItem::getLine2Text(LPWSTR buffer, int capacity) {
    if (capacity > 0) buffer[0] = 0;
    return 0;
}

int DupItem::beginDraw(Nevo::Theme* theme, const DRAWITEMSTRUCT* item) {
    int saved = PropItem::beginDraw(theme, item);
    if (m_tagged) SetTextColor(item->hDC, c_taggedText);
    return saved;
}

}  // namespace Orvane
