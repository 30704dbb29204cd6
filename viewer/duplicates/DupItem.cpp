#include "duplicates/DupItem.h"

#include <cstring>

#include "core/FixedFormat.h"
#include "core/HeapCtrl.h"

namespace Orvane {

namespace {

constexpr COLORREF c_taggedText = RGB(255, 0, 0);

}  // namespace

DupItem::DupItem(Nevo::Template* shape, const CEPROPVAL* value, CEOID record)
    : PropItem(shape, value, 0),
      m_firstWord(static_cast<DWORD>(value->val.lVal)),
      m_tagged(0),
      m_record(record),
      m_value(nullptr),
      m_valueSize(0) {
    copyValue(value);
}

DupItem::~DupItem() {
    if (m_value) Nevo::HeapCtrl::get(Nevo::HEAP_ITEMS).free(m_value);
}

void DupItem::copyValue(const CEPROPVAL* value) {
    const void* bytes = nullptr;
    DWORD size = 0;
    switch (TypeFromPropID(value->propid)) {
    case CEVT_LPWSTR:
        bytes = value->val.lpwstr;
        size = bytes ? static_cast<DWORD>(wcslen(value->val.lpwstr) * sizeof(WCHAR)) : 0;
        break;
    case CEVT_R8:
    case CEVT_FILETIME:
        bytes = &value->val;
        size = 8;
        break;
    case CEVT_BLOB:
        bytes = value->val.blob.lpb;
        size = bytes ? value->val.blob.dwCount : 0;
        break;
    default: return;
    }
    m_valueSize = size;
    if (!size) return;
    m_value = static_cast<BYTE*>(Nevo::HeapCtrl::get(Nevo::HEAP_ITEMS).alloc(static_cast<int>(size)));
    if (m_value) std::memcpy(m_value, bytes, size);
}

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
