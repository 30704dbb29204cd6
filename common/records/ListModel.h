// The abstract ordered list of ListItems behind every list window: it owns the template,
// remembers the sort field and options, and tells its observer windows of each change.
#pragma once

#include <windows.h>

#include "app/EventSource.h"
#include "records/Template.h"

namespace Nevo {

class ListItem;

class ListModel : public EventSource {
public:
    // A bit set, read by TemplateField::compare.
    enum SortOption : DWORD { Ascending = 0, Descending = 1, CaseInsensitive = 4, Prefix = 8 };
    // Indices and counts are 32-bit; this stands for no index.
    static constexpr UINT c_noIndex = static_cast<UINT>(-1);

    ListModel() = default;
    // Copies share the observers and the template fields: only one may be destroyed.
    ListModel(const ListModel&) = default;
    ListModel& operator=(const ListModel&) = default;
    ~ListModel() override = default;

    virtual void cacheItems(UINT first, UINT end);
    // Returns the index the item went to.
    virtual UINT addItem(ListItem* item) = 0;
    virtual void removeItem(UINT index);
    virtual void saveItem(ListItem* item);
    virtual void measureItem(HDC dc, UINT* width, UINT* height);
    virtual void clear();
    virtual UINT findItem(DWORD tag, const void* key, DWORD options) = 0;
    virtual void sort(DWORD tag, DWORD options);
    virtual DWORD getSortTag() { return m_sortTag; }
    virtual DWORD getSortOptions() { return m_sortOptions; }
    virtual UINT size() const = 0;
    virtual ListItem* at(UINT index) = 0;
    virtual Template* getTemplate() { return &m_template; }

protected:
    // Tells the observers; subclasses put the item in place first.
    virtual void insertItem(UINT index, ListItem* item);

private:
    Template m_template;
    DWORD m_sortTag = static_cast<DWORD>(-1);
    DWORD m_sortOptions = Ascending;
};

}  // namespace Nevo
