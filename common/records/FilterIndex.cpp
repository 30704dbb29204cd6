// FilterIndex: the range of positions between two bounds in one sort order, found by the
// platform's greater and smaller seeks (both include an equal value) and found again after
// any change, so it always holds exactly the records within the bounds.
#include "records/FilterIndex.h"

#include <cwchar>

#include "core/Debug.h"
#include "core/HeapCtrl.h"
#include "records/MultiIndexListModel.h"
#include "records/PropertyValues.h"

namespace Nevo {

namespace {

constexpr UINT c_noRange = static_cast<UINT>(-1);

}  // namespace

FilterIndex::FilterIndex(CEOID oid, CEPROPID propid, const CEGUID* volume, MultiIndexListModel* owner)
    : m_propid(propid), m_owner(owner), m_db(oid, volume) {}

FilterIndex::~FilterIndex() {
    m_db.close();
    freeBound(&m_from);
    freeBound(&m_to);
}

void FilterIndex::setBound(CEPROPVAL* bound, const void* key) {
    freeBound(bound);
    if (!keyToProperty(m_propid, key, bound)) {
        // Nothing to seek with (a null file time): the bound matches no record.
        bound->wFlags = CEDB_PROPNOTFOUND;
        return;
    }
    if (TypeFromPropID(m_propid) == CEVT_LPWSTR) {
        const WCHAR* text = bound->val.lpwstr;
        bound->val.lpwstr = xwcsdup(HEAP_ITEMS, text, static_cast<int>(std::char_traits<WCHAR>::length(text)));
    }
}

void FilterIndex::freeBound(CEPROPVAL* bound) {
    if (TypeFromPropID(bound->propid) == CEVT_LPWSTR && bound->val.lpwstr)
        HeapCtrl::get(HEAP_ITEMS).free(bound->val.lpwstr);
    *bound = CEPROPVAL{};
}

bool FilterIndex::filter(const void* from, const void* to) {
    setBound(&m_from, from);
    setBound(&m_to, to);
    m_bounded = true;
    return applyBounds();
}

bool FilterIndex::applyBounds() {
    if (!m_db.isOpen()) m_db.open(nullptr, m_propid, this);
    if (!m_db.isOpen()) {
        Debug::reportError(u"Can't open database for filtering");
        return false;
    }
    m_rangeStart = m_rangeEnd = 0;
    bool usable = !(m_from.wFlags & CEDB_PROPNOTFOUND) && !(m_to.wFlags & CEDB_PROPNOTFOUND);
    if (!usable || !m_db.seekValue(CEDB_SEEK_VALUEGREATER, &m_from)) return true;
    UINT start = m_db.getCurrentIndex();
    // No value at or below `to`: every value lies above it, so none is within the bounds.
    if (!m_db.seekValue(CEDB_SEEK_VALUESMALLER, &m_to)) return true;
    UINT last = m_db.getCurrentIndex();
    if (last < start) return true;
    m_rangeStart = start;
    m_rangeEnd = last + 1;
    return true;
}

UINT FilterIndex::rangeSize() const {
    return m_rangeStart == c_noRange ? 0 : m_rangeEnd - m_rangeStart;
}

CEOID FilterIndex::at(UINT position) {
    if (position >= rangeSize()) return 0;
    return m_db.seekToIndex(m_rangeStart + position);
}

// Counting a created or deleted record in or out of the range needs its place, which a deleted
// record no longer has; seeking the bounds again is exact whatever the change was. The views
// are told after every change, even when the range's ends did not move: the store may have
// followed later changes by now (one record in, another out), and the model's own notices
// name places in the whole order, not rows of the filtered list.
int FilterIndex::handleDbNotification(CENOTIFICATION* notification) {
    if (!m_bounded) return 0;
    switch (notification->uType) {
    case DB_CEOID_CREATED:
    case DB_CEOID_RECORD_DELETED:
    case DB_CEOID_CHANGED:
        applyBounds();
        if (m_owner) m_owner->rangeChanged();
        break;
    default: break;
    }
    return 0;
}

}  // namespace Nevo
