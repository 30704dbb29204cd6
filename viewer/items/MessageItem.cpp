#include "items/MessageItem.h"

#include "core/FixedFormat.h"
#include "core/HeapCtrl.h"

namespace Orvane {

namespace {

WCHAR* copyLine(const WCHAR* line) {
    return Nevo::xwcsdup(Nevo::HEAP_ITEMS, line ? line : u"", -1);
}

}  // namespace

MessageItem::MessageItem(Nevo::Template* shape, const WCHAR* line1, const WCHAR* line2)
    : TextItem(shape), m_line1(copyLine(line1)), m_line2(copyLine(line2)) {}

MessageItem::~MessageItem() {
    Nevo::HeapCtrl::get(Nevo::HEAP_ITEMS).free(m_line1);
    Nevo::HeapCtrl::get(Nevo::HEAP_ITEMS).free(m_line2);
}

int MessageItem::getLine1Text(LPWSTR buffer, int capacity) {
    return Nevo::printFixed(buffer, capacity, u"%s", m_line1);
}

int MessageItem::getLine2Text(LPWSTR buffer, int capacity) {
    return Nevo::printFixed(buffer, capacity, u"%s", m_line2);
}

}  // namespace Orvane
