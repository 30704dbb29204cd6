// One sort property of a MultiIndexListModel: a database handle of its own in that property's
// order and the range of positions whose values lie within the bounds, both included. It
// keeps its own copies of the bounds and applies them again after every change it hears of.
#pragma once

#include <windbase.h>

#include "db/CeDatabase.h"
#include "db/DbNotifListener.h"

namespace Nevo {

class MultiIndexListModel;

class FilterIndex : public DbNotifListener {
public:
    // `owner` (may be null) hears after every change to the database, once the range is found again.
    FilterIndex(CEOID oid, CEPROPID propid, const CEGUID* volume, MultiIndexListModel* owner = nullptr);
    ~FilterIndex() override;
    FilterIndex(const FilterIndex&) = delete;
    FilterIndex& operator=(const FilterIndex&) = delete;

    CEPROPID getPropid() const { return m_propid; }
    // Bounds as the property's seek takes them: a number, or a wide string or FILETIME address;
    // the caller may free them afterwards. False when the database cannot be opened.
    bool filter(const void* from, const void* to);
    // The record at a position of the range; 0 past it or before the first filter.
    CEOID at(UINT position);
    UINT rangeSize() const;
    UINT getRangeStart() const { return m_rangeStart; }
    UINT getRangeEnd() const { return m_rangeEnd; }
    int handleDbNotification(CENOTIFICATION* notification) override;

private:
    bool applyBounds();
    void setBound(CEPROPVAL* bound, const void* key);
    static void freeBound(CEPROPVAL* bound);

    CEPROPID m_propid;
    MultiIndexListModel* m_owner;
    CeDatabase m_db;
    UINT m_rangeStart = static_cast<UINT>(-1);
    UINT m_rangeEnd = 0;
    bool m_bounded = false;
    CEPROPVAL m_from{};
    CEPROPVAL m_to{};
};

}  // namespace Nevo
