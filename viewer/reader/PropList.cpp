#include "reader/PropList.h"

#include "core/HeapCtrl.h"
#include "db/CeDatabase.h"
#include "duplicates/DupList.h"
#include "items/MessageItem.h"
#include "reader/PropItem.h"

namespace Orvane {

PropList::PropList(Nevo::CeDatabase* database)
    : m_database(database), m_sortKeys(nullptr), m_sortKeyCount(0), m_noRecord(0), m_shownOid(0) {
    PropItem::addFields(getTemplate());
    refresh();
}

PropList::~PropList() {
    delete m_database;
    releaseSortKeys();
}

void PropList::releaseSortKeys() {
    if (m_sortKeys) Nevo::HeapCtrl::get(Nevo::HEAP_ITEMS).free(m_sortKeys);
    m_sortKeys = nullptr;
    m_sortKeyCount = 0;
}

void PropList::loadSortKeys() {
    releaseSortKeys();
    CEOIDINFO info{};
    if (!CeOidGetInfoEx(m_database->getGuid(), m_database->getOid(), &info)) return;
    WORD count = info.infDatabase.wNumSortOrder;
    if (count > CEDB_MAXSORTORDER) count = CEDB_MAXSORTORDER;
    if (!count) return;
    m_sortKeys = static_cast<CEPROPID*>(
        Nevo::HeapCtrl::get(Nevo::HEAP_ITEMS).alloc(static_cast<int>(count * sizeof(CEPROPID))));
    if (!m_sortKeys) return;
    for (WORD i = 0; i < count; ++i) m_sortKeys[i] = info.infDatabase.rgSortSpecs[i].propid;
    m_sortKeyCount = count;
}

// Whole 32-bit ids: the same id with another type is not the key.
int PropList::isSortKey(CEPROPID propid) const {
    for (WORD i = 0; i < m_sortKeyCount; ++i)
        if (m_sortKeys[i] == propid) return 1;
    return 0;
}

void PropList::refresh() {
    loadSortKeys();
    clear();
    WORD count = 0;
    CEPROPVAL* values = m_database->read(&count, &m_shownOid, nullptr);
    if (!values) {
        addItem(new MessageItem(getTemplate(), u"No record", nullptr));
        m_noRecord = 1;
        return;
    }
    for (WORD i = 0; i < count; ++i) addItem(new PropItem(getTemplate(), &values[i], isSortKey(values[i].propid)));
    m_noRecord = 0;
}

CEOID PropList::moveFirst() {
    CEOID moved = m_database->seekToIndex(0);
    if (moved) refresh();
    return moved;
}

CEOID PropList::moveLast() {
    CEOID moved = m_database->seek(CEDB_SEEK_END, 0, nullptr);
    if (moved) refresh();
    return moved;
}

int PropList::moveNext() {
    if (!m_database->seekNext()) return 0;
    refresh();
    return 1;
}

int PropList::movePrevious() {
    if (!m_database->seek(CEDB_SEEK_CURRENT, static_cast<DWORD>(-1), nullptr)) return 0;
    refresh();
    return 1;
}

void PropList::reopen(UINT sortIndex) {
    m_database->close();
    m_database->open(nullptr, getSortKey(sortIndex), nullptr);
    refresh();
}

DupList* PropList::checkDuplicates(UINT index) {
    // "No record" is no property.
    PropItem* item = index < size() ? dynamic_cast<PropItem*>(at(index)) : nullptr;
    if (!item) return nullptr;
    CEPROPID propid = item->getPropid();
    m_database->close();
    auto* found = new DupList(m_database, propid);
    reopen(0);
    if (found->size() == 0) {
        delete found;
        return nullptr;
    }
    return found;
}

void PropList::measureItem(HDC dc, UINT* width, UINT* height) {
    ListModel::measureItem(dc, width, height);
    *height *= 2;
}

}  // namespace Orvane
