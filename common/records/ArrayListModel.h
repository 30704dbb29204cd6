// The in-memory list model: item addresses in an ArrayList, new items at their sorted
// place, qsort for re-sorting. It owns and deletes its items.
#pragma once

#include <atomic>

#include "records/ListModel.h"

namespace Nevo {

class ArrayList;

class ArrayListModel : public ListModel {
public:
    ArrayListModel();
    // Deletes every item.
    ~ArrayListModel() override;
    // The copy starts with an empty array of its own; items are not copied.
    ArrayListModel(const ArrayListModel& other);
    // Forgets its own items without deleting them or telling anyone; copies nothing.
    ArrayListModel& operator=(const ArrayListModel& other);

    UINT addItem(ListItem* item) override;
    void removeItem(UINT index) override;
    void clear() override;
    UINT findItem(DWORD tag, const void* key, DWORD options) override;
    // Only one sort runs at a time in the process; others wait for it.
    void sort(DWORD tag, DWORD options) override;
    UINT size() const override;
    ListItem* at(UINT index) override;

protected:
    void insertItem(UINT index, ListItem* item) override;

private:
    void deleteItems();
    static int compareEntries(const void* a, const void* b);

    ArrayList* m_items;

    // The model being sorted: qsort's comparison has no context argument.
    static std::atomic<ArrayListModel*> c_sorting;
};

}  // namespace Nevo
