// ListItem: the slot array lives in HEAP_ITEMS and is sized by the template's field count.
#include "records/ListItem.h"

#include "core/HeapCtrl.h"
#include "records/Template.h"

namespace Nevo {

ListItem::ListItem(Template* shape) : m_template(shape) {}

ListItem::~ListItem() {
    if (m_template) m_template->freeItem(this);
}

void* ListItem::getDataField(int index) const {
    return m_data ? m_data[index] : nullptr;
}

void ListItem::setDataField(int index, void* value) {
    if (!m_data) {
        const int slots = m_template ? m_template->fieldCount() : 0;
        // The heap hands out zeroed blocks.
        m_data = static_cast<void**>(HeapCtrl::get(HEAP_ITEMS).alloc(slots * static_cast<int>(sizeof(void*))));
    }
    m_data[index] = value;
}

void* ListItem::getItemData(DWORD tag) const {
    return m_template->getItemData(this, tag);
}

void ListItem::setItemData(DWORD tag, const void* value) {
    m_template->setItemData(this, tag, value);
}

}  // namespace Nevo
