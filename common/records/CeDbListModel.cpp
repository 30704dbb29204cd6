// CeDbListModel: items read on demand and cached by index, records written and deleted
// through the model, and the other handles' changes followed without a refresh.
#include "records/CeDbListModel.h"

#include "core/Debug.h"
#include "core/HeapCtrl.h"
#include "core/Sequence.h"
#include "records/CeDbListItem.h"
#include "records/ListCacheManager.h"
#include "records/PropertyValues.h"

namespace Nevo {

namespace {

// Property arrays live only for one call.
template <typename T>
T* takeArray(int count) {
    return static_cast<T*>(HeapCtrl::get(HEAP_DATABASE).alloc(static_cast<int>(sizeof(T)) * (count > 0 ? count : 1)));
}

void giveBack(void* block) {
    HeapCtrl::get(HEAP_DATABASE).free(block);
}

bool holdsRecord(const ListItem* item, const void* oid) {
    const auto* record = dynamic_cast<const CeDbListItem*>(item);
    return record && record->get_oid() == *static_cast<const CEOID*>(oid);
}

WPARAM indexParam(UINT index) {
    return static_cast<WPARAM>(index);
}

}  // namespace

CeDbListModel::CeDbListModel() = default;

CeDbListModel::CeDbListModel(const WCHAR* name, CEPROPID sortPropid) {
    init(name, sortPropid);
}

CeDbListModel::~CeDbListModel() {
    m_db.close();
}

void CeDbListModel::init(const WCHAR* name, CEPROPID sortPropid) {
    ListModel::sort(sortPropid, getSortOptions());
    m_db.open(name, sortPropid, this);
}

void CeDbListModel::reopen() {
    sort(getSortTag(), 0);
}

UINT CeDbListModel::size() const {
    return m_db.getNumRecords();
}

ListItem* CeDbListModel::at(UINT index) {
    makeCache();
    if (ListItem* cached = getCache()->retrieveItem(index)) return cached;
    if (!m_db.seekToIndex(index)) return nullptr;
    ListItem* item = loadItem();
    if (item) getCache()->cacheItem(index, item);
    return item;
}

ListItem* CeDbListModel::getByOid(CEOID oid) {
    if (!m_db.seekToOid(oid)) return nullptr;
    return at(m_db.getCurrentIndex());
}

ListItem* CeDbListModel::loadItem() {
    Template* shape = getTemplate();
    int fields = shape->fieldCount();
    if (fields > 0xFFFF) return nullptr;
    auto* propids = takeArray<CEPROPID>(fields);
    int i = 0;
    for (Position* p = shape->getFields()->first(); p && i < fields; p = shape->getFields()->after(p), ++i)
        propids[i] = static_cast<TemplateField*>(p->element())->getTag();
    auto count = static_cast<WORD>(fields);
    CEOID oid = 0;
    CEPROPVAL* values = m_db.read(&count, &oid, propids);
    giveBack(propids);
    if (!values) return nullptr;
    CeDbListItem* item = createItem();
    if (!item) return nullptr;
    item->set_oid(oid);
    i = 0;
    for (Position* p = shape->getFields()->first(); p && i < fields; p = shape->getFields()->after(p), ++i) {
        const auto* field = static_cast<TemplateField*>(p->element());
        // A short answer leaves the remaining fields empty, as a missing property would.
        CEPROPVAL missing{field->getTag(), 0, CEDB_PROPNOTFOUND, {}};
        field->setItemField(item, i, propertyToSlot(field->getType(), i < count ? values[i] : missing));
    }
    m_db.seekNext();
    return item;
}

UINT CeDbListModel::addItem(ListItem* item) {
    Template* shape = getTemplate();
    int fields = shape->fieldCount();
    auto* props = takeArray<CEPROPVAL>(fields);
    WORD count = 0;
    int i = 0;
    for (Position* p = shape->getFields()->first(); p && i < fields && count < 0xFFFF;
         p = shape->getFields()->after(p), ++i) {
        const auto* field = static_cast<TemplateField*>(p->element());
        if (slotToProperty(field->getType(), field->getTag(), item->getDataField(i), &props[count])) ++count;
    }
    CEOID oid = m_db.write(0, count, props);
    giveBack(props);
    if (!oid) {
        delete item;
        return c_noIndex;
    }
    if (auto* record = dynamic_cast<CeDbListItem*>(item)) record->set_oid(oid);
    if (!m_db.seekToOid(oid)) {
        // Written but gone again at once: nothing to show.
        delete item;
        return c_noIndex;
    }
    UINT index = m_db.getCurrentIndex();
    placeItem(index, item);
    return index;
}

// The cache is placed again first: changes whose notices are still queued may have moved
// records since the items were read.
void CeDbListModel::placeItem(UINT index, ListItem* item) {
    placeCachedItems();
    makeCache();
    getCache()->cacheItem(index, item);
    ListModel::insertItem(index, item);
}

void CeDbListModel::insertItem(UINT, ListItem* item) {
    delete item;
}

void CeDbListModel::removeItem(UINT index) {
    CEOID oid = 0;
    ListItem* cached = getCache() ? getCache()->retrieveItem(index) : nullptr;
    if (auto* record = dynamic_cast<CeDbListItem*>(cached)) oid = record->get_oid();
    if (!oid) oid = m_db.seekToIndex(index);
    if (!oid || !m_db.deleteRecord(oid)) return;
    placeCachedItems();
    ListModel::removeItem(index);
}

UINT CeDbListModel::findItem(DWORD tag, const void* key, DWORD options) {
    if (getTemplate()->indexOf(tag) < 0) return c_noIndex;
    if (tag != getSortTag()) sort(tag, 0);
    CEPROPVAL probe;
    if (!keyToProperty(tag, key, &probe)) return c_noIndex;
    DWORD seekType = (options & Prefix) ? CEDB_SEEK_VALUEGREATER : CEDB_SEEK_VALUEFIRSTEQUAL;
    return m_db.seekValue(seekType, &probe) ? m_db.getCurrentIndex() : c_noIndex;
}

void CeDbListModel::sort(DWORD tag, DWORD options) {
    ListModel::sort(tag, options);
    killCache();
    m_db.close();
    m_db.open(nullptr, tag, this);
    notify(NotifyListChanged, reinterpret_cast<WPARAM>(this), 0);
}

void CeDbListModel::killCache() {
    CachedListModel::killCache();
    m_db.releaseCache();
}

int CeDbListModel::handleDbNotification(CENOTIFICATION* notification) {
    switch (notification->uType) {
    case DB_CEOID_CREATED: recordCreated(notification->oid); break;
    case DB_CEOID_RECORD_DELETED: recordDeleted(notification->oid); break;
    case DB_CEOID_CHANGED: recordChanged(notification->oid); break;
    default: break;
    }
    return 1;
}

// The record may be gone again by now (its deletion is still queued): then nothing is added.
void CeDbListModel::recordCreated(CEOID oid) {
    if (!m_db.seekToOid(oid)) {
        Debug::trace(0, u"Can't seek to newly created item!");
        return;
    }
    UINT index = m_db.getCurrentIndex();
    ListItem* item = loadItem();
    if (item) placeItem(index, item);
}

void CeDbListModel::recordDeleted(CEOID oid) {
    UINT index = cachedIndexOf(oid);
    placeCachedItems();
    if (index != c_noIndex) notify(NotifyItemRemoved, indexParam(index), 0);
    else notify(NotifyListChanged, reinterpret_cast<WPARAM>(this), 0);
}

// A changed record can move in the order, shifting every record between its two places.
void CeDbListModel::recordChanged(CEOID oid) {
    UINT old = cachedIndexOf(oid);
    if (!m_db.seekToOid(oid)) {
        Debug::trace(0, u"Can't seek to changed item!");
        return;
    }
    UINT now = m_db.getCurrentIndex();
    placeCachedItems();
    decache(now);
    if (old != c_noIndex && old == now) notify(NotifyItemChanged, indexParam(old), 0);
    else notify(NotifyListChanged, reinterpret_cast<WPARAM>(this), 0);
}

UINT CeDbListModel::cachedIndexOf(CEOID oid) const {
    return getCache() ? getCache()->findIndex(holdsRecord, &oid) : c_noIndex;
}

void CeDbListModel::placeCachedItems() {
    if (getCache()) getCache()->replaceAll(placeOf, this);
}

UINT CeDbListModel::placeOf(const ListItem* item, void* context) {
    auto* model = static_cast<CeDbListModel*>(context);
    const auto* record = dynamic_cast<const CeDbListItem*>(item);
    if (!record || !record->get_oid() || !model->m_db.seekToOid(record->get_oid())) return c_noIndex;
    return model->m_db.getCurrentIndex();
}

}  // namespace Nevo
