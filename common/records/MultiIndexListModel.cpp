// MultiIndexListModel: filtered positions map through the indices' ranges to records, whose
// items are built and cached under the model's own order.
#include "records/MultiIndexListModel.h"

#include "core/Sequence.h"
#include "records/FilterIndex.h"

namespace Nevo {

MultiIndexListModel::MultiIndexListModel(const WCHAR* name, CEPROPID sortPropid)
    : CeDbListModel(name, sortPropid), m_indices(Sequence::makeSequence()) {
    addIndex(sortPropid);
}

MultiIndexListModel::~MultiIndexListModel() {
    while (!m_indices->isEmpty()) delete static_cast<FilterIndex*>(m_indices->pop());
    m_indices->free();
}

void MultiIndexListModel::addIndex(CEPROPID propid) {
    for (Position* p = m_indices->first(); p; p = m_indices->after(p)) {
        if (static_cast<FilterIndex*>(p->element())->getPropid() == propid) return;
    }
    CeDatabase* db = getDatabase();
    m_indices->insertLast(new FilterIndex(db->getOid(), propid, db->getGuid(), this));
}

void MultiIndexListModel::filter(const void* from, const void* to) {
    m_filtered = true;
    for (Position* p = m_indices->first(); p; p = m_indices->after(p))
        static_cast<FilterIndex*>(p->element())->filter(from, to);
    notify(NotifyListChanged, reinterpret_cast<WPARAM>(this), 0);
}

void MultiIndexListModel::clearFilter() {
    m_filtered = false;
}

void MultiIndexListModel::rangeChanged() {
    if (m_filtered) notify(NotifyListChanged, reinterpret_cast<WPARAM>(this), 0);
}

UINT MultiIndexListModel::size() const {
    if (!m_filtered) return CeDbListModel::size();
    UINT total = 0;
    for (Position* p = m_indices->first(); p; p = m_indices->after(p))
        total += static_cast<FilterIndex*>(p->element())->rangeSize();
    return total;
}

ListItem* MultiIndexListModel::at(UINT index) {
    if (!m_filtered) return CeDbListModel::at(index);
    CEOID oid = 0;
    UINT position = index;
    for (Position* p = m_indices->first(); p; p = m_indices->after(p)) {
        auto* range = static_cast<FilterIndex*>(p->element());
        if (position < range->rangeSize()) {
            oid = range->at(position);
            break;
        }
        position -= range->rangeSize();
    }
    if (!oid || !getDatabase()->seekToOid(oid)) return nullptr;
    return CeDbListModel::at(getDatabase()->getCurrentIndex());
}

}  // namespace Nevo
