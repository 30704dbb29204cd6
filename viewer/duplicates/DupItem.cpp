#include "duplicates/DupItem.h"

#include "core/FixedFormat.h"

namespace Orvane {

namespace {

constexpr COLORREF c_taggedText = RGB(255, 0, 0);

}  // namespace

DupItem::DupItem(Nevo::Template* shape, const CEPROPVAL* value, CEOID record)
    : PropItem(shape, value, 0), m_tagged(0), m_record(record) {
    m_value.keep(DupValue::of(*value));
}

DupItem::~DupItem() = default;

int DupItem::getLine1Text(LPWSTR buffer, int capacity) {
    return Nevo::printFixed(buffer, capacity, u"%s", getValueText());
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
