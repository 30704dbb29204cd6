// A list model over the records of one object store database, in the order of one of its
// sort properties. Items are built on demand through the template (each field's tag is the
// propid that fills it), kept in the cache, and follow the changes other handles make: the
// notices of several changes may arrive after all of them, so cached items are placed again
// by their records' OIDs after each change rather than shifted by one.
#pragma once

#include <windbase.h>

#include "db/CeDatabase.h"
#include "db/DbNotifListener.h"
#include "records/CachedListModel.h"

namespace Nevo {

class CeDbListItem;

class CeDbListModel : public CachedListModel, public DbNotifListener {
public:
    CeDbListModel(const WCHAR* name, CEPROPID sortPropid);
    ~CeDbListModel() override;
    // Two models on one handle would close it twice.
    CeDbListModel(const CeDbListModel&) = delete;
    CeDbListModel& operator=(const CeDbListModel&) = delete;

    // Writes the item as a new record and caches it at the record's place; -1 when the write
    // fails, and the item is deleted then.
    UINT addItem(ListItem* item) override;
    // Deletes the record; the list changes only when the deletion succeeds.
    void removeItem(UINT index) override;
    // Seeks the key in the tag's order, reopening in that order first if needed.
    UINT findItem(DWORD tag, const void* key, DWORD options) override;
    // Reopens in the tag's order (the options are kept only) and tells the observers.
    void sort(DWORD tag, DWORD options) override;
    UINT size() const override;
    ListItem* at(UINT index) override;
    // Drops the items and the read buffer; the database stays open.
    void killCache() override;
    int handleDbNotification(CENOTIFICATION* notification) override;

    // A new, empty item shaped by the model's template.
    virtual CeDbListItem* createItem() = 0;

    void reopen();
    ListItem* getByOid(CEOID oid);
    CeDatabase* getDatabase() { return &m_db; }

protected:
    // Opens nothing; the subclass calls init.
    CeDbListModel();
    void init(const WCHAR* name, CEPROPID sortPropid);
    // Places come from the database: an item handed in here is not kept.
    void insertItem(UINT index, ListItem* item) override;
    // Reads the current record into a new item and steps on; null when nothing is read.
    ListItem* loadItem();

private:
    void recordCreated(CEOID oid);
    void recordDeleted(CEOID oid);
    void recordChanged(CEOID oid);
    UINT cachedIndexOf(CEOID oid) const;
    // Puts every cached item at its record's present place, dropping those whose record is
    // gone: exact however many changes came before their notices.
    void placeCachedItems();
    static UINT placeOf(const ListItem* item, void* model);
    void placeItem(UINT index, ListItem* item);

    CeDatabase m_db;
};

}  // namespace Nevo
